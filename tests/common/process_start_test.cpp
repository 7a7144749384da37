#include "common/process_start.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace common;
using common::testing::TempFolder;

namespace {

// The started program reports through a FIFO, so the test waits for an event, not for time.
class ProcessStart : public ::testing::Test {
  protected:
    void SetUp() override {
        fifo_ = dir_.path() / "report";
        ASSERT_EQ(::mkfifo(fifo_.c_str(), 0600), 0);
        const char* path = std::getenv("PATH");
        savedPath_ = path ? path : "";
    }
    void TearDown() override { ::setenv("PATH", savedPath_.c_str(), 1); }

    std::filesystem::path script(const std::filesystem::path& relative, const std::string& body,
                                 mode_t mode = 0755) {
        const auto file = dir_.write(relative, "#!/bin/sh\n" + body);
        ::chmod(file.c_str(), mode);
        return file;
    }
    std::string reportLine() const { return "printf '%s|%s' \"$PWD\" \"$*\" > '" + fifo_.string() + "'\n"; }

    // What the started program wrote, or "" when nothing came within a generous bound.
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

    TempFolder dir_;
    std::filesystem::path fifo_;
    std::string savedPath_;
};

} // namespace

TEST_F(ProcessStart, PlainProgramRunsInTheWorkingFolderAndLeavesNoZombie) {
    const auto game = dir_.folder("Game");
    const auto program = script("Game/launch.sh", reportLine());
    const auto problem = startProgram(program, game);
    ASSERT_FALSE(problem) << problem->text();
    EXPECT_EQ(awaitReport(), game.string() + "|");
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(ProcessStart, WindowsProgramGoesThroughWineFoundOnPath) {
    const auto game = dir_.folder("Game");
    script("bin/wine", reportLine());
    ::setenv("PATH", ("/nonexistent:" + (dir_.path() / "bin").string()).c_str(), 1);
    const auto program = dir_.write("Game/PEVeaw.EXE", "MZ");
    const auto problem = startProgram(program, game, WindowMode::Minimised);
    ASSERT_FALSE(problem) << problem->text();
    EXPECT_EQ(awaitReport(), game.string() + "|" + program.string());
}

TEST_F(ProcessStart, WindowsProgramWithoutWineIsAProblem) {
    dir_.folder("bin");
    ::setenv("PATH", (dir_.path() / "bin").c_str(), 1);
    const auto program = dir_.write("eaw.exe", "MZ");
    const auto problem = startProgram(program, dir_.path());
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->path, program);
    EXPECT_NE(problem->reason.find("wine"), std::string::npos);
}

TEST_F(ProcessStart, RefusedStartsCarryTheSystemsReason) {
    const auto missing = startProgram(dir_.path() / "nothing.sh", dir_.path());
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->reason, "No such file or directory");

    // Refused by exec itself, so the reason has to come back from the child.
    const auto notExecutable = script("plain.sh", reportLine(), 0644);
    const auto denied = startProgram(notExecutable, dir_.path());
    ASSERT_TRUE(denied);
    EXPECT_EQ(denied->reason, "Permission denied");

    const auto noInterpreter = dir_.write("garbage", "\x7f\x45\x4c\x46 not really");
    ::chmod(noInterpreter.c_str(), 0755);
    const auto badFormat = startProgram(noInterpreter, dir_.path());
    ASSERT_TRUE(badFormat);
    EXPECT_EQ(badFormat->reason, "Exec format error");

    const auto noFolder = startProgram(script("ok.sh", "exit 0\n"), dir_.path() / "Gone");
    ASSERT_TRUE(noFolder);
    EXPECT_EQ(noFolder->path, dir_.path() / "Gone");
}
