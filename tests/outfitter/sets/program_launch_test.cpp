#include "outfitter/sets/program_launch.h"

#include "game_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace outfitter;

namespace {

// A stand-in "wine" on PATH reports through a FIFO, so the test waits for an event, not for time.
class ProgramLaunch : public test_support::GameFixture {
  protected:
    void SetUp() override {
        fifo_ = dir_.path() / "report";
        ASSERT_EQ(::mkfifo(fifo_.c_str(), 0600), 0);
        const char* path = std::getenv("PATH");
        savedPath_ = path ? path : "";
        const auto wine = write(dir_.path() / "bin" / "wine",
                                "#!/bin/sh\nprintf '%s|%s' \"$PWD\" \"$*\" > '" + fifo_.string() + "'\n");
        ::chmod(wine.c_str(), 0755);
        ::setenv("PATH", (dir_.path() / "bin").c_str(), 1);
    }
    void TearDown() override { ::setenv("PATH", savedPath_.c_str(), 1); }

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

    std::filesystem::path fifo_;
    std::string savedPath_;
};

} // namespace

TEST_F(ProgramLaunch, TheChosenProgramStartsThroughWineInTheGameFolder) {
    write(game_ / "Eaw.EXE", "MZ");
    write(game_ / "PEVeaw.exe", "MZ");
    write(game_ / "readme.txt", "");
    const auto list = launchablePrograms(game_);
    ASSERT_TRUE(list.ok());
    EXPECT_EQ(list.value, (std::vector<std::string>{"Eaw.EXE", "PEVeaw.exe"}));

    const auto problem = launchProgram(game_, "eaw.exe");
    ASSERT_FALSE(problem) << problem->text();
    EXPECT_EQ(awaitReport(), game_.string() + "|" + (game_ / "Eaw.EXE").string());
}

TEST_F(ProgramLaunch, AProgramThatCannotStartIsReported) {
    const auto gone = launchProgram(game_, "eaw.exe");
    ASSERT_TRUE(gone);
    EXPECT_EQ(gone->path, game_ / "eaw.exe");

    write(dir_.path() / "outside.exe", "MZ");
    EXPECT_TRUE(launchProgram(game_, "../outside.exe"));
    EXPECT_TRUE(launchProgram(game_, ""));

    write(game_ / "eaw.exe", "MZ");
    ::setenv("PATH", (dir_.path() / "nowhere").c_str(), 1);
    const auto noWine = launchProgram(game_, "eaw.exe");
    ASSERT_TRUE(noWine);
    EXPECT_NE(noWine->reason.find("wine"), std::string::npos);
}
