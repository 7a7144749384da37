#include "outfitter/sets/program_launch.h"

#include "game_fixture.h"
#include "test_support/stand_in_programs.h"

#include <gtest/gtest.h>

using namespace outfitter;

namespace {

#if defined(_WIN32)

// Windows starts the program itself: the stand-in program is the game, and its report is put in the
// words of the POSIX stand-in "wine" (working folder, "|", the program started).
class ProgramLaunch : public test_support::GameFixture {
  protected:
    void program(const std::filesystem::path& where) { testsupport::installStandIn(where); }
    std::string awaitReport() const {
        const auto report = report_.await();
        if (!report.arrived)
            return {};
        return testsupport::sameOr(report.folder, game_).string() + "|" +
               testsupport::sameOr(report.program, game_ / "Eaw.EXE").string();
    }

    testsupport::ReportFile report_{dir_.path() / "report.txt"};
};

#else

// A stand-in "wine" on PATH reports through a FIFO, so the test waits for an event, not for time.
class ProgramLaunch : public test_support::GameFixture {
  protected:
    void SetUp() override { testsupport::writeScript(dir_.path() / "bin" / "wine", pipe_.reportLine()); }
    void program(const std::filesystem::path& where) { write(where, "MZ"); }
    std::string awaitReport() const { return pipe_.awaitReport(); }

    testsupport::ReportPipe pipe_{dir_.path() / "report"};
    testsupport::PathOverride path_{dir_.path() / "bin", true};
};

#endif

} // namespace

TEST_F(ProgramLaunch, TheChosenProgramStartsThroughWineInTheGameFolder) {
    program(game_ / "Eaw.EXE");
    program(game_ / "PEVeaw.exe");
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

#if !defined(_WIN32) // a missing runner only exists where ".exe" files need one
    write(game_ / "eaw.exe", "MZ");
    testsupport::setEnvironment("PATH", (dir_.path() / "nowhere").string().c_str());
    const auto noWine = launchProgram(game_, "eaw.exe");
    ASSERT_TRUE(noWine);
    EXPECT_NE(noWine->reason.find("wine"), std::string::npos);
#endif
}
