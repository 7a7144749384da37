#include "common/process_start.h"

#include <string>
#include <system_error>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include "common/names.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#endif

#if defined(_WIN32)

namespace common {

namespace {

// The one way Windows wants an argument quoted: backslashes doubled only before a quote.
std::wstring quotedArgument(const std::wstring& arg) {
    std::wstring out = L"\"";
    std::size_t slashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++slashes;
            continue;
        }
        out.append(c == L'"' ? slashes * 2 + 1 : slashes, L'\\');
        slashes = 0;
        out += c;
    }
    out.append(slashes * 2, L'\\');
    out += L'"';
    return out;
}

Problem lastError(const std::filesystem::path& path, std::string action) {
    return problemFromError(path, std::move(action),
                            std::error_code(static_cast<int>(::GetLastError()), std::system_category()));
}

} // namespace

std::optional<Problem> startProgram(const std::filesystem::path& program,
                                    const std::filesystem::path& workingFolder, WindowMode mode) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(program, ec);
    if (ec)
        return problemFromError(program, "starting", ec);
    const auto status = std::filesystem::status(absolute, ec);
    if (ec || !std::filesystem::exists(status))
        return problemFromError(program, "starting",
                                ec ? ec : std::make_error_code(std::errc::no_such_file_or_directory));
    if (!std::filesystem::is_regular_file(status))
        return Problem{program, "starting", "not a program file"};
    if (!std::filesystem::is_directory(workingFolder, ec))
        return Problem{workingFolder, "starting " + pathText(program.filename()) + " in",
                       ec ? ec.message() : "not a folder"};

    // A program of the game folder is started directly; the game looks for its files in the
    // working folder, so that is the game folder, as on Linux.
    std::wstring commandLine = quotedArgument(absolute.native());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = mode == WindowMode::Minimised ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    const std::wstring folder = std::filesystem::absolute(workingFolder, ec).native();
    if (!::CreateProcessW(absolute.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                          CREATE_NEW_PROCESS_GROUP | CREATE_UNICODE_ENVIRONMENT, nullptr, folder.c_str(),
                          &startup, &started))
        return lastError(program, "starting");
    // Not waited for: the handles are only closed, the program runs on.
    ::CloseHandle(started.hThread);
    ::CloseHandle(started.hProcess);
    return std::nullopt;
}

} // namespace common

#else

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

// The runner of ".exe" files: $WINE when set (a path, or a name looked up on PATH), else "wine".
// Returns the runner's path, or the reason it cannot be used, naming how to set it.
std::string findWindowsRunner(std::string& reason) {
    const char* chosen = std::getenv("WINE");
    const std::string runner = chosen && *chosen ? chosen : "wine";
    const bool fromEnvironment = chosen && *chosen;
    std::string found;
    if (runner.find('/') != std::string::npos)
        found = isExecutableFile(runner) ? std::filesystem::absolute(runner).string() : std::string{};
    else
        found = findOnPath(runner);
    if (found.empty()) {
        reason =
            fromEnvironment
                ? "the runner \"" + runner + "\" named by WINE was not found or cannot be run; set WINE " +
                      "to the path of the wine program"
                : "wine was not found on PATH; install wine, or set WINE to the path of the wine program";
    }
    return found;
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
        return Problem{workingFolder, "starting " + pathText(program.filename()) + " in",
                       ec ? ec.message() : "not a folder"};

    std::vector<std::string> args;
    if (endsWithExe(pathText(absolute.filename()))) {
        std::string reason;
        const std::string wine = findWindowsRunner(reason);
        if (wine.empty())
            return Problem{program, "starting", reason};
        args = {wine, pathText(absolute)};
    } else {
        args = {pathText(absolute)};
    }
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    const std::string folder = pathText(workingFolder);

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

#endif
