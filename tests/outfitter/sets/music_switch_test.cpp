#include "outfitter/sets/default_missions.h"
#include "outfitter/sets/music_switch.h"

#include "game_fixture.h"

#include <gtest/gtest.h>

using namespace outfitter;

namespace {

using Names = std::vector<std::string>;

class MusicSwitching : public test_support::GameFixture {
  protected:
    // The fixture's "MUSIC" holds the stock music; two more folders wait beside it.
    MusicSwitching() {
        write(music_ / "stock.bgm", "stock");
        write(game_ / "Swing" / "swing.bgm", "swing");
        write(game_ / "Brass" / "brass.bgm", "brass");
        write(game_ / "Music.ini", "Stock\r\nSwing\r\nBrass\r\n");
    }
};

TEST_F(MusicSwitching, TwoSwitchesInARowGiveEachMusicItsNameBackAndIniStaysUntouched) {
    auto first = switchMusic(game_, "Swing", "Stock");
    EXPECT_TRUE(first.switched);
    EXPECT_TRUE(first.problems.empty());
    EXPECT_EQ(read(music_ / "swing.bgm"), "swing");
    EXPECT_EQ(read(game_ / "Stock" / "stock.bgm"), "stock");
    EXPECT_EQ(first.music.current, "Swing");
    EXPECT_EQ(first.music.available, (Names{"Stock", "Brass"}));

    auto second = switchMusic(game_, "Brass", first.music.current);
    EXPECT_TRUE(second.switched);
    EXPECT_EQ(read(music_ / "brass.bgm"), "brass");
    EXPECT_EQ(read(game_ / "Swing" / "swing.bgm"), "swing");
    EXPECT_EQ(second.music.current, "Brass");
    EXPECT_EQ(second.music.available, (Names{"Stock", "Swing"}));
    EXPECT_EQ(read(game_ / "Music.ini"), "Stock\r\nSwing\r\nBrass\r\n");
}

TEST_F(MusicSwitching, RefusedSwitchesAreReportedAndLeaveEveryFolderAsItWas) {
    const auto before = dir_.entries();
    struct Case {
        const char* chosen;
        const char* current;
    };
    write(game_ / "Taken", "a file bearing a music name");
    for (const auto& [chosen, current] :
         {Case{"Swing", ""}, Case{"Vanished", "Stock"}, Case{"Swing", "Taken"}, Case{"..", "Stock"},
          Case{"Swing", "../out"}}) {
        const auto result = switchMusic(game_, chosen, current);
        EXPECT_FALSE(result.switched) << chosen << " " << current;
        EXPECT_FALSE(result.problems.empty()) << chosen << " " << current;
    }
    std::filesystem::remove(game_ / "Taken");
    EXPECT_EQ(dir_.entries(), before);
    // Choosing the active music itself does nothing and needs no message.
    const auto same = switchMusic(game_, "music", "Stock");
    EXPECT_FALSE(same.switched);
    EXPECT_TRUE(same.problems.empty());
}

TEST_F(MusicSwitching, WhenTheSecondRenameFailsTheFirstIsUndone) {
    const auto before = dir_.entries();
    int calls = 0;
    const FolderRename failingSecond =
        [&](const std::filesystem::path& from,
            const std::filesystem::path& to) -> std::optional<common::Problem> {
        if (++calls == 2)
            return common::Problem{from, "renaming", "refused"};
        std::filesystem::rename(from, to);
        return std::nullopt;
    };
    const auto result = switchMusic(game_, "Swing", "Stock", failingSecond);
    EXPECT_FALSE(result.switched);
    EXPECT_EQ(calls, 3);
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(result.problems[0].reason, "refused");
    EXPECT_EQ(dir_.entries(), before);
    EXPECT_EQ(result.music.current, "Stock");
}

TEST_F(MusicSwitching, DelMsnRemovesOnlyTheDefaultMissions) {
    for (const char* name :
         {"Default1.msn", "DEFAULT2.MSN", "default.msn", "Default1.sve", "MyDefault.msn", "Training.msn"})
        write(savedata_ / name, name);
    const auto report = deleteDefaultMissions(game_);
    EXPECT_TRUE(report.ok());
    EXPECT_EQ(report.done.size(), 3u);
    EXPECT_EQ(names(savedata_), (Names{"Default1.sve", "MyDefault.msn", "Training.msn"}));
    EXPECT_TRUE(deleteDefaultMissions(game_).done.empty());
}

TEST_F(MusicSwitching, DelMsnDeletesWhatThePlayerWasAskedAboutAndNothingThatCameSince) {
    write(savedata_ / "Default1.msn", "1");
    write(savedata_ / "Default2.msn", "2");
    common::Problems problems;
    const auto asked = outfitter::listDefaultMissions(game_, problems);
    EXPECT_TRUE(problems.empty());
    ASSERT_EQ(asked.size(), 2u);
    std::filesystem::remove(savedata_ / "Default2.msn"); // gone meanwhile: not counted as deleted
    write(savedata_ / "Default3.msn", "3");              // came meanwhile: not asked about, so kept
    const auto report = outfitter::deleteMissions(asked);
    EXPECT_TRUE(report.ok());
    EXPECT_EQ(report.done, (std::vector<std::filesystem::path>{savedata_ / "Default1.msn"}));
    EXPECT_EQ(names(savedata_), (Names{"Default3.msn"}));
}

} // namespace
