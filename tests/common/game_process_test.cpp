#include "common/game_process.h"

#include "test_support/running_program.h"
#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#if !defined(_WIN32)

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
