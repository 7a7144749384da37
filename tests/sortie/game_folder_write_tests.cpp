// The builders' writes to the game folder wait for no one: while another program holds its lock they
// say who on the message line and write nothing; a game folder the selector never used needs no lock.

#include "sortie/core/mission_builder.h"
#include "sortie_test_files.h"

#include "common/game_folder_lock.h"

#include <gtest/gtest.h>

#if defined(_WIN32)
#include <process.h>
#else
#include <unistd.h>
#endif

namespace sortie {
namespace {

std::string said(const MissionBuilder& b) {
    std::string all;
    for (const auto& line : b.messages())
        all += line + "\n";
    return all;
}

TEST(GameFolderWriteTest, FlySaveAndLoadoutWriteNothingWhileTheSelectorChangesTheGameFolder) {
    testing::TempFolder game;
    testing::makeGameFolder(game.path());
    game.write("PEV/Loadout.dat", "reference");
    game.write("Loadout.dat", "stock");
    const auto iniBefore = game.read("eaw.ini");
    std::filesystem::create_directory(game.path() / "QIV128");
    MissionBuilder b(game.path(), sortieSettings());
    b.start();

    auto held = common::takeGameFolderLock(game.path(), "outfitter");
    ASSERT_TRUE(held.held());
#if defined(_WIN32)
    const auto pid = std::to_string(_getpid());
#else
    const auto pid = std::to_string(::getpid());
#endif
    const std::string refusal =
        "outfitter (process " + pid + ") is changing this game folder: nothing was written; try again when it has finished";

    EXPECT_FALSE(b.launch().LaunchMission());
    EXPECT_NE(said(b).find(refusal), std::string::npos) << said(b);
    EXPECT_EQ(game.read("eaw.ini"), iniBefore);
    EXPECT_FALSE(std::filesystem::exists(game.path() / "Savedata" / "SingMiss.mpf"));
    EXPECT_FALSE(b.saveLoad().save("Dawn Patrol"));
    EXPECT_TRUE(b.saveLoad().savedMissions().empty());
    b.loadout().write(0);
    EXPECT_EQ(game.read("Loadout.dat"), "stock");
    const auto text = said(b);
    std::size_t refusals = 0;
    for (auto at = text.find(refusal); at != std::string::npos; at = text.find(refusal, at + 1))
        ++refusals;
    EXPECT_EQ(refusals, 3u) << text;

    // Let go, the same save goes through, and holds the lock only while it writes.
    held.release();
    EXPECT_TRUE(b.saveLoad().save("Dawn Patrol")) << said(b);
    EXPECT_TRUE(common::takeGameFolderLock(game.path(), "outfitter").held());
}

} // namespace
} // namespace sortie
