#include "outfitter/core/category_table.h"

#include "temp_game_folder.h"

#include <gtest/gtest.h>

namespace outfitter {
namespace {

using testing::TempGameFolder;

// Typed out independently of the program, so a slip in either copy shows.
const std::string kDefaultQivIni =
    "Versions of the EAW.exe: E\r\nNon-Career Complete Sets: W\r\n"
    "Scenarios(No FM/skin etc): s\r\nCampaign/Career full sets: C\r\n"
    "Singlemission/Targets: Q\r\nFlight- and Damagemodels: F\r\nGunsights: O\r\n"
    "Bases: U\r\nSky and Horizon Sets: H\r\nCloudlayers: R\r\n"
    "Groundobject Sets: D\r\nTree Sets: i\r\nTerrain Sets: T\r\n"
    "Game Sounds(multiselection): N\r\nSpeech (multiselection): X\r\n"
    "Mainscreens: B\r\nScreen Sets: K\r\nAxis skins: g\r\nAllied skins: a\r\n"
    "Inflight map: M\r\nSkin Sets: S\r\nGraphics1 (multiselection): G\r\n"
    "Graphics2 (multiselection): Z\r\nLand Height(eaw16.hm): L\r\n"
    "Frontlines: J\r\nEAW.tm: V\r\nConvoy Files: c\r\n";

TEST(CategoryTable, MissingFileIsWrittenWithTheDefaultLinesAndRead) {
    TempGameFolder game;
    common::Problems problems;
    const auto table = CategoryTable::load(game.path(), problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(game.read("qiv.ini"), kDefaultQivIni);
    ASSERT_EQ(table.size(), 27u);
    EXPECT_EQ(table.categories()[0].description, "Versions of the EAW.exe");
    EXPECT_EQ(table.categories()[2].letter, "s");
    EXPECT_EQ(table.categories()[3].letter, "C");
    EXPECT_EQ(table.categories()[26].description, "Convoy Files");
    EXPECT_EQ(table.categories()[26].letter, "c");
}

TEST(CategoryTable, ExistingFileIsReadWhateverItsCaseAndNeverRewritten) {
    TempGameFolder game;
    const std::string own = "Mine: Y\nTheirs: P";
    game.write("QIV.INI", own);
    common::Problems problems;
    const auto table = CategoryTable::load(game.path(), problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(game.read("QIV.INI"), own);
    EXPECT_EQ(game.entries(), (std::set<std::string>{"QIV.INI"}));
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table.categories()[1].description, "Theirs");
    EXPECT_EQ(table.categories()[1].letter, "P");
}

TEST(CategoryTable, EmptyFileIsKeptAndReportedAsHoldingNoCategories) {
    TempGameFolder game;
    game.write("qiv.ini");
    common::Problems problems;
    const auto table = CategoryTable::load(game.path(), problems);
    EXPECT_EQ(table.size(), 0u);
    EXPECT_EQ(game.read("qiv.ini"), "");
    EXPECT_EQ(problems.size(), 1u);
}

TEST(CategoryTable, LetterIsTheLastCharacterAndDescriptionStopsAtTheFirstColon) {
    common::Problems problems;
    const auto table = CategoryTable::parse({"Maps: 1:2 M", "Blank letter: X "}, "qiv.ini", problems);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table.categories()[0].description, "Maps");
    EXPECT_EQ(table.categories()[0].letter, "M");
    EXPECT_EQ(table.categories()[1].letter, " ");
}

TEST(CategoryTable, UnusableLinesAreSkippedAndReportedWithoutShiftingThePairs) {
    common::Problems problems;
    const auto table = CategoryTable::parse({"First: A", "", "no colon here", "Second: B", ":", "Third: C"},
                                            "qiv.ini", problems);
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table.categories()[1].description, "Second");
    EXPECT_EQ(table.categories()[1].letter, "B");
    // ":" alone has a description (empty) and a letter (":"), so it is kept as the game would.
    EXPECT_EQ(table.categories()[2].letter, ":");
    EXPECT_EQ(table.categories()[3].description, "Third");
    EXPECT_EQ(table.categories()[3].letter, "C");
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_NE(problems[0].reason.find("line 2"), std::string::npos);
    EXPECT_NE(problems[1].reason.find("line 3"), std::string::npos);
}

TEST(CategoryTable, LinesAfterThe256thAreIgnoredAndReported) {
    std::vector<std::string> lines;
    for (int i = 0; i < 300; ++i)
        lines.push_back("Category " + std::to_string(i) + ": Q");
    common::Problems problems;
    const auto table = CategoryTable::parse(lines, "qiv.ini", problems);
    EXPECT_EQ(table.size(), 256u);
    EXPECT_EQ(table.categories().back().description, "Category 255");
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].reason.find("44"), std::string::npos);
}

TEST(CategoryTable, ListPositionsAndSelectionRules) {
    common::Problems problems;
    const auto table = CategoryTable::parse({"One: A", "Two: B"}, "qiv.ini", problems);
    EXPECT_FALSE(table.indexAtListPosition(0));
    EXPECT_FALSE(table.indexAtListPosition(1));
    EXPECT_EQ(table.indexAtListPosition(2), 0u);
    EXPECT_EQ(table.indexAtListPosition(3), 1u);
    EXPECT_FALSE(table.indexAtListPosition(4));

    for (const char* letter : {"G", "N", "X", "Y", "Z", "K"})
        EXPECT_TRUE(CategoryTable::isMultiselection(letter)) << letter;
    for (const char* letter : {"g", "n", "k", "W", "C", "P", "", "GN"})
        EXPECT_FALSE(CategoryTable::isMultiselection(letter)) << letter;
}

} // namespace
} // namespace outfitter
