#pragma once
// Stand-in programs (a "wine", a game executable) that report through a FIFO when they are started,
// so a test waits for an event instead of for time, and PATH set for the test's length only.

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace testsupport {

// Puts `folder` first on PATH (or alone, with `only`) until destroyed.
class PathOverride final {
  public:
    explicit PathOverride(const std::filesystem::path& folder, bool only = false) {
        const char* path = std::getenv("PATH");
        had_ = path != nullptr;
        saved_ = path ? path : "";
        const std::string value = only || saved_.empty() ? folder.string() : folder.string() + ":" + saved_;
        ::setenv("PATH", value.c_str(), 1);
    }
    PathOverride(const PathOverride&) = delete;
    PathOverride& operator=(const PathOverride&) = delete;
    ~PathOverride() {
        if (had_)
            ::setenv("PATH", saved_.c_str(), 1);
        else
            ::unsetenv("PATH");
    }

  private:
    bool had_ = false;
    std::string saved_;
};

// Sets (or, with nullopt, removes) one environment variable until destroyed.
class EnvOverride final {
  public:
    EnvOverride(std::string name, const char* value) : name_(std::move(name)) {
        const char* old = std::getenv(name_.c_str());
        had_ = old != nullptr;
        saved_ = old ? old : "";
        if (value)
            ::setenv(name_.c_str(), value, 1);
        else
            ::unsetenv(name_.c_str());
    }
    EnvOverride(const EnvOverride&) = delete;
    EnvOverride& operator=(const EnvOverride&) = delete;
    ~EnvOverride() {
        if (had_)
            ::setenv(name_.c_str(), saved_.c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }

  private:
    std::string name_;
    bool had_ = false;
    std::string saved_;
};

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

} // namespace testsupport
