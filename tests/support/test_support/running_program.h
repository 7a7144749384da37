#pragma once
// A stand-in program kept running for the length of a test (a game "eaw.exe" the selector must not
// change files under): started from a chosen folder, waited for until it says it is up, ended when
// the object goes. POSIX only.

#if !defined(_WIN32)

#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace testsupport {

// A shell script that says "up" once running, then waits to be ended.
inline std::filesystem::path waitingScript(const std::filesystem::path& file) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::trunc) << "#!/bin/sh\necho up\nwhile :; do sleep 1; done\n";
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
    return file;
}

class RunningProgram final {
  public:
    RunningProgram(const std::filesystem::path& program, const std::filesystem::path& folder,
                   const std::string& argument = {}, const std::string& winePrefix = {}) {
        int fds[2];
        if (::pipe(fds) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(fds[1], 1);
            ::close(fds[0]);
            if (::chdir(folder.c_str()) != 0)
                ::_exit(97);
            if (!winePrefix.empty())
                ::setenv("WINEPREFIX", winePrefix.c_str(), 1);
            if (argument.empty())
                ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            else
                ::execl(program.c_str(), program.c_str(), argument.c_str(), static_cast<char*>(nullptr));
            ::_exit(98);
        }
        ::close(fds[1]);
        char said[3] = {};
        up_ = pid_ > 0 && ::read(fds[0], said, 3) == 3;
        ::close(fds[0]);
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    ~RunningProgram() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    bool up() const { return up_; }
    pid_t id() const { return pid_; }

  private:
    pid_t pid_ = -1;
    bool up_ = false;
};

} // namespace testsupport

#endif
