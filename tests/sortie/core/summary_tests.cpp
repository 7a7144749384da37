#include "mission_fixture.h"

#include "sortie/core/mission_summary.h"

using namespace sortie;
using namespace sortie::testing;

namespace {

class Summary : public MissionTest {};

TEST_F(Summary, InitialChoicesGiveEighteenLabelledLines) {
    const auto summary = ShowChoice(snapshot());
    EXPECT_EQ(summary.summaryText, kInitialSummary);
    EXPECT_FALSE(summary.interdictionTypeShown);
    EXPECT_FALSE(summary.convoySizeShown);
}

TEST_F(Summary, GroundAttackAddsTheInterdictionLinesAndFramesAndOtherTypesRemoveThem) {
    choices = groundAttackChoices();
    const auto attack = ShowChoice(snapshot());
    EXPECT_EQ(attack.summaryText, kGroundAttackSummary);
    EXPECT_TRUE(attack.interdictionTypeShown);
    EXPECT_TRUE(attack.convoySizeShown);

    choices.missionType = 3;
    const auto intercept = ShowChoice(snapshot());
    EXPECT_FALSE(intercept.interdictionTypeShown);
    EXPECT_FALSE(intercept.convoySizeShown);
    EXPECT_EQ(intercept.summaryText.find("Interdiction"), std::string::npos);
    EXPECT_NE(intercept.summaryText.find("Mission type: Intercept\r\nWeather: Overcast\r\n"),
              std::string::npos);
}

TEST_F(Summary, NamesFollowTheCurrentIndicesSoAMapPickShowsAtOnce) {
    choices.targetAndBase = {"3", "4"};
    const auto summary = ShowChoice(snapshot());
    EXPECT_NE(summary.summaryText.find("Home Base: Target 4\r\nTarget: Target 3\r\n"), std::string::npos);

    // An index outside the lists names nothing rather than reading past them.
    choices.targetAndBase = {"900", "-5"};
    choices.rolePlanes[1] = "77";
    const auto outside = ShowChoice(snapshot());
    EXPECT_NE(outside.summaryText.find("My support aircraft: \r\n"), std::string::npos);
    EXPECT_NE(outside.summaryText.find("Home Base: \r\nTarget: \r\n"), std::string::npos);
}

TEST_F(Summary, PlaneCellsCarryEveryRoleMarkerInRoleOrder) {
    choices.rolePlanes = {"9", "9", "-1", "20"};
    const auto summary = ShowChoice(snapshot());
    EXPECT_EQ(summary.cellCaptions[9], "Plane 9\rMy plane\rMy support planes");
    EXPECT_EQ(summary.cellCaptions[20], "Plane 20\rEnemy #2  plane");
    EXPECT_EQ(summary.cellCaptions[31], "Random"); // a "Random" role marks no cell
    EXPECT_EQ(summary.cellCaptions[30], "None");
    EXPECT_EQ(summary.cellCaptions[16], "Plane 16");

    choices.rolePlanes = {"0", "-2", "0", "0"};
    EXPECT_EQ(ShowChoice(snapshot()).cellCaptions[0], "Plane 0\rMy plane\rEnemy #1 plane\rEnemy #2  plane");
}

TEST_F(Summary, ASecondBuildShowsItsOwnInterdictionTypes) {
    const auto second = makeOptionCatalog(sortiexSettings());
    choices.missionType = 4;
    choices.interdictionType = 4;
    const auto summary = ShowChoice({choices, second, PList, TList});
    EXPECT_NE(summary.summaryText.find("Interdiction Type: Warships\r\nInterdiction Size: Medium\r\n"),
              std::string::npos);
}

} // namespace
