#include "mission_fixture.h"

#include "sortie/core/mission_file.h"

#include <sstream>

using namespace sortie;
using namespace sortie::testing;

namespace {

class MissionFile : public MissionTest {};

TEST_F(MissionFile, InitialChoicesAreWrittenByteForByte) {
    std::ostringstream out;
    EXPECT_FALSE(writeMission(out, choices, kInitialSummary));
    EXPECT_EQ(out.str(), kInitialMissionFile);
}

TEST_F(MissionFile, GroundStartGroundAttackAndNoneAndRandomRoles) {
    choices = groundAttackChoices();
    const auto file = game() / "Savedata" / "SingMiss.mpf";
    const auto made = Make_mpf(file, snapshot());
    ASSERT_FALSE(made.problem) << made.problem->text();
    EXPECT_EQ(made.summary.summaryText, kGroundAttackSummary);
    EXPECT_EQ(slurp(file), kGroundAttackMissionFile);
}

TEST_F(MissionFile, EscortStillCarriesInterdictionTypeAndConvoySize) {
    choices.missionType = 0;
    choices.interdictionType = 0;
    choices.convoySize = 2;
    const auto lines = missionLines(choices);
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[3], " 0 ");
    EXPECT_EQ(lines[18], " 0 ");
    EXPECT_EQ(lines[19], " 2 ");
}

TEST_F(MissionFile, TheSummaryIsRebuiltFromTheChoicesNotTakenFromAnEarlierOne) {
    choices.targetAndBase[kTargoTarget] = "42";
    const auto file = game() / "mission.mpf";
    ASSERT_FALSE(Make_mpf(file, snapshot()).problem);
    EXPECT_NE(slurp(file).find("DETAILS:\r\nMy aircraft: Plane 9\r\n"), std::string::npos);
    EXPECT_NE(slurp(file).find("Target: Target 42\r\n\r\n"), std::string::npos);
}

TEST_F(MissionFile, FailuresAreReported) {
    std::ostringstream refusing;
    refusing.setstate(std::ios::badbit);
    EXPECT_TRUE(writeMission(refusing, choices, kInitialSummary));

    const auto missingFolder = Make_mpf(game() / "NoSuchFolder" / "SingMiss.mpf", snapshot());
    ASSERT_TRUE(missingFolder.problem);
    EXPECT_EQ(missingFolder.problem->path, game() / "NoSuchFolder" / "SingMiss.mpf");
}

} // namespace
