#include "common/process_start.h"

#include "common/names.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace common {

namespace {

bool isExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string findOnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    const std::string_view list = path ? path : "";
    std::size_t start = 0;
    while (start <= list.size()) {
        auto cut = list.find(':', start);
        if (cut == std::string_view::npos)
            cut = list.size();
        std::string folder(list.substr(start, cut - start));
        if (folder.empty())
            folder = ".";
        const std::string candidate = folder + "/" + program;
        if (isExecutableFile(candidate))
            return candidate;
        start = cut + 1;
    }
    return {};
}

bool endsWithExe(const std::string& name) {
    return name.size() >= 4 && equalsIgnoreCase(std::string_view(name).substr(name.size() - 4), ".exe");
}

// Only async-signal-safe calls from here on: the caller may have other threads.
[[noreturn]] void reportAndExit(int pipeOut, int err) {
    while (::write(pipeOut, &err, sizeof err) < 0 && errno == EINTR) {
    }
    ::_exit(127);
}

} // namespace

std::optional<Problem> startProgram(const std::filesystem::path& program,
                                    const std::filesystem::path& workingFolder, WindowMode /*mode*/) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(program, ec);
    if (ec)
        return problemFromError(program, "starting", ec);
    struct stat info {};
    if (::stat(absolute.c_str(), &info) != 0)
        return problemFromErrno(program, "starting", errno);
    if (!S_ISREG(info.st_mode))
        return Problem{program, "starting", "not a program file"};
    if (!std::filesystem::is_directory(workingFolder, ec))
        return Problem{workingFolder, "starting " + program.filename().string() + " in",
                       ec ? ec.message() : "not a folder"};

    std::vector<std::string> args;
    if (endsWithExe(absolute.filename().string())) {
        const std::string wine = findOnPath("wine");
        if (wine.empty())
            return Problem{program, "starting", "wine was not found on PATH"};
        args = {wine, absolute.string()};
    } else {
        args = {absolute.string()};
    }
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    const std::string folder = workingFolder.string();

    // The write end closes on a successful exec, so EOF means started and an int means the errno.
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0)
        return problemFromErrno(program, "starting", errno);

    // Double fork: the middle child exits at once, so the program is adopted by init and never
    // lingers as a zombie of ours.
    const pid_t middle = ::fork();
    if (middle < 0) {
        const int err = errno;
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        return problemFromErrno(program, "starting", err);
    }
    if (middle == 0) {
        ::close(pipeFds[0]);
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild < 0)
            reportAndExit(pipeFds[1], errno);
        if (grandchild > 0)
            ::_exit(0);
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        if (::chdir(folder.c_str()) != 0)
            reportAndExit(pipeFds[1], errno);
        ::execv(argv[0], argv.data());
        reportAndExit(pipeFds[1], errno);
    }

    ::close(pipeFds[1]);
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    int childErr = 0;
    ssize_t got;
    while ((got = ::read(pipeFds[0], &childErr, sizeof childErr)) < 0 && errno == EINTR) {
    }
    ::close(pipeFds[0]);
    if (got == static_cast<ssize_t>(sizeof childErr))
        return problemFromErrno(program, "starting", childErr);
    if (got != 0)
        return Problem{program, "starting", "the start could not be confirmed"};
    return std::nullopt;
}

} // namespace common
