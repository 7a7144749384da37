#include "outfitter/sets/clean_up.h"

#include "game_fixture.h"

#include <gtest/gtest.h>

using namespace outfitter;
namespace fs = std::filesystem;

namespace {

class CleanUpGame : public test_support::GameFixture {
  protected:
    CleanUpGame() {
        for (const char* name : {"planes.dat", "hof.dat", "chatline.txt", "Pilot.BMP", "sky.bmp", "eaw.exe",
                                 "Theme.bgm", "readme.TXT", "MYPIC", "dsg.ico", "Extra.spt", "eaw.ini"})
            write(game_ / name, name);
        write(savedata_ / "raid.msn", "x");
        write(savedata_ / "pilot.sve", "x");
        write(music_ / "theme.bgm", "x");
    }
};

} // namespace

TEST_F(CleanUpGame, TheBuiltInListDeletesSetFilesAndKeepsProtectedNamesExecutablesAndSubfolders) {
#if defined(_WIN32)
    GTEST_SKIP() << "making symbolic links needs administrator rights on Windows";
#endif
    fs::create_directory(game_ / "maps.dat");
    write(dir_.path() / "elsewhere.dat", "keep me");
    fs::create_symlink(dir_.path() / "elsewhere.dat", game_ / "linked.dat");
    std::vector<FileWorkProgress> steps;

    const auto report =
        CleanUp(game_, selector_, [&](const FileWorkProgress& step) { steps.push_back(step); });

    EXPECT_EQ(names(game_), (std::vector<std::string>{"Extra.spt", "MUSIC", "QIV128", "SaveData",
                                                      "chatline.txt", "dsg.ico", "eaw.exe", "eaw.ini",
                                                      "hof.dat", "linked.dat", "maps.dat", "sky.bmp"}));
    EXPECT_EQ(names(savedata_), (std::vector<std::string>{"pilot.sve", "raid.msn"}));
    EXPECT_EQ(names(music_), (std::vector<std::string>{"theme.bgm"}));
    EXPECT_EQ(read(dir_.path() / "elsewhere.dat"), "keep me");
    ASSERT_EQ(report.problems.size(), 1u); // the link is named, not silently passed over
    EXPECT_EQ(report.problems[0].path, game_ / "linked.dat");
    EXPECT_EQ(report.done.size(), 5u);
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.front().caption, "Please wait... cleaning up");
    EXPECT_DOUBLE_EQ(steps.back().fraction, 1.0);
}

TEST_F(CleanUpGame, CleanUpIniFirstLineReplacesTheListAndAnEmptyOneDeletesNothing) {
    write(selector_ / "cleanup.INI", "*.dat\r\n*.txt\r\n");
    EXPECT_TRUE(CleanUp(game_, selector_).ok());
    EXPECT_FALSE(exists(game_ / "planes.dat"));
    EXPECT_TRUE(exists(game_ / "hof.dat"));
    EXPECT_TRUE(exists(game_ / "readme.TXT"));
    EXPECT_TRUE(exists(game_ / "Pilot.BMP"));

    const auto before = names(game_);
    for (const char* ini : {"\r\n*.*\r\n", "", " ; ;\r\n"}) {
        write(selector_ / "cleanup.INI", ini);
        const auto report = CleanUp(game_, selector_);
        EXPECT_TRUE(report.done.empty() && report.ok()) << '"' << ini << '"';
        EXPECT_EQ(names(game_), before);
    }
}

TEST_F(CleanUpGame, AFileThatCannotBeDeletedIsReportedAndTheRestAreDeleted) {
    bool vanished = false;
    const auto report = CleanUp(game_, selector_, [&](const FileWorkProgress&) {
        if (!vanished)
            vanished = fs::remove(game_ / "MYPIC"); // taken away behind the clean-up's back
    });
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0].path, game_ / "MYPIC");
    EXPECT_EQ(report.problems[0].reason, "No such file or directory");
    EXPECT_FALSE(exists(game_ / "planes.dat") || exists(game_ / "readme.TXT") || exists(game_ / "Theme.bgm"));
}

TEST_F(CleanUpGame, ResetAllEmptiesTheLedgerAndPutsTheStockGameProgramBack) {
    write(selector_ / "FoldersLoaded.txt", "E-Patched\r\n\r\n");
    write(game_ / "eaw.exe", "patched");
    fs::rename(game_ / "eaw.exe", game_ / "EAW.EXE");

    auto report = resetAllFiles(game_, selector_);
    EXPECT_TRUE(report.ok());
    EXPECT_EQ(read(selector_ / "FoldersLoaded.txt"), "");
    EXPECT_EQ(read(game_ / "EAW.EXE"), "patched"); // no stock copy kept: left as it is

    write(selector_ / "Eaw.exe", "stock");
    report = resetAllFiles(game_, selector_);
    EXPECT_TRUE(report.ok());
    EXPECT_EQ(read(game_ / "EAW.EXE"), "stock");
    EXPECT_FALSE(exists(game_ / "eaw.exe") && !fs::equivalent(game_ / "eaw.exe", game_ / "EAW.EXE"));
#if defined(_WIN32) // the copy may name the file as asked; Windows finds it under either spelling
    EXPECT_TRUE(fs::equivalent(report.done.back(), game_ / "EAW.EXE"));
#else
    EXPECT_EQ(report.done.back(), game_ / "EAW.EXE");
#endif
}
