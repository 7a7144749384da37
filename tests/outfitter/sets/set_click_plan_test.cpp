#include "outfitter/sets/set_click_plan.h"

#include <gtest/gtest.h>

using namespace outfitter;
using Kind = SetClickStep::Kind;
using Steps = std::vector<SetClickStep>;

namespace {

const std::vector<SetClickRow> kRows{
    {"W-Summer", true},   // 0
    {"W-Winter", false},  // 1
    {"G-Clouds", true},   // 2
    {"G-Water", false},   // 3
    {"C-Britain", true},  // 4
    {"C Desert", false},  // 5
    {"c-Convoys", false}, // 6
    {"W-Spring", true},   // 7, a second W mark only an edited ledger can make
    {"C-Malta", true},    // 8, likewise
};

} // namespace

TEST(SetClickPlan, AOneAtATimeSetMakesTheLastLoadedSetOfItsLetterWayFirst) {
    EXPECT_EQ(planSetClick(kRows, 1, true),
              (Steps{{Kind::Unmark, 7}, {Kind::MoveOut, 7}, {Kind::MoveIn, 1}, {Kind::Mark, 1}}));
    // Several-at-a-time letters stand together.
    EXPECT_EQ(planSetClick(kRows, 3, true), (Steps{{Kind::MoveIn, 3}, {Kind::Mark, 3}}));
    EXPECT_TRUE(allowsSeveralLoaded('K') && allowsSeveralLoaded('Y') && !allowsSeveralLoaded('g'));
    // Letters are case-sensitive: a convoy set does not unload a campaign.
    EXPECT_EQ(planSetClick(kRows, 6, true), (Steps{{Kind::MoveIn, 6}, {Kind::Mark, 6}}));
    // A loaded set is unloaded.
    EXPECT_EQ(planSetClick(kRows, 0, true), (Steps{{Kind::Unmark, 0}, {Kind::MoveOut, 0}}));
}

TEST(SetClickPlan, ACampaignMakesTheFirstLoadedCampaignWayFirst) {
    EXPECT_EQ(planSetClick(kRows, 5, true),
              (Steps{{Kind::Unmark, 4}, {Kind::MoveOut, 4}, {Kind::Mark, 5}, {Kind::MoveIn, 5}}));
    EXPECT_EQ(planSetClick(kRows, 8, true), (Steps{{Kind::Unmark, 8}, {Kind::MoveOut, 8}}));
}

TEST(SetClickPlan, DuringTheLedgerReplayOnlyTheClickedRowsMarkChanges) {
    EXPECT_EQ(planSetClick(kRows, 3, false), (Steps{{Kind::Mark, 3}}));
    EXPECT_EQ(planSetClick(kRows, 8, false), (Steps{{Kind::Unmark, 8}}));
    EXPECT_EQ(planSetClick(kRows, 0, false), (Steps{{Kind::Unmark, 0}}));
    // An edited ledger naming two sets of a one-at-a-time category keeps both marked.
    EXPECT_EQ(planSetClick(kRows, 1, false), (Steps{{Kind::Mark, 1}}));
    EXPECT_EQ(planSetClick(kRows, 5, false), (Steps{{Kind::Mark, 5}}));
    EXPECT_TRUE(planSetClick(kRows, kRows.size(), true).empty());
}
