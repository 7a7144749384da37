#pragma once
// Stand-in programs (a "wine", a game executable) that report when they are started, so a test
// waits for an event instead of for time. On POSIX they are shell scripts writing into a FIFO; on
// Windows a small program of ours, copied to where the test wants it, writes a report file.

#include "test_support/environment.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace testsupport {

#if defined(_WIN32)

// The variable that tells the stand-in program where to write its report.
inline constexpr const char* kStandInReport = "EAW_STAND_IN_REPORT";

// The stand-in program, built beside every test program of the Windows build.
inline std::filesystem::path standInProgram() {
    std::wstring self(MAX_PATH, L'\0');
    for (;;) {
        const DWORD got = ::GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
        if (got < self.size()) {
            self.resize(got);
            break;
        }
        self.resize(self.size() * 2);
    }
    return std::filesystem::path(self).parent_path() / L"eaw-stand-in.exe";
}

// Copies the stand-in program to `where` (any name, e.g. a game's "eaw.exe").
inline std::filesystem::path installStandIn(const std::filesystem::path& where) {
    std::filesystem::create_directories(where.parent_path());
    std::filesystem::copy_file(standInProgram(), where, std::filesystem::copy_options::overwrite_existing);
    return where;
}

// What a started stand-in reported: its working folder, its own path and its arguments.
struct StandInReport {
    std::filesystem::path folder;
    std::filesystem::path program;
    std::vector<std::string> arguments;
    bool arrived = false;
};

// `found` when it names the same file or folder as `expected` (Wine and Windows may spell a path
// differently: drive letter, short names), else `found` itself: for comparing reports as text.
inline std::filesystem::path sameOr(const std::filesystem::path& found,
                                    const std::filesystem::path& expected) {
    std::error_code ec;
    return std::filesystem::equivalent(found, expected, ec) ? expected : found;
}

// Points every stand-in started while it lives at one report file, and waits for that file.
class ReportFile final {
  public:
    explicit ReportFile(std::filesystem::path file) : file_(std::move(file)), env_(kStandInReport, file_) {}

    // The stand-in writes the report beside the file and renames it into place, so a report that is
    // there is whole. Polls because Windows has no FIFO to block on; the bound is generous.
    StandInReport await() const {
        StandInReport report;
        for (int i = 0; i < 2000 && !std::filesystem::exists(file_); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::ifstream in(file_, std::ios::binary);
        std::string line;
        if (!std::getline(in, line))
            return report;
        report.arrived = true;
        report.folder = std::filesystem::path(std::u8string(line.begin(), line.end()));
        if (std::getline(in, line))
            report.program = std::filesystem::path(std::u8string(line.begin(), line.end()));
        while (std::getline(in, line))
            report.arguments.push_back(line);
        return report;
    }

  private:
    std::filesystem::path file_;
    EnvOverride env_;
};

#else

// Writes an executable shell script.
inline std::filesystem::path writeScript(const std::filesystem::path& file, const std::string& body,
                                         mode_t mode = 0755) {
    std::filesystem::create_directories(file.parent_path());
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << "#!/bin/sh\n" << body;
    }
    ::chmod(file.c_str(), mode);
    return file;
}

// A FIFO that stand-ins write one report line into: "<working folder>|<arguments>".
class ReportPipe final {
  public:
    explicit ReportPipe(std::filesystem::path fifo) : fifo_(std::move(fifo)) {
        if (::mkfifo(fifo_.c_str(), 0600) != 0)
            throw std::runtime_error("cannot make the report pipe " + fifo_.string());
    }

    // The shell line that writes the report; a stand-in script's body.
    std::string reportLine() const { return "printf '%s|%s' \"$PWD\" \"$*\" > '" + fifo_.string() + "'\n"; }

    // Everything written until the last writer closes, or "" when nothing came within a generous bound.
    std::string awaitReport() const {
        const int fd = ::open(fifo_.c_str(), O_RDONLY | O_NONBLOCK);
        std::string text;
        pollfd wait{fd, POLLIN, 0};
        while (::poll(&wait, 1, 20000) > 0) {
            char buffer[512];
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got <= 0)
                break;
            text.append(buffer, static_cast<std::size_t>(got));
        }
        ::close(fd);
        return text;
    }

  private:
    std::filesystem::path fifo_;
};

#endif

} // namespace testsupport
