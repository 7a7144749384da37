#include "outfitter/core/selector_startup.h"

#include "temp_game_folder.h"

#include <gtest/gtest.h>

namespace outfitter {
namespace {

using testing::TempGameFolder;

TEST(SelectorStartup, EmptyGameFolderGetsExactlyTheFoldersAndFilesTheSelectorNeeds) {
    TempGameFolder game;
    const auto result = SelectorStartup::run(game.path());
    EXPECT_TRUE(result.problems.empty());
    EXPECT_EQ(game.entries(),
              (std::set<std::string>{"QIV128/", "QIV128/Autoscripts/", "QIV128/Skinfolder/", "QIV128/qiv.ini",
                                     "QIV128/FoldersLoaded.txt", "Savedata/", "Music/"}));
    EXPECT_EQ(game.read("QIV128/qiv.ini"), CategoryTable::defaultBytes());
    EXPECT_EQ(game.read("QIV128/FoldersLoaded.txt"), "");
    EXPECT_EQ(result.selectorFolder, game.path() / "QIV128");
    EXPECT_EQ(result.categories.size(), 27u);
    EXPECT_EQ(result.sets.size(), 0u);
}

TEST(SelectorStartup, FoldersAndFilesInAnyLetterCaseAreFoundAndNothingIsAdded) {
    TempGameFolder game;
    game.folder("qiv128/autoscripts");
    game.folder("qiv128/SKINFOLDER");
    game.folder("SaveData");
    game.folder("MUSIC");
    game.write("qiv128/QIV.INI", "Sets: W\r\n");
    game.write("qiv128/foldersloaded.txt", "w-one\r\nW-One\r\n\r\n");
    game.folder("qiv128/W-One");
    game.folder("qiv128/w-one");
    const auto before = game.entries();

    const auto result = SelectorStartup::run(game.path());
    EXPECT_EQ(game.entries(), before);
    EXPECT_EQ(result.selectorFolder, game.path() / "qiv128");
    // Only "W" is a category: "w-one" is no set, and its ledger line is reported.
    ASSERT_EQ(result.sets.size(), 1u);
    EXPECT_TRUE(result.sets.rows()[0].loaded);
    EXPECT_EQ(result.summary, (std::vector<std::string>{"w-one", "W-One"}));
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_NE(result.problems[0].reason.find("\"w-one\""), std::string::npos);
}

TEST(SelectorStartup, LedgerReplayMarksExistingSetsOnlyAndCopiesNothing) {
    TempGameFolder game;
    game.write("QIV128/W-Desert/desert.dat", "data");
    game.write("QIV128/W-Snow/snow.dat", "data");
    game.write("QIV128/N-Guns/guns.wav", "data");
    game.write("QIV128/FoldersLoaded.txt", "W-Snow\r\n\r\nW-Deleted\r\nN-Guns\r\n\r\n");
    game.folder("Savedata");
    game.folder("Music");
    const auto before = game.entries();

    const auto result = SelectorStartup::run(game.path());
    auto after = game.entries();
    after.erase("QIV128/qiv.ini");
    after.erase("QIV128/Autoscripts/");
    after.erase("QIV128/Skinfolder/");
    EXPECT_EQ(after, before);

    std::vector<std::string> loaded;
    for (const auto& row : result.sets.rows())
        if (row.loaded)
            loaded.push_back(row.name);
    EXPECT_EQ(loaded, (std::vector<std::string>{"W-Snow", "N-Guns"}));
    EXPECT_EQ(result.summary, (std::vector<std::string>{"W-Snow", "W-Deleted", "N-Guns"}));
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_NE(result.problems[0].reason.find("W-Deleted"), std::string::npos);
}

TEST(SelectorStartup, LaterPartsAreAskedThroughTheirSeams) {
    TempGameFolder game;
    game.write("EAW.INI", "Width=800\r\n");
    game.write("QIV128/FoldersLoaded.txt", "skin1\r\nP-Spit\r\n");
    std::vector<std::filesystem::path> iniReads;
    std::vector<std::string> skinsAsked;
    StartupSeams seams;
    seams.iniRead = [&](const std::filesystem::path& file) {
        iniReads.push_back(file);
        return common::Problems{{file, "reading", "settings trouble"}};
    };
    seams.markSkin = [&](const std::string& name) {
        skinsAsked.push_back(name);
        return name == "skin1";
    };
    seams.markPlaneSet = [](const std::string& name) { return name == "P-Spit"; };

    const auto result = SelectorStartup::run(game.path(), seams);
    EXPECT_TRUE(result.gameSettingsFound);
    EXPECT_EQ(iniReads, (std::vector<std::filesystem::path>{game.path() / "EAW.INI"}));
    EXPECT_EQ(skinsAsked, (std::vector<std::string>{"skin1", "P-Spit"}));
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(result.problems[0].reason, "settings trouble");
}

TEST(SelectorStartup, ProgramsPicturesAndMusicAreGathered) {
    TempGameFolder game;
    game.write("EAW.EXE");
    game.write("tool.exe");
    game.write("readme.txt");
    game.write("Background", "not really a picture");
    game.write("NEWPIC");
    game.folder("Music");
    game.folder("Swing");
    game.write("Music.ini", "Swing\r\nStock\r\n");

    const auto result = SelectorStartup::run(game.path());
    EXPECT_EQ(result.programs, (std::vector<std::string>{"EAW.EXE", "tool.exe"}));
    EXPECT_EQ(result.backgroundPicture, game.path() / "Background");
    EXPECT_EQ(result.newPicture, game.path() / "NEWPIC");
    EXPECT_EQ(result.music.available, (std::vector<std::string>{"Swing"}));
    EXPECT_EQ(result.music.current, "Stock");
    EXPECT_FALSE(result.gameSettingsFound);
}

TEST(SelectorStartup, AFileWhereAFolderBelongsIsReportedAndTheRestGoesOn) {
    TempGameFolder game;
    game.write("savedata", "a file, not a folder");
    game.write("QIV128/W-Set/x.dat");

    const auto result = SelectorStartup::run(game.path());
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(result.problems[0].path, game.path() / "savedata");
    EXPECT_EQ(result.sets.size(), 1u);
    EXPECT_EQ(game.read("savedata"), "a file, not a folder");
}

TEST(SelectorStartup, SelectorFolderThatCannotBeMadeStopsOnlyTheSelectorSteps) {
    TempGameFolder game;
    game.write("qiv128", "in the way");

    const auto result = SelectorStartup::run(game.path());
    EXPECT_TRUE(result.selectorFolder.empty());
    EXPECT_EQ(result.sets.size(), 0u);
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(game.entries(), (std::set<std::string>{"qiv128", "Savedata/", "Music/"}));
}

} // namespace
} // namespace outfitter
