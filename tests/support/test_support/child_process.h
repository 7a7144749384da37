#pragma once
// Running part of a test in a forked child: to kill it at a chosen point, to give it a small full disk
// of its own, or to let permissions bind by dropping root. POSIX only.

#if !defined(_WIN32)

#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace testsupport {

struct ChildOutcome {
    bool exited = false; // ended through _exit; `code` holds the status
    int code = -1;
    int signal = 0;     // the signal that ended it, when it did not exit
    std::string output; // everything the child wrote to its `say`
};

// The child's way to tell the parent what it saw.
using Say = std::function<void(std::string_view)>;

// Runs `body` in a forked child and waits for it. The child ends with the value `body` returns (99
// when it throws); nothing of the child's state reaches the parent but its exit and what it said.
inline ChildOutcome runInChild(const std::function<int(const Say&)>& body) {
    ChildOutcome outcome;
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return outcome;
    const pid_t pid = ::fork();
    if (pid < 0)
        return outcome;
    if (pid == 0) {
        ::close(pipeFds[0]);
        const int out = pipeFds[1];
        const Say say = [out](std::string_view text) {
            while (!text.empty()) {
                const ssize_t put = ::write(out, text.data(), text.size());
                if (put <= 0)
                    return;
                text.remove_prefix(static_cast<std::size_t>(put));
            }
        };
        int code = 99;
        try {
            code = body(say);
        } catch (...) {
        }
        ::_exit(code);
    }
    ::close(pipeFds[1]);
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(pipeFds[0], buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        outcome.output.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipeFds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status)) {
        outcome.exited = true;
        outcome.code = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        outcome.signal = WTERMSIG(status);
    }
    return outcome;
}

// A child that runs beside the test rather than before it: it tells the parent what it has done and
// waits to be told to go on, so two processes meet at chosen points with no sleeping.
class ChildBeside final {
  public:
    using Hear = std::function<void()>; // in the child: blocks until the parent says `goOn`

    explicit ChildBeside(const std::function<int(const Say&, const Hear&)>& body) {
        int up[2], down[2];
        if (::pipe(up) != 0)
            return;
        if (::pipe(down) != 0) {
            ::close(up[0]);
            ::close(up[1]);
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(up[0]);
            ::close(down[1]);
            const int out = up[1], in = down[0];
            const Say say = [out](std::string_view text) {
                while (!text.empty()) {
                    const ssize_t put = ::write(out, text.data(), text.size());
                    if (put <= 0)
                        return;
                    text.remove_prefix(static_cast<std::size_t>(put));
                }
            };
            const Hear hear = [in] {
                char c = 0;
                while (::read(in, &c, 1) < 0 && errno == EINTR) {
                }
            };
            int code = 99;
            try {
                code = body(say, hear);
            } catch (...) {
            }
            ::_exit(code);
        }
        ::close(up[1]);
        ::close(down[0]);
        from_ = up[0];
        to_ = down[1];
    }
    ChildBeside(const ChildBeside&) = delete;
    ChildBeside& operator=(const ChildBeside&) = delete;
    ~ChildBeside() {
        if (pid_ > 0 && !ended_) {
            ::kill(pid_, SIGKILL);
            finish();
        }
        if (from_ >= 0)
            ::close(from_);
        if (to_ >= 0)
            ::close(to_);
    }

    pid_t pid() const { return pid_; }
    bool started() const { return pid_ > 0; }

    // Reads what the child says until it has said `text` (true) or ended without saying it.
    bool heard(std::string_view text) {
        char c = 0;
        while (heard_.find(text) == std::string::npos) {
            const ssize_t got = ::read(from_, &c, 1);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                return false;
            heard_ += c;
        }
        return true;
    }
    void goOn() {
        const char c = 'g';
        while (::write(to_, &c, 1) < 0 && errno == EINTR) {
        }
    }
    void kill() { ::kill(pid_, SIGKILL); }
    // Waits for the child to end; its exit code, or -signal.
    int finish() {
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        ended_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    }

  private:
    pid_t pid_ = -1;
    int from_ = -1;
    int to_ = -1;
    bool ended_ = false;
    std::string heard_;
};

// The exit code a child uses when it cannot set up what the test needs; the parent skips then.
inline constexpr int kChildCannotSetUp = 77;

// In a child: become the unprivileged "nobody" when running as root, so file permissions bind.
inline bool dropRoot() {
    if (::geteuid() != 0)
        return true;
    return ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
}

// In a child: mount a tmpfs of `bytes` over `folder`, seen by this child alone.
inline bool mountSmallDisk(const std::filesystem::path& folder, std::size_t bytes) {
    if (::unshare(CLONE_NEWNS) != 0)
        return false;
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return false;
    const std::string options = "size=" + std::to_string(bytes);
    return ::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

} // namespace testsupport

#endif
