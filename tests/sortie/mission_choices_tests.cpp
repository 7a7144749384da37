#include "sortie/core/mission_choices.h"
#include "sortie/core/option_catalog.h"
#include "sortie_test_files.h"

#include "common/text_file.h"

#include <gtest/gtest.h>

#include <sstream>

namespace sortie {
namespace {

const ChoiceLimits kLimits = makeOptionCatalog(sortieSettings()).limits(32, 200);

TEST(ChoicesFile, FreshChoicesWriteTheDefaultsInTwentyCrLfLines) {
    std::ostringstream out;
    writeChoices(out, MissionChoices{});
    EXPECT_EQ(out.str(),
              "9\r\n4\r\n10\r\n16\r\n19\r\n 255 \r\n95\r\n127\r\n"
              " 0 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 1 \r\n 1 \r\n");
    EXPECT_EQ(MissionChoices{}.nation, kBritish);
}

TEST(ChoicesFile, WrittenChoicesReadBackEqual) {
    testing::TempFolder folder;
    MissionChoices c;
    c.rolePlanes = {"3", "-2", "29", "-1"};
    c.aircraftCount = "12";
    c.targetAndBase = {"7", "0"};
    c.groundStart = true;
    c.timeOfDay = 4, c.weather = 4, c.missionType = 4, c.year = 3, c.enemySkill = 3, c.enemyAAA = 2,
    c.enemyActivity = 1, c.formationSize = 3, c.altitude = 2, c.friendlySkill = 1;
    c.interdictionType = 3, c.convoySize = 0;
    const auto file = folder.path() / "pevset.txt";
    ASSERT_FALSE(writeChoicesFile(file, c).has_value());
    const auto back = ReadLast(file, MissionChoices{}, kLimits);
    ASSERT_TRUE(back.ok());
    EXPECT_TRUE(back.value.notes.empty());
    c.nation = kUS;
    EXPECT_EQ(back.value.choices, c);
}

TEST(ChoicesFile, StartFlagZeroOrBelowMeansGroundStart) {
    const std::vector<std::pair<std::string, bool>> cases{
        {" 0 ", true}, {" 255 ", false}, {"-1", true}, {"no number", true}, {"0.9", true}, {" 1x", false}};
    for (const auto& [line, ground] : cases) {
        std::vector<std::string> lines = choicesLines(MissionChoices{});
        lines[5] = line;
        EXPECT_EQ(parseChoices(lines, MissionChoices{}, kLimits).choices.groundStart, ground) << line;
    }
}

TEST(ChoicesFile, NumbersAreReadLenientlyAndTextsKeptAsTheyStand) {
    std::vector<std::string> lines = choicesLines(MissionChoices{});
    lines[0] = " 20 ";   // Text1(0) keeps its blanks
    lines[8] = "  3abc"; // TOD
    lines[9] = "2.9";    // W: integer part
    lines[10] = "";      // MT: no number is 0
    const auto r = parseChoices(lines, MissionChoices{}, kLimits);
    EXPECT_TRUE(r.notes.empty());
    EXPECT_EQ(r.choices.rolePlanes[0], " 20 ");
    EXPECT_EQ(r.choices.nation, kGerman);
    EXPECT_EQ(r.choices.timeOfDay, 3);
    EXPECT_EQ(r.choices.weather, 2);
    EXPECT_EQ(r.choices.missionType, 0);
}

TEST(ChoicesFile, ShortFileAndValuesOutOfRangeKeepTheCurrentValuesAndSaySo) {
    MissionChoices current;
    current.year = 2;
    std::vector<std::string> lines = choicesLines(MissionChoices{});
    lines[0] = "31";   // Random is not allowed for the player's aircraft
    lines[2] = "40";   // beyond the aircraft list
    lines[1] = "13";   // more than 12 aircraft
    lines[7] = "200";  // beyond the 200 targets
    lines[8] = " 5 ";  // TOD has 0 to 4
    lines[10] = "-1 "; // MT
    lines.resize(11);  // lines 12 to 20 missing
    const auto r = parseChoices(lines, current, kLimits);
    EXPECT_EQ(r.choices.rolePlanes[0], "9");
    EXPECT_EQ(r.choices.rolePlanes[1], "10");
    EXPECT_EQ(r.choices.aircraftCount, "4");
    EXPECT_EQ(r.choices.targetAndBase[0], "127");
    EXPECT_EQ(r.choices.timeOfDay, 0);
    EXPECT_EQ(r.choices.missionType, 1);
    EXPECT_EQ(r.choices.year, 2);
    EXPECT_EQ(r.notes.size(), 7u);
    EXPECT_NE(r.notes.front().find("11 of 20 lines"), std::string::npos);
}

TEST(ChoicesFile, MissingFileIsAProblemAndChangesNothing) {
    testing::TempFolder folder;
    MissionChoices current;
    current.missionType = 3;
    const auto r = ReadLast(folder.path() / "pevset.txt", current, kLimits);
    EXPECT_TRUE(r.problem.has_value());
    EXPECT_EQ(r.value.choices, current);
}

TEST(Nation, FollowsThePlayersAircraftIndex) {
    EXPECT_EQ(nationForPlane(0), kUS);
    EXPECT_EQ(nationForPlane(8), kUS);
    EXPECT_EQ(nationForPlane(9), kBritish);
    EXPECT_EQ(nationForPlane(15), kBritish);
    EXPECT_EQ(nationForPlane(16), kGerman);
    EXPECT_EQ(nationForPlane(29), kGerman);
}

} // namespace
} // namespace sortie
