# Shared by scripts/build-windows and scripts/test-windows: Qt and libarchive cross-built for MinGW-w64
# from Debian's sources, kept in a cache outside the repository, and gathering a program with the DLLs
# it loads. Needs scripts/lib/common.sh first.

if [ -n "${EAW_WINDOWS_CACHE:-}" ]; then
    WIN_CACHE=$EAW_WINDOWS_CACHE
elif [ "$(id -u)" -eq 0 ]; then
    WIN_CACHE=/var/cache/eaw-windows
else
    WIN_CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/eaw-windows
fi
WIN_QT=$WIN_CACHE/qt
WIN_LIBS=$WIN_CACHE/libs
WIN_TRIPLE=x86_64-w64-mingw32
WIN_TOOLCHAIN=$ROOT/cmake/mingw-w64-shared.cmake
# Where Debian keeps the host Qt's CMake packages: a cross build finds no host package by itself, as
# every search is re-rooted below the Windows folders.
WIN_QT_HOST_CMAKE=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || gcc -print-multiarch)/cmake
# What a CMake build for Windows against the cache needs (set by ensure_windows_libraries).
WIN_CMAKE_ARGS=()

# Builds of Qt and libarchive take both cores for a quarter of an hour; others on the machine keep
# theirs responsive.
WIN_NICE=(nice -n 15)

# The smallest Qt the programs and their window suites need: Core, Gui, Widgets, Test, the Windows
# platform plugin and the offscreen one the suites run on. Qt's own copies of the image, font and text
# libraries, since Debian has none for MinGW. Debian's source leaves out the Windows tablet headers,
# so tablet events are off (the programs take none).
WIN_QT_CONFIGURE=(-release -shared -xplatform win32-g++ -qt-host-path /usr
    -nomake examples -nomake tests -no-opengl -no-dbus -no-feature-vulkan -no-feature-tabletevent
    -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent -no-feature-xml
    -no-feature-androiddeployqt
    -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion)

# Adds Debian's source archive to apt's sources when apt cannot find the source of qt6-base yet.
ensure_debian_sources() {
    if [ -n "$(apt-cache showsrc qt6-base 2>/dev/null | sed -n 's/^Version: //p' | head -n 1)" ]; then
        return 0
    fi
    [ "$(id -u)" -eq 0 ] || die "apt knows no Debian sources; as root, add a deb-src entry for Debian's archive and run again."
    local codename
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    echo "Adding Debian's source archive ($codename) to apt's sources ..."
    cat >/etc/apt/sources.list.d/eaw-debian-sources.sources <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $codename $codename-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: $codename-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    run_step "update of apt's lists" apt-get update -q
}

# debian_source PACKAGE[=VERSION] DIR: unpacks Debian's source of PACKAGE (its patches applied) in a
# fresh DIR and prints the folder it made.
debian_source() {
    local what=$1 dir=$2
    rm -rf "$dir"
    mkdir -p "$dir"
    (cd "$dir" && run_step "download of Debian's source of $what" apt-get source -q "$what")
    find "$dir" -mindepth 1 -maxdepth 1 -type d | head -n 1
}

# The version of a Debian source package apt would fetch.
debian_source_version() {
    apt-cache showsrc "$1" | sed -n 's/^Version: //p' | sort -V | tail -n 1
}

# stamp_matches FILE TEXT: whether FILE holds exactly TEXT.
stamp_matches() {
    [ -f "$1" ] && [ "$(cat "$1")" = "$2" ]
}

ensure_windows_qt() {
    # Qt's host tools (moc, uic, rcc) come from qt6-base-dev, so the target Qt must be its version.
    local version stamp
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    stamp="qt6-base $version
toolchain $(sha256sum "$WIN_TOOLCHAIN" "$ROOT/cmake/mingw-w64.cmake" | cut -c1-16 | tr '\n' ' ')
configure ${WIN_QT_CONFIGURE[*]} -DQT_HOST_PATH_CMAKE_DIR=$WIN_QT_HOST_CMAKE"
    if stamp_matches "$WIN_QT/eaw-stamp" "$stamp"; then
        echo "Qt for Windows from the cache ($WIN_QT)."
        return 0
    fi
    ensure_debian_sources
    echo "Building Qt $version for Windows from Debian's source into $WIN_QT (about 20 minutes on 2 cores) ..."
    local work=$WIN_CACHE/work/qt src log qt_started=$SECONDS
    src=$(debian_source "qt6-base=$version" "$work/src")
    rm -rf "$WIN_QT" "$work/build"
    mkdir -p "$work/build"
    log=$WIN_CACHE/qt-build.log
    if ! (cd "$work/build" &&
          "${WIN_NICE[@]}" "$src/configure" -prefix "$WIN_QT" "${WIN_QT_CONFIGURE[@]}" -- -G Ninja \
              -DCMAKE_TOOLCHAIN_FILE="$WIN_TOOLCHAIN" -DQT_HOST_PATH_CMAKE_DIR="$WIN_QT_HOST_CMAKE" &&
          "${WIN_NICE[@]}" cmake --build . --parallel "$(nproc)" &&
          cmake --install .) >"$log" 2>&1; then
        grep -E 'error|Error|FAILED' "$log" | head -n 30 >&2 || true
        tail -n 15 "$log" >&2
        die "The build of Qt for Windows failed (the lines above say where; all of it is in $log)."
    fi
    # Qt's tools point at the toolchain file they were built with; the programs name theirs.
    echo "$stamp" >"$WIN_QT/eaw-stamp"
    rm -rf "$work"
    echo "Qt for Windows built in $((SECONDS - qt_started)) s."
}

# libarchive as one DLL with what ".zip", ".7z", ".rar" and ".tar.gz" need linked in: zlib (Debian's
# MinGW build), liblzma and bzip2 (from Debian's sources); Windows' own CNG for encrypted zips.
# libarchive asks whether zlib needs ZLIB_WINAPI by running a program, which a cross build cannot (and
# CMake 3.25 crashes trying): Debian's zlib is built without it. Regular expressions serve only
# libarchive's own tools.
WIN_LIBARCHIVE_CONFIGURE=(-DENABLE_ZLIB=ON -DENABLE_LZMA=ON -DENABLE_BZip2=ON -DENABLE_CNG=ON
    -DENABLE_OPENSSL=OFF -DENABLE_MBEDTLS=OFF -DENABLE_NETTLE=OFF -DENABLE_LIBB2=OFF -DENABLE_LZ4=OFF
    -DENABLE_LZO=OFF -DENABLE_ZSTD=OFF -DENABLE_LIBXML2=OFF -DENABLE_EXPAT=OFF -DENABLE_PCREPOSIX=OFF
    -DENABLE_LIBGCC=OFF -DENABLE_ICONV=OFF -DENABLE_ACL=OFF -DENABLE_XATTR=OFF -DENABLE_TAR=OFF
    -DENABLE_CPIO=OFF -DENABLE_CAT=OFF -DENABLE_TEST=OFF -DENABLE_WERROR=OFF -DPOSIX_REGEX_LIB=NONE
    -DCMAKE_C_FLAGS=-DLZMA_API_STATIC)

# windows_cmake_build SOURCE BUILD ARGS...: configures, builds and installs a CMake project into WIN_LIBS.
windows_cmake_build() {
    local src=$1 build=$2
    shift 2
    "${WIN_NICE[@]}" cmake -S "$src" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$WIN_TOOLCHAIN" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$WIN_LIBS" -DCMAKE_FIND_ROOT_PATH="$WIN_LIBS" "$@" &&
        "${WIN_NICE[@]}" cmake --build "$build" --parallel "$(nproc)" &&
        cmake --install "$build"
}

# bzip2 has no CMake build; its seven files make the library. Its header declares function pointers
# on Windows unless BZ_EXPORT is set (it expects to be loaded as a DLL at run time), so the installed
# header sets it: the library is linked in.
windows_bzip2_build() {
    local src=$1 build=$2 f
    mkdir -p "$build" "$WIN_LIBS/lib" "$WIN_LIBS/include"
    for f in blocksort huffman crctable randtable compress decompress bzlib; do
        "${WIN_NICE[@]}" $WIN_TRIPLE-gcc-posix -O2 -DBZ_EXPORT -c "$src/$f.c" -o "$build/$f.o" || return 1
    done
    rm -f "$WIN_LIBS/lib/libbz2.a"
    $WIN_TRIPLE-ar rcs "$WIN_LIBS/lib/libbz2.a" "$build"/*.o &&
        { printf '#ifndef BZ_EXPORT\n#define BZ_EXPORT\n#endif\n'; cat "$src/bzlib.h"; } >"$WIN_LIBS/include/bzlib.h"
}

ensure_windows_libarchive() {
    local stamp p
    stamp="zlib $(dpkg-query -W -f='${Version}' libz-mingw-w64-dev)"
    for p in bzip2 xz-utils libarchive; do
        stamp+="
$p $(debian_source_version "$p")"
    done
    stamp+="
toolchain $(sha256sum "$WIN_TOOLCHAIN" "$ROOT/cmake/mingw-w64.cmake" | cut -c1-16 | tr '\n' ' ')
configure ${WIN_LIBARCHIVE_CONFIGURE[*]}"
    if stamp_matches "$WIN_LIBS/eaw-stamp" "$stamp"; then
        echo "libarchive for Windows from the cache ($WIN_LIBS)."
        return 0
    fi
    ensure_debian_sources
    echo "Building libarchive, liblzma and bzip2 for Windows from Debian's sources into $WIN_LIBS ..."
    local work=$WIN_CACHE/work/libs log=$WIN_CACHE/libarchive-build.log libs_started=$SECONDS bz xz la
    rm -rf "$WIN_LIBS" "$work"
    bz=$(debian_source bzip2 "$work/bzip2")
    xz=$(debian_source xz-utils "$work/xz")
    la=$(debian_source libarchive "$work/libarchive")
    if ! { windows_bzip2_build "$bz" "$work/bzip2-build" &&
           windows_cmake_build "$xz" "$work/xz-build" -DBUILD_SHARED_LIBS=OFF -DENABLE_NLS=OFF &&
           windows_cmake_build "$la" "$work/libarchive-build" "${WIN_LIBARCHIVE_CONFIGURE[@]}" \
               -DZLIB_LIBRARY="/usr/$WIN_TRIPLE/lib/libz.a" -DZLIB_INCLUDE_DIR="/usr/$WIN_TRIPLE/include" \
               -DZLIB_WINAPI=OFF -DZLIB_WINAPI_WITH_LIB="/usr/$WIN_TRIPLE/lib/libz.a"
         } >"$log" 2>&1; then
        grep -E 'error|Error|FAILED' "$log" | head -n 30 >&2 || true
        tail -n 15 "$log" >&2
        die "The build of libarchive for Windows failed (the lines above say where; all of it is in $log)."
    fi
    echo "$stamp" >"$WIN_LIBS/eaw-stamp"
    rm -rf "$work"
    echo "libarchive for Windows built in $((SECONDS - libs_started)) s."
}

ensure_windows_libraries() {
    mkdir -p "$WIN_CACHE"
    ensure_windows_qt
    ensure_windows_libarchive
    WIN_CMAKE_ARGS=(-DCMAKE_FIND_ROOT_PATH="$WIN_QT;$WIN_LIBS" -DCMAKE_PREFIX_PATH="$WIN_QT;$WIN_LIBS" -DQT_HOST_PATH=/usr
                    -DQT_HOST_PATH_CMAKE_DIR="$WIN_QT_HOST_CMAKE")
}

# Where the DLLs a Windows program loads come from, searched in this order.
windows_dll_folders() {
    echo "$WIN_QT/bin" "$WIN_LIBS/bin" /usr/lib/gcc/$WIN_TRIPLE/*-posix "/usr/$WIN_TRIPLE/lib"
}

# The Qt plugins a program needs beside it: the Windows platform (and offscreen, the window suites'),
# the Windows styles and the picture formats Qt keeps out of its Gui DLL.
WIN_QT_PLUGINS=(platforms/qwindows.dll platforms/qoffscreen.dll styles/qwindowsvistastyle.dll
                imageformats/qjpeg.dll imageformats/qgif.dll imageformats/qico.dll)

# copy_windows_dlls FOLDER FILE...: copies into FOLDER every DLL that the FILEs load, and the DLLs
# those load, from the cross-built libraries and the compiler's runtime; Windows' own are left out.
copy_windows_dlls() {
    local folder=$1 dir dll found
    shift
    local queue=("$@") seen=" "
    while [ ${#queue[@]} -gt 0 ]; do
        local file=${queue[0]}
        queue=("${queue[@]:1}")
        while read -r dll; do
            case "$seen" in *" ${dll,,} "*) continue ;; esac
            seen+="${dll,,} "
            found=
            for dir in $(windows_dll_folders); do
                if [ -f "$dir/$dll" ]; then
                    found=$dir/$dll
                    break
                fi
            done
            [ -n "$found" ] || continue # a system DLL
            cp -u "$found" "$folder/"
            queue+=("$found")
        done < <($WIN_TRIPLE-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
    done
}

# gather_windows_folder FOLDER PROGRAM...: a folder that runs on Windows as it is: the programs, the
# DLLs they load and Qt's plugins in the folders Qt looks in beside the program.
gather_windows_folder() {
    local folder=$1
    shift
    rm -rf "$folder"
    mkdir -p "$folder"
    cp "$@" "$folder/"
    deploy_windows_folder "$folder"
    $WIN_TRIPLE-strip --strip-unneeded "$folder"/*.dll "$folder"/*/*.dll "$folder"/*.exe
}

# configure_windows_app_build BUILD [CMAKE_ARGS...]: the Release build of the programs and the window
# suites against the cache, shared by scripts/build-windows and scripts/test-windows so that the
# window libraries are compiled once.
configure_windows_app_build() {
    local build=$1
    shift
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$ROOT}
    run_step "configuration of the programs' Windows build" \
        cmake -S "$ROOT" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$WIN_TOOLCHAIN" \
        -DCMAKE_BUILD_TYPE=Release -DEAW_QT=ON -DEAW_TESTS=ON -DEAW_BENCH=OFF \
        -DEAW_GTEST_SOURCE=/usr/src/googletest "${WIN_CMAKE_ARGS[@]}" "$@" \
        -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache
}

# deploy_windows_folder FOLDER: puts beside the programs of FOLDER the DLLs and Qt plugins they load.
deploy_windows_folder() {
    local folder=$1 plugin
    local loaded=("$folder"/*.exe)
    for plugin in "${WIN_QT_PLUGINS[@]}"; do
        mkdir -p "$folder/$(dirname "$plugin")"
        cp -u "$WIN_QT/plugins/$plugin" "$folder/$plugin"
        loaded+=("$WIN_QT/plugins/$plugin")
    done
    copy_windows_dlls "$folder" "${loaded[@]}"
}
