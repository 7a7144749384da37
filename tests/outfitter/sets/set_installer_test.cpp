#include "outfitter/sets/set_installer.h"

#include "game_fixture.h"

#include <gtest/gtest.h>

using namespace outfitter;
namespace fs = std::filesystem;

namespace {

class SetInstaller : public test_support::GameFixture {
  protected:
    static std::string problemsText(const FileWorkReport& report) {
        std::string text;
        for (const auto& problem : report.problems)
            text += problem.text() + "\n";
        return text;
    }
    static bool writable(const fs::path& file) {
        return (fs::status(file).permissions() & fs::perms::owner_write) != fs::perms::none;
    }
};

} // namespace

TEST_F(SetInstaller, LoadingSendsEachFileWhereTheGameReadsItAndLeavesOutTheSetsOwnFiles) {
    const auto set = this->set("W-Summer 1940",
                               {"Raid.MSN", "career.sve", "Theme.bgm", "mypic", "Contents.TXT", "shot.jpg",
                                "planes.dat", "ECAsound.wav", "eca.dat", "start.LDR", "map.pcx", "anim.GIF"});
    std::vector<FileWorkProgress> steps;
    const auto report = MoveIn(game_, set, [&](const FileWorkProgress& step) { steps.push_back(step); });

    EXPECT_TRUE(report.ok()) << problemsText(report);
    EXPECT_EQ(names(savedata_), (std::vector<std::string>{"Raid.MSN", "career.sve"}));
    EXPECT_EQ(names(music_), (std::vector<std::string>{"Theme.bgm"}));
    EXPECT_EQ(read(game_ / "planes.dat"), "W-Summer 1940:planes.dat");
    EXPECT_EQ(names(game_), (std::vector<std::string>{"MUSIC", "QIV128", "SaveData", "planes.dat"}));
    EXPECT_EQ(report.done.size(), 4u);

    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps.front().caption, "Please wait- copying: :career.sve");
    EXPECT_EQ(steps.back().caption, "Please wait- copying: :Theme.bgm");
    EXPECT_DOUBLE_EQ(steps.back().fraction, 1.0);
}

TEST_F(SetInstaller, LoadingReplacesGameFilesWhateverTheirCaseButRefusesAReadOnlyOne) {
    write(game_ / "PLANES.DAT", "stock");
    write(game_ / "Pnames.STR", "stock names");
    write(savedata_ / "RAID.msn", "stock");
    const auto set = this->set("F-Fast", {"planes.dat", "raid.MSN", "pnames.str", "loadout.dat"});
    fs::permissions(game_ / "PLANES.DAT", fs::perms::owner_read | fs::perms::group_read);
    fs::permissions(set / "loadout.dat", fs::perms::owner_read);

    const auto report = MoveIn(game_, set);

    // The read-only game file is named and kept; the rest of the set still arrives.
    ASSERT_EQ(report.problems.size(), 1u) << problemsText(report);
    EXPECT_EQ(report.problems[0].path, game_ / "PLANES.DAT");
    EXPECT_NE(report.problems[0].text().find("read-only"), std::string::npos);
    EXPECT_EQ(read(game_ / "PLANES.DAT"), "stock");
    EXPECT_FALSE(writable(game_ / "PLANES.DAT"));
    EXPECT_EQ(report.done.size(), 3u);
    EXPECT_TRUE(loadArrived(report));
    EXPECT_EQ(read(game_ / "Pnames.STR"), "F-Fast:pnames.str");
    EXPECT_EQ(names(game_), (std::vector<std::string>{"MUSIC", "PLANES.DAT", "Pnames.STR", "QIV128",
                                                      "SaveData", "loadout.dat"}));
    EXPECT_EQ(read(savedata_ / "RAID.msn"), "F-Fast:raid.MSN");
    EXPECT_TRUE(writable(game_ / "loadout.dat"));
    EXPECT_TRUE(writable(set / "loadout.dat"));
}

TEST_F(SetInstaller, AFailedCopyIsReportedWithTheReasonAndTheOtherFilesStillArrive) {
    const auto set = this->set("T-Alps", {"a.dat", "b.dat", "c.dat", "alps.ter", "wind.bgm"});
    write(game_ / "b.dat", "stock b");
    fs::create_directory(game_ / "ALPS.TER"); // a folder in the way
    fs::remove(music_);                       // not created here: start-up makes it
    bool vanished = false;
    const auto report = MoveIn(game_, set, [&](const FileWorkProgress&) {
        if (!vanished)
            vanished = fs::remove(set / "b.dat"); // the source disappears mid-load
    });

    ASSERT_EQ(report.problems.size(), 3u) << problemsText(report);
    EXPECT_EQ(report.problems[0].path, game_ / "ALPS.TER");
    EXPECT_EQ(report.problems[1].path, game_ / "b.dat");
    // The system's own words: ENOENT on POSIX and ERROR_FILE_NOT_FOUND on Windows are both 2.
    EXPECT_EQ(report.problems[1].reason, std::system_category().message(2));
    EXPECT_EQ(report.problems[2].path, game_ / "Music" / "wind.bgm");
    EXPECT_EQ(read(game_ / "a.dat"), "T-Alps:a.dat");
    EXPECT_EQ(read(game_ / "b.dat"), "stock b");
    EXPECT_EQ(read(game_ / "c.dat"), "T-Alps:c.dat");
    EXPECT_TRUE(fs::is_directory(game_ / "ALPS.TER"));
    EXPECT_FALSE(exists(game_ / "MUSIC") || exists(game_ / "Music"));
    EXPECT_FALSE(exists(game_ / ".qiv-b.dat.part"));
}

TEST_F(SetInstaller, UnloadingDeletesFilesOfTheSetsNamesFromWhereLoadingPutThem) {
    const auto set = this->set("W-Summer", {"planes.dat", "shot.jpg", "raid.msn", "theme.bgm", "pilot.sve",
                                            "contents.txt", "readme.txt"});
    write(game_ / "PLANES.DAT", "x");
    write(game_ / "Shot.JPG", "x");
    write(game_ / "other.dat", "x");
    write(game_ / "readme.txt" / "inside", "a folder of that name is not the set's file");
    write(savedata_ / "RAID.MSN", "x");
    write(savedata_ / "pilot.sve", "career");
    write(music_ / "Theme.BGM", "x");
    std::vector<std::string> captions;
    const auto report =
        MoveOut(game_, set, [&](const FileWorkProgress& step) { captions.push_back(step.caption); });

    EXPECT_TRUE(report.ok()) << problemsText(report);
    EXPECT_EQ(names(game_),
              (std::vector<std::string>{"MUSIC", "QIV128", "SaveData", "other.dat", "readme.txt"}));
    EXPECT_EQ(names(savedata_), (std::vector<std::string>{"pilot.sve"})); // looked for in the game folder
    EXPECT_TRUE(names(music_).empty());
    EXPECT_EQ(captions, (std::vector<std::string>{"Deleting PLANES.DAT", "Deleting RAID.MSN",
                                                  "Deleting Shot.JPG", "Deleting Theme.BGM"}));
    EXPECT_EQ(names(set).size(), 7u);
}

TEST_F(SetInstaller, UnloadingACampaignSetReturnsTheSavedCareersToIt) {
    const auto campaign = set("C-Battle of Britain", {"camp.dat", "Pilot1.sve"});
    write(savedata_ / "pilot1.SVE", "new career 1");
    write(savedata_ / "PILOT2.sve", "career 2");
    write(savedata_ / "notes.msn", "mission");
    write(game_ / "camp.dat", "x");

    const auto report = MoveOut(game_, campaign);

    EXPECT_TRUE(report.ok()) << problemsText(report);
    EXPECT_EQ(names(campaign), (std::vector<std::string>{"PILOT2.sve", "Pilot1.sve", "camp.dat"}));
    EXPECT_EQ(read(campaign / "Pilot1.sve"), "new career 1");
    EXPECT_EQ(names(savedata_), (std::vector<std::string>{"notes.msn"}));
    EXPECT_FALSE(exists(game_ / "camp.dat"));

    // A blank after the C counts too; a lower-case c is a convoy set and keeps its hands off the saves.
    write(savedata_ / "p3.sve", "career 3");
    EXPECT_TRUE(MoveOut(game_, set("C Desert", {"d.dat"})).ok());
    EXPECT_FALSE(exists(savedata_ / "p3.sve"));
    write(savedata_ / "p4.sve", "career 4");
    EXPECT_TRUE(MoveOut(game_, set("c-Convoys", {"convoy.dat"})).ok());
    EXPECT_TRUE(exists(savedata_ / "p4.sve"));
}

TEST_F(SetInstaller, ASaveThatCannotBeReturnedStaysInSavedata) {
    const auto campaign = set("C-Malta", {"camp.dat"});
    fs::create_directory(campaign / "PILOT1.SVE");
    write(savedata_ / "pilot1.sve", "career 1");
    write(savedata_ / "pilot2.sve", "career 2");

    const auto report = MoveOut(game_, campaign);

    ASSERT_EQ(report.problems.size(), 1u) << problemsText(report);
    EXPECT_EQ(read(savedata_ / "pilot1.sve"), "career 1");
    EXPECT_EQ(read(campaign / "pilot2.sve"), "career 2");
    EXPECT_FALSE(exists(savedata_ / "pilot2.sve"));
}

TEST_F(SetInstaller, NothingIsWrittenOrDeletedThroughALink) {
#if defined(_WIN32)
    GTEST_SKIP() << "making symbolic links needs administrator rights on Windows";
#endif
    const auto outside = dir_.folder("Elsewhere");
    write(outside / "real.dat", "keep me");
    write(outside / "raid.msn", "keep me");
    fs::create_symlink(outside / "real.dat", game_ / "planes.dat");
    const auto set = this->set("W-Linked", {"planes.dat", "raid.msn", "ok.dat"});

    const auto loaded = MoveIn(game_, set);
    ASSERT_EQ(loaded.problems.size(), 1u) << problemsText(loaded);
    EXPECT_EQ(loaded.problems[0].path, game_ / "planes.dat");
    EXPECT_TRUE(fs::is_symlink(game_ / "planes.dat"));
    EXPECT_EQ(read(outside / "real.dat"), "keep me");

    // "Savedata" itself a link: missions are neither copied into it nor deleted from it.
    fs::remove_all(savedata_);
    fs::create_directory_symlink(outside, game_ / "SAVEDATA");
    const auto unloaded = MoveOut(game_, set);
    EXPECT_EQ(unloaded.problems.size(), 2u) << problemsText(unloaded);
    EXPECT_TRUE(fs::is_symlink(game_ / "planes.dat"));
    EXPECT_EQ(read(outside / "real.dat"), "keep me");
    EXPECT_EQ(read(outside / "raid.msn"), "keep me");
    EXPECT_FALSE(exists(game_ / "ok.dat"));
    EXPECT_EQ(MoveIn(game_, set).problems.size(), 2u);
    EXPECT_EQ(read(outside / "raid.msn"), "keep me");
}

TEST_F(SetInstaller, TheGameFolderItselfIsNeverTreatedAsASet) {
    write(game_ / "planes.dat", "stock");
    EXPECT_TRUE(MoveIn(game_, game_).done.empty());
    EXPECT_TRUE(MoveOut(game_, game_ / ".").done.empty());
    EXPECT_EQ(read(game_ / "planes.dat"), "stock");

    const auto missing = MoveIn(game_, selector_ / "W-Gone");
    ASSERT_EQ(missing.problems.size(), 1u);
    EXPECT_EQ(missing.problems[0].path, selector_ / "W-Gone");
}
