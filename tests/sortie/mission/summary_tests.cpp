#include "mission_fixture.h"

#include "sortie/core/mission_summary.h"

using namespace sortie;
using namespace sortie::testing;

namespace {

class Summary : public MissionTest {};

TEST_F(Summary, InitialChoicesGiveEighteenLabelledLines) {
    const auto summary = ShowChoice(snapshot());
    EXPECT_EQ(summary.Label9, kInitialSummary);
    EXPECT_FALSE(summary.Frame3);
    EXPECT_FALSE(summary.Frame6);
}

TEST_F(Summary, GroundAttackAddsTheInterdictionLinesAndFramesAndOtherTypesRemoveThem) {
    choices = groundAttackChoices();
    const auto attack = ShowChoice(snapshot());
    EXPECT_EQ(attack.Label9, kGroundAttackSummary);
    EXPECT_TRUE(attack.Frame3);
    EXPECT_TRUE(attack.Frame6);

    choices.MT = 3;
    const auto intercept = ShowChoice(snapshot());
    EXPECT_FALSE(intercept.Frame3);
    EXPECT_FALSE(intercept.Frame6);
    EXPECT_EQ(intercept.Label9.find("Interdiction"), std::string::npos);
    EXPECT_NE(intercept.Label9.find("Mission type: Intercept\r\nWeather: Overcast\r\n"), std::string::npos);
}

TEST_F(Summary, NamesFollowTheCurrentIndicesSoAMapPickShowsAtOnce) {
    choices.Text6 = {"3", "4"};
    const auto summary = ShowChoice(snapshot());
    EXPECT_NE(summary.Label9.find("Home Base: Target 4\r\nTarget: Target 3\r\n"), std::string::npos);

    // An index outside the lists names nothing rather than reading past them.
    choices.Text6 = {"900", "-5"};
    choices.Text1[1] = "77";
    const auto outside = ShowChoice(snapshot());
    EXPECT_NE(outside.Label9.find("My support aircraft: \r\n"), std::string::npos);
    EXPECT_NE(outside.Label9.find("Home Base: \r\nTarget: \r\n"), std::string::npos);
}

TEST_F(Summary, PlaneCellsCarryEveryRoleMarkerInRoleOrder) {
    choices.Text1 = {"9", "9", "-1", "20"};
    const auto summary = ShowChoice(snapshot());
    EXPECT_EQ(summary.Label18[9], "Plane 9\rMy plane\rMy support planes");
    EXPECT_EQ(summary.Label18[20], "Plane 20\rEnemy #2  plane");
    EXPECT_EQ(summary.Label18[31], "Random"); // a "Random" role marks no cell
    EXPECT_EQ(summary.Label18[30], "None");
    EXPECT_EQ(summary.Label18[16], "Plane 16");

    choices.Text1 = {"0", "-2", "0", "0"};
    EXPECT_EQ(ShowChoice(snapshot()).Label18[0], "Plane 0\rMy plane\rEnemy #1 plane\rEnemy #2  plane");
}

TEST_F(Summary, ASecondBuildShowsItsOwnInterdictionTypes) {
    const auto second = makeOptionCatalog(sortiexSettings());
    choices.MT = 4;
    choices.IntType = 4;
    const auto summary = ShowChoice({choices, second, PList, TList});
    EXPECT_NE(summary.Label9.find("Interdiction Type: Warships\r\nInterdiction Size: Medium\r\n"),
              std::string::npos);
}

} // namespace
