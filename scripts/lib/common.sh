# Shared by scripts/demo and scripts/test: where things are, and installing what the build needs.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Debian packages the build and the tests need. fonts-dejavu-core gives offscreen windows real text;
# libarchive-tools gives the benchmark its baseline (bsdtar); help2man makes the manual pages.
PACKAGES=(cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-dejavu-core libarchive-dev libarchive-tools help2man ccache)

die() {
    echo "$*" >&2
    exit 1
}

ensure_packages() {
    local missing=() p
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        die "These Debian packages are missing; install them as root and run again: ${missing[*]}"
    fi
    echo "Installing ${missing[*]} ..."
    local log
    log=$(mktemp)
    if ! { apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"; } >"$log" 2>&1; then
        tail -n 20 "$log" >&2
        rm -f "$log"
        die "Could not install the Debian packages ${missing[*]} (apt-get's last lines are above)."
    fi
    rm -f "$log"
}

# configure_and_build BUILD_DIR TARGETS... -- CMAKE_ARGS...
# Runs CMake quietly; on failure shows the end of its output and one sentence.
run_step() {
    local what=$1
    shift
    local log
    log=$(mktemp)
    if ! "$@" >"$log" 2>&1; then
        grep -E 'error|Error|FAILED' "$log" | head -n 30 >&2 || true
        tail -n 15 "$log" >&2
        rm -f "$log"
        die "The $what failed (the lines above say where)."
    fi
    rm -f "$log"
}
