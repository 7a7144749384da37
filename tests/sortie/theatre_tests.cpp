#include "sortie/theatre/name_lists.h"
#include "sortie/theatre/target_grid.h"
#include "sortie_test_files.h"

#include <gtest/gtest.h>

namespace sortie {
namespace {

using testing::Record;
using testing::stringTableBytes;
using testing::targetsBytes;
using testing::TempFolder;
using testing::writeFile;

DataLocator locatorFor(const std::filesystem::path& game) {
    return DataLocator(game, sortieSettings());
}

TEST(TargetTable, EntryRowAndRecordNameTheSameRecordWhateverTheHeaderSays) {
    TempFolder game;
    writeFile(game.path() / "tarnames.str", stringTableBytes({"Dover", "Calais", "Manston", "Lille"}));
    std::vector<Record> records;
    for (unsigned k = 0; k < 12; ++k)
        records.push_back({3 - k % 4, static_cast<std::uint8_t>(k == 5 ? 64 : 0), 0});
    writeFile(game.path() / "targets.dat", targetsBytes(10, records)); // header says 10, file holds 12

    const TheatreNames names = LoadNameLists(locatorFor(game.path()));
    ASSERT_EQ(names.targetNames.size(), 12u);
    EXPECT_EQ(names.targets.headerCount, 10u);
    const TargetGrid grid = TargDat(names.targets, names.targetNames);
    ASSERT_EQ(grid.rows.size(), 12u);
    const std::vector<std::string> expected{"Lille", "Manston", "Calais", "Dover"};
    for (std::size_t k = 0; k < 12; ++k) {
        EXPECT_EQ(names.targetNames[k], expected[k % 4]) << "record " << k;
        EXPECT_EQ(grid.rows[k][0], std::to_string(k));
        EXPECT_EQ(grid.rows[k][kTgNameColumn], names.targetNames[k]);
        EXPECT_EQ(grid.rows[k][17], std::to_string(3 - k % 4)); // "TstrL"
    }
    EXPECT_TRUE(names.targets.records[5].isAirfield());
    EXPECT_EQ(grid.rows[5][kTgCheckColumn], "64");
    EXPECT_FALSE(names.targets.records[4].isAirfield());
}

TEST(TargetTable, HeaderOnlyFileGivesNoNamesAndAGridOfHeadingsWithItsWidths) {
    const auto table = decodeTargets(std::string(4, '\0'));
    EXPECT_TRUE(table.ok());
    EXPECT_TRUE(table.value.records.empty());
    const TargetGrid grid = TargDat(table.value, {});
    EXPECT_TRUE(grid.rows.empty());
    EXPECT_EQ(grid.headings[0], "targets.dat");
    EXPECT_EQ(grid.headings[1], "X1");
    EXPECT_EQ(grid.headings[8], "Y4");
    EXPECT_EQ(grid.headings[19], "Check");
    EXPECT_EQ(grid.headings[20], "#Recs");
    EXPECT_EQ(grid.headings[26], "BaseH");
    EXPECT_EQ(grid.headings[33], "");
    for (int c = 1; c < kTgColumns; ++c) {
        const int expected = c == 19 || c == 25 ? 720 : c == 33 ? 2000 : c >= 34 ? 480 : 0;
        EXPECT_EQ(grid.widthsTwips[static_cast<std::size_t>(c)], expected) << "column " << c;
    }
}

TEST(TargetTable, RecordCutShortKeepsItsPlaceAndIsReported) {
    std::string bytes = targetsBytes(2, {{1, 64, 0}, {0, 0, 0}});
    bytes.resize(4 + 32 + 10); // the second record stops before its name index
    const auto table = decodeTargets(bytes);
    ASSERT_TRUE(table.problem.has_value());
    EXPECT_NE(table.problem->reason.find("record 1 is cut short (10 of 32 bytes)"), std::string::npos);
    ASSERT_EQ(table.value.records.size(), 2u);
    const auto names = TargList(table.value, {"A", "B"});
    EXPECT_EQ(names.value, (std::vector<std::string>{"B", ""}));
    EXPECT_TRUE(names.problem.has_value());
    const TargetGrid grid = TargDat(table.value, names.value);
    EXPECT_EQ(grid.rows[1][10], "0");
    EXPECT_EQ(grid.rows[1][11], ""); // byte 10 is beyond the file
}

TEST(TargetTable, NameIndexBeyondTheNamesGivesAnEmptyNameAndAProblem) {
    const auto table = decodeTargets(targetsBytes(3, {{0, 0, 0}, {40000, 0, 0}, {1, 0, 0}}));
    const auto names = TargList(table.value, {"A", "B"});
    EXPECT_EQ(names.value, (std::vector<std::string>{"A", "", "B"}));
    ASSERT_TRUE(names.problem.has_value());
    EXPECT_NE(names.problem->reason.find("first: record 1"), std::string::npos);
}

TEST(StringTables, SingleStringAndZeroBytesInsideARunAreKept) {
    TempFolder game;
    writeFile(game.path() / "one.str", stringTableBytes({"Spitfire"}));
    EXPECT_EQ(StrToList(locatorFor(game.path()), "one.str").value, (std::vector<std::string>{"Spitfire"}));

    const std::string withZero("Me\0"
                               "109",
                               6);
    writeFile(game.path() / "zero.str", stringTableBytes({withZero, "", "x"}));
    const auto list = StrToList(locatorFor(game.path()), "zero.str");
    EXPECT_TRUE(list.ok());
    EXPECT_EQ(list.value, (std::vector<std::string>{withZero, "", "x"}));

    const auto array = StrToArray(locatorFor(game.path()), "zero.str");
    EXPECT_EQ(array.value, (std::vector<std::string>{"", withZero, "", "x"}));
}

TEST(StringTables, OffsetsAndCountsAboveThe16BitSignedRangeReadBack) {
    // 9000 names of three bytes: offsets run past 32767 up to 36000.
    std::vector<std::string> names(9000, "ab");
    names.back() = "last";
    TempFolder game;
    writeFile(game.path() / "big.str", stringTableBytes(names));
    const auto list = StrToList(locatorFor(game.path()), "big.str");
    EXPECT_TRUE(list.ok());
    ASSERT_EQ(list.value.size(), 9000u);
    EXPECT_EQ(list.value.back(), "last");
}

TEST(DataFiles, GameFolderFirstThenBuilderFolderWhateverTheLetterCase) {
    TempFolder game;
    writeFile(game.path() / "PEV" / "pnames.str", stringTableBytes({"From builder"}));
    const DataLocator data = locatorFor(game.path());
    EXPECT_EQ(StrToList(data, "pnames.str").value, (std::vector<std::string>{"From builder"}));
    writeFile(game.path() / "PNAMES.STR", stringTableBytes({"From game"}));
    EXPECT_EQ(StrToList(data, "pnames.str").value, (std::vector<std::string>{"From game"}));
}

TEST(DataFiles, MissingFilesAreReportedAndTheListsStillHaveTheirShape) {
    TempFolder game;
    const TheatreNames names = LoadNameLists(locatorFor(game.path()));
    EXPECT_EQ(names.problems.size(), 3u); // tarnames.str, targets.dat, pnames.str
    EXPECT_TRUE(names.targetNames.empty());
    ASSERT_EQ(names.aircraftNames.size(), 32u);
    EXPECT_EQ(names.aircraftNames[30], "None");
    EXPECT_EQ(names.aircraftNames[31], "Random");
}

TEST(DataFiles, AircraftListOfAnotherLengthIsReportedAndKeepsNoneAndRandomAt30And31) {
    TempFolder game;
    writeFile(game.path() / "pnames.str", stringTableBytes({"A", "B", "C"}));
    const TheatreNames names = LoadNameLists(locatorFor(game.path()));
    ASSERT_EQ(names.aircraftNames.size(), 32u);
    EXPECT_EQ(names.aircraftNames[2], "C");
    EXPECT_EQ(names.aircraftNames[3], "");
    EXPECT_EQ(names.aircraftNames[30], "None");
    bool reported = false;
    for (const auto& p : names.problems)
        reported = reported || p.reason.find("holds 3 names instead of 30") != std::string::npos;
    EXPECT_TRUE(reported);
}

TEST(DataFiles, TruncatedStringTableKeepsTheNamesBeforeTheBreak) {
    TempFolder game;
    std::string bytes = stringTableBytes({"Alpha", "Bravo", "Charlie"});
    bytes.resize(bytes.size() - 4);
    writeFile(game.path() / "tarnames.str", bytes);
    writeFile(game.path() / "targets.dat", targetsBytes(3, {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}}));
    const TheatreNames names = LoadNameLists(locatorFor(game.path()));
    EXPECT_EQ(names.targetNames, (std::vector<std::string>{"Alpha", "Bravo", ""}));
    EXPECT_GE(names.problems.size(), 2u);
}

TEST(DataFiles, ScenarioBuildReadsOnlyTheChosenScenario) {
    TempFolder game;
    writeFile(game.path() / "pnames.str", stringTableBytes({"Game"}));
    EXPECT_FALSE(DataLocator(game.path(), sortiexSettings()).locate("pnames.str").ok());
    writeFile(game.path() / "s1" / "Pnames.str", stringTableBytes({"Scenario"}));
    const DataLocator data(game.path(), sortiexSettings(), game.path() / "s1");
    EXPECT_EQ(StrToList(data, "pnames.str").value, (std::vector<std::string>{"Scenario"}));
}

} // namespace
} // namespace sortie
