#include "outfitter/sets/program_launch.h"

#include "game_fixture.h"
#include "test_support/stand_in_programs.h"

#include <gtest/gtest.h>


using namespace outfitter;

namespace {

// A stand-in "wine" on PATH reports through a FIFO, so the test waits for an event, not for time.
class ProgramLaunch : public test_support::GameFixture {
  protected:
    void SetUp() override { testsupport::writeScript(dir_.path() / "bin" / "wine", pipe_.reportLine()); }
    std::string awaitReport() const { return pipe_.awaitReport(); }

    testsupport::ReportPipe pipe_{dir_.path() / "report"};
    testsupport::PathOverride path_{dir_.path() / "bin", true};
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
