#include "common/game_process.h"

#include "test_support/running_program.h"
#include "test_support/stand_in_programs.h"
#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#if defined(_WIN32)

#include "common/process_start.h"

#include <chrono>
#include <thread>

namespace fs = std::filesystem;

namespace {

bool seenGoing(const fs::path& folder) {
    for (int i = 0; i < 500 && common::programRunningIn(folder); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return !common::programRunningIn(folder);
}

} // namespace

// Windows names a process by its program's own path, whatever folder it was started from.
TEST(GameProcess, OnWindowsTheGameIsSeenRunningFromItsOwnFolderOnlyUntilItEnds) {
    testsupport::TempFolder dir;
    const auto game = dir.folder(L"EAW \u00c4rger");
    const auto other = dir.folder("Other game");
    const auto hold = dir.write("hold", "");
    const testsupport::EnvOverride holding("EAW_STAND_IN_HOLD", hold);
    testsupport::ReportFile report(dir.path() / "report.txt");
    EXPECT_FALSE(common::programRunningIn(game));

    ASSERT_FALSE(common::startProgram(testsupport::installStandIn(other / "eaw.exe"), other));
    ASSERT_TRUE(report.await().arrived);
    EXPECT_FALSE(common::programRunningIn(game));
    EXPECT_TRUE(common::programRunningIn(other, "EAW.EXE"));

    fs::remove(dir.path() / "report.txt");
    ASSERT_FALSE(common::startProgram(testsupport::installStandIn(game / "Eaw.Exe"), other));
    ASSERT_TRUE(report.await().arrived);
    const auto found = common::programRunningIn(game);
    ASSERT_TRUE(found);
    EXPECT_TRUE(fs::equivalent(common::pathFromText(found->program), game / "Eaw.Exe")) << found->program;
    EXPECT_FALSE(common::programRunningIn(game, "sortie.exe"));

    fs::remove(hold);
    EXPECT_TRUE(seenGoing(game));
    EXPECT_TRUE(seenGoing(other));
}

#else

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

using testsupport::waitingScript;
using Running = testsupport::RunningProgram;

TEST(GameProcess, TheGameIsSeenRunningFromItsOwnFolderOnlyWhateverTheLetterCase) {
    testsupport::TempFolder dir;
    const auto game = dir.folder("EAW");
    const auto other = dir.folder("Other game");
    EXPECT_FALSE(common::programRunningIn(game));
    {
        Running elsewhere(waitingScript(other / "eaw.exe"), other);
        ASSERT_TRUE(elsewhere.up());
        EXPECT_FALSE(common::programRunningIn(game));
        EXPECT_TRUE(common::programRunningIn(other));
    }
    {
        // Started by its path from another folder: its own path still places it in the game folder.
        Running byPath(waitingScript(game / "EAW.EXE"), other);
        ASSERT_TRUE(byPath.up());
        const auto found = common::programRunningIn(game);
        ASSERT_TRUE(found);
        EXPECT_EQ(found->id, byPath.id());
    }
    // A program of another name in the game folder is not the game.
    Running notTheGame(waitingScript(game / "sortie.exe"), game);
    ASSERT_TRUE(notTheGame.up());
    EXPECT_FALSE(common::programRunningIn(game));
}

TEST(GameProcess, UnderWineTheGameIsAnArgumentInTheWindowsFormOfTheFolder) {
    testsupport::TempFolder dir;
    const auto game = dir.folder("Games/EAW");
    const auto prefix = dir.folder("prefix");
    fs::create_directories(prefix / "dosdevices");
    fs::create_directory_symlink(dir.path() / "Games", prefix / "dosdevices" / "d:");
    const auto loader = waitingScript(dir.path() / "bin" / "wine64-preloader");

    {
        Running wine(loader, "/", "D:\\EAW\\eaw.exe", common::pathText(prefix));
        ASSERT_TRUE(wine.up());
        EXPECT_TRUE(common::programRunningIn(game));
    }
    {
        std::string rootForm = "Z:" + common::pathText(game / "eaw.exe");
        for (auto& c : rootForm)
            if (c == '/')
                c = '\\';
        // The default prefix maps "Z:" to the root; give one that does.
        fs::create_directory_symlink("/", prefix / "dosdevices" / "z:");
        Running wine(loader, "/", rootForm, common::pathText(prefix));
        ASSERT_TRUE(wine.up());
        EXPECT_TRUE(common::programRunningIn(game));
    }
    Running otherGame(loader, "/", "D:\\Other\\eaw.exe", common::pathText(prefix));
    ASSERT_TRUE(otherGame.up());
    EXPECT_FALSE(common::programRunningIn(game));
}

} // namespace

#endif
