// Undo and redo through every kind of choice on the demo game: each step back shows the mission,
// its names, summary, cell markers, map places and loadout exactly as they were before.
#include "make_demo_game/demo_game.h"
#include "sortie_test_files.h"

#include "sortie/core/mission_builder.h"

#include <gtest/gtest.h>

namespace sortie {
namespace {

// Everything a choice can change that the window shows.
struct Seen {
    MissionChoices choices;
    MissionSummary summary;
    std::array<std::string, kRoleCount> roleNames;
    std::array<std::string, 2> placeNames;
    std::vector<std::tuple<int, long, long, std::string>> rings;
    std::string loadoutRecord;

    bool operator==(const Seen& o) const {
        return choices == o.choices && summary.summaryText == o.summary.summaryText &&
               summary.cellCaptions == o.summary.cellCaptions && roleNames == o.roleNames &&
               placeNames == o.placeNames && rings == o.rings && loadoutRecord == o.loadoutRecord;
    }
};

Seen seen(const MissionBuilder& b) {
    Seen s{b.choices(), b.mission().summary(), b.mission().roleAircraftNames(), b.mission().placeNames(), {},
           {}};
    for (const ChosenPlace& p : b.map().chosenPlaces())
        s.rings.emplace_back(p.which, p.mapX, p.mapY, p.name);
    s.loadoutRecord = b.loadout().catalogue().chosenRecordPosition();
    return s;
}

class ChoiceHistoryTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(demo::writeDemoGame(game.path()).ok()); }
    testing::TempFolder game;
};

TEST_F(ChoiceHistoryTest, EveryKindOfChangeIsUndoneAndRedoneExactly) {
    MissionBuilder b(game.path(), sortieSettings());
    b.start();
    ASSERT_TRUE(b.map().build());
    EXPECT_FALSE(b.mission().history().canUndo()) << "start-up is no step";
    std::vector<Seen> states{seen(b)};
    const auto step = [&](auto action) {
        action();
        states.push_back(seen(b));
    };
    const auto& targets = b.mission().lists().targetNames;
    // Airfields whose markers the pointer finds on the map (no later record beside them).
    std::vector<std::size_t> airfields;
    for (std::size_t k = 0; k < targets.size(); ++k) {
        const MapMarker& m = b.map().theatreMap().markers()[k];
        if (!b.mission().lists().targets.records[k].isAirfield() || !m.onPicture)
            continue;
        b.map().hover(static_cast<double>(m.mapX), static_cast<double>(m.mapY), false);
        if (b.map().theatreMap().hoveredRow() == static_cast<int>(k) + 1)
            airfields.push_back(k);
    }
    ASSERT_GE(airfields.size(), 2u);

    step([&] {
        b.board().hover(9300, 886.0 + 400); // the year's row
        b.board().releaseOnBoard(MouseButton::Left, false);
    });
    step([&] { // typing "1" then "12" is one step
        EXPECT_TRUE(b.board().setAircraftCount("1"));
        EXPECT_TRUE(b.board().setAircraftCount("12"));
        b.mission().endTyping();
    });
    EXPECT_EQ(b.mission().history().undoLabel(), "Number of aircraft = 12");
    step([&] { EXPECT_TRUE(b.board().setRolePlane(2, "20")); });
    step([&] { b.board().releaseOnCell(MouseButton::Left, 3); }); // the aircraft and the next role
    step([&] { b.board().releaseOnCell(MouseButton::Right, 3); });
    step([&] { b.board().choosePlane(5); });
    step([&] { b.board().selectNation(kGerman); });
    step([&] { b.board().selectOption(Group::W, 4); });
    step([&] { b.board().setGroundStart(true); });
    step([&] { b.map().selectPick(kTargoTarget); });
    step([&] { b.map().chooseTarget(7); });
    EXPECT_EQ(b.mission().history().undoLabel(), "Target = " + targets[7]);
    step([&] { EXPECT_TRUE(b.map().setPlaceRecord(kTargoHomeBase, std::to_string(airfields[0]))); });
    step([&] { b.map().selectPick(kTargoHomeBase); });
    step([&] {
        const MapMarker& m = b.map().theatreMap().markers()[airfields[1]];
        b.map().hover(static_cast<double>(m.mapX), static_cast<double>(m.mapY), false);
        b.map().click();
        EXPECT_EQ(b.choices().targetAndBase[kTargoHomeBase], std::to_string(airfields[1]));
    });
    b.loadout().list();
    step([&] { b.loadout().choose(8); });
    ASSERT_FALSE(b.loadout().catalogue().chosenRecordPosition().empty());
    ASSERT_TRUE(b.saveLoad().save("history"));
    step([&] { b.board().selectOption(Group::YR, 3); });
    step([&] {
        b.saveLoad().select("history.mpf");
        ASSERT_TRUE(b.saveLoad().load());
    });
    step([&] { ASSERT_TRUE(b.surprise(42)); });
    EXPECT_EQ(b.mission().history().undoLabel(), "Surprise me (seed 42)");

    const auto& history = b.mission().history();
    ASSERT_EQ(history.undoCount(), states.size() - 1);
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(b.undo());
        EXPECT_EQ(seen(b), states[i - 1]) << "undo to state " << i - 1;
    }
    EXPECT_FALSE(b.undo());
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(b.redo());
        EXPECT_EQ(seen(b), states[i]) << "redo to state " << i;
    }
    EXPECT_FALSE(b.redo());

    // Writing files is not a choice: the redo steps survive it. A new choice drops them.
    ASSERT_TRUE(b.undo());
    ASSERT_TRUE(b.saveLoad().save("written"));
    b.loadout().write(8);
    EXPECT_TRUE(history.canRedo());
    b.board().selectOption(Group::TOD, 2);
    EXPECT_FALSE(history.canRedo());
}

TEST_F(ChoiceHistoryTest, HistoryReachesBackMoreThanAHundredStepsAndTypingBackIsNoStep) {
    MissionBuilder b(game.path(), sortieSettings());
    b.start();
    const MissionChoices start = b.choices();
    for (int i = 0; i < 150; ++i)
        b.board().selectOption(Group::TOD, i % 4 + 1);
    EXPECT_EQ(b.mission().history().undoCount(), 150u);
    while (b.undo()) {
    }
    EXPECT_EQ(b.choices(), start);

    b.board().setAircraftCount("7");
    b.board().setAircraftCount(start.aircraftCount);
    EXPECT_FALSE(b.mission().history().canUndo());
}

} // namespace
} // namespace sortie
