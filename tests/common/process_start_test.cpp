#include "common/process_start.h"

#include "test_support/stand_in_programs.h"
#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

using namespace common;
using testsupport::TempFolder;

#if defined(_WIN32)

namespace {

// Programs are started directly on Windows: the stand-in program, copied to the game's name,
// reports where it runs and with which arguments.
class ProcessStart : public ::testing::Test {
  protected:
    TempFolder dir_;
    testsupport::ReportFile report_{dir_.path() / "report.txt"};
};

} // namespace

TEST_F(ProcessStart, ProgramRunsInTheWorkingFolderWithoutArgumentsInEitherWindowMode) {
    const auto game = dir_.folder("Game");
    const auto program = testsupport::installStandIn(game / "eaw.exe");
    const auto problem = startProgram(program, game);
    ASSERT_FALSE(problem) << problem->text();
    const auto report = report_.await();
    ASSERT_TRUE(report.arrived);
    EXPECT_TRUE(std::filesystem::equivalent(report.folder, game)) << report.folder.string();
    EXPECT_TRUE(report.arguments.empty());

    std::filesystem::remove(dir_.path() / "report.txt");
    ASSERT_FALSE(startProgram(testsupport::installStandIn(game / "PEVeaw.exe"), game, WindowMode::Minimised));
    EXPECT_TRUE(report_.await().arrived);
}

TEST_F(ProcessStart, NamesOutsideTheCodePageReachTheProgramWhole) {
    // Wide names all the way: a narrow (code page) call would turn these letters into "?".
    const std::filesystem::path folder = dir_.path() / L"Spiel \u00c4\u00f6 \u0141\u00f3d\u017a \u6e2c\u8a66";
    std::filesystem::create_directories(folder);
    const auto program = testsupport::installStandIn(folder / L"J\u00e4ger \u0444.exe");
    const auto problem = startProgram(program, folder);
    ASSERT_FALSE(problem) << problem->text();
    const auto report = report_.await();
    ASSERT_TRUE(report.arrived);
    EXPECT_TRUE(std::filesystem::equivalent(report.folder, folder));
}

TEST_F(ProcessStart, RefusedStartsAreProblemsNamingWhatFailed) {
    const auto missing = startProgram(dir_.path() / "nothing.exe", dir_.path());
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->path, dir_.path() / "nothing.exe");
    EXPECT_FALSE(missing->reason.empty());

    const auto notAProgram = startProgram(dir_.write("eaw.exe", "MZ but nothing more"), dir_.path());
    ASSERT_TRUE(notAProgram);
    EXPECT_FALSE(notAProgram->reason.empty());

    const auto folderAsProgram = startProgram(dir_.folder("Savedata"), dir_.path());
    ASSERT_TRUE(folderAsProgram);
    EXPECT_EQ(folderAsProgram->reason, "not a program file");

    const auto program = testsupport::installStandIn(dir_.path() / "ok.exe");
    const auto noFolder = startProgram(program, dir_.path() / "Gone");
    ASSERT_TRUE(noFolder);
    EXPECT_EQ(noFolder->path, dir_.path() / "Gone");
    EXPECT_FALSE(std::filesystem::exists(dir_.path() / "report.txt"));
}

#else

#include <cerrno>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The started program reports through a FIFO, so the test waits for an event, not for time.
class ProcessStart : public ::testing::Test {
  protected:
    std::filesystem::path script(const std::filesystem::path& relative, const std::string& body,
                                 mode_t mode = 0755) {
        return testsupport::writeScript(dir_.path() / relative, body, mode);
    }
    std::string reportLine() const { return pipe_.reportLine(); }
    std::string awaitReport() const { return pipe_.awaitReport(); }

    TempFolder dir_;
    testsupport::ReportPipe pipe_{dir_.path() / "report"};
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
    const testsupport::EnvOverride noRunner("WINE", nullptr);
    const testsupport::PathOverride path(dir_.path() / "bin");
    const auto program = dir_.write("Game/PEVeaw.EXE", "MZ");
    const auto problem = startProgram(program, game, WindowMode::Minimised);
    ASSERT_FALSE(problem) << problem->text();
    EXPECT_EQ(awaitReport(), game.string() + "|" + program.string());
}

TEST_F(ProcessStart, RunnerNamedByWineIsUsedAndTheEnvironmentPassesThrough) {
    const auto game = dir_.folder("Game");
    const auto runner =
        script("runners/my-wine",
               "echo \"$WINEPREFIX\" > '" + (dir_.path() / "prefix").string() + "'\n" + reportLine());
    const testsupport::EnvOverride wine("WINE", runner.c_str());
    const testsupport::EnvOverride prefix("WINEPREFIX", "/tmp/some-prefix");
    const auto program = dir_.write("Game/eaw.exe", "MZ");
    const auto problem = startProgram(program, game);
    ASSERT_FALSE(problem) << problem->text();
    EXPECT_EQ(awaitReport(), game.string() + "|" + program.string());
    EXPECT_EQ(dir_.read("prefix"), "/tmp/some-prefix\n");

    const testsupport::EnvOverride gone("WINE", (dir_.path() / "no-such-runner").c_str());
    const auto missing = startProgram(program, game);
    ASSERT_TRUE(missing);
    EXPECT_NE(missing->reason.find("set WINE"), std::string::npos);
}

TEST_F(ProcessStart, WindowsProgramWithoutWineIsAProblem) {
    const testsupport::EnvOverride noRunner("WINE", nullptr);
    dir_.folder("bin");
    const testsupport::PathOverride path(dir_.path() / "bin", true);
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

#endif
