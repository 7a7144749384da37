#include "sortie/core/mission_builder.h"
#include "sortie_test_files.h"

#include <gtest/gtest.h>

namespace sortie {
namespace {

class MissionBuilderTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::makeGameFolder(game.path()); }
    MissionBuilder started() {
        MissionBuilder b(game.path(), sortieSettings());
        b.start();
        return b;
    }
    // Hover over option row `row`, then release `button` there.
    static void clickRow(MissionBuilder& b, int row, MouseButton button = MouseButton::Left) {
        b.board().hover(9300, 886.0 * row + 400);
        b.board().releaseOnBoard(button, false);
    }
    testing::TempFolder game;
};

TEST_F(MissionBuilderTest, FreshStartShowsTheDefaultsAndNoMessages) {
    MissionBuilder b = started();
    EXPECT_TRUE(b.messages().empty()) << b.messages().front();
    EXPECT_EQ(b.choices(), MissionChoices{});
    EXPECT_EQ(b.mission().nationText(), "1");
    EXPECT_EQ(b.mission().roleAircraftNames()[0], "Plane 9");
    EXPECT_EQ(b.mission().roleAircraftNames()[3], "Plane 19");
    EXPECT_EQ(b.mission().placeNames()[0], "Target 127");
    EXPECT_EQ(b.mission().placeNames()[1], "Target 95");
    EXPECT_EQ(b.mission().lists().targetGrid.rows[127][kTgNameColumn], "Target 127");
    EXPECT_EQ(b.board().pictures()[11], "pic11.bmp");
    EXPECT_EQ(b.mission().lists().weaponNames, (std::vector<std::string>{"", "Gun", "Bomb"}));
    EXPECT_FALSE(b.mission().summary().interdictionTypeShown);
}

TEST_F(MissionBuilderTest, StoredChoicesRestoreAtStartUp) {
    testing::writeFile(game.path() / "PEV" / "pevset.txt",
                       "20\r\n 7 \r\n-2\r\n3\r\n-1\r\n-1\r\n10\r\n12\r\n"
                       "4\r\n4\r\n4\r\n3\r\n1\r\n2\r\n3\r\n1\r\n2\r\n3\r\n0\r\n2\r\n");
    MissionBuilder b = started();
    EXPECT_TRUE(b.messages().empty());
    const MissionChoices& c = b.choices();
    EXPECT_EQ(c.rolePlanes, (std::array<std::string, 4>{"20", "-2", "3", "-1"}));
    EXPECT_EQ(c.aircraftCount, " 7 ");
    EXPECT_TRUE(c.groundStart);
    EXPECT_EQ(c.targetAndBase, (std::array<std::string, 2>{"12", "10"}));
    EXPECT_EQ(c.weather, 4);
    EXPECT_EQ(c.missionType, 4);
    EXPECT_EQ(c.convoySize, 2);
    EXPECT_EQ(b.mission().nationText(), "0");
    EXPECT_EQ(b.mission().roleAircraftNames()[1], "None");
    EXPECT_EQ(b.mission().roleAircraftNames()[3], "Random");
    EXPECT_EQ(b.mission().placeNames()[0], "Target 12");
    EXPECT_TRUE(b.mission().summary().interdictionTypeShown);
}

TEST_F(MissionBuilderTest, MissingFilesAndFoldersAreReportedAndTheDefaultsStay) {
    std::filesystem::remove_all(game.path() / "PEV");
    std::filesystem::remove(game.path() / "targets.dat");
    MissionBuilder b = started();
    EXPECT_EQ(b.choices(), MissionChoices{});
    EXPECT_GE(b.messages().size(), 4u); // builder folder, saved missions, targets.dat, PevPic.txt
    EXPECT_EQ(b.mission().placeNames()[0], "");
    EXPECT_TRUE(b.board().PicShow(3).empty());
}

TEST_F(MissionBuilderTest, BoardClicksChangeTheRowLastHovered) {
    MissionBuilder b = started();
    b.board().releaseOnBoard(MouseButton::Left, false); // nothing hovered yet: row 0
    EXPECT_EQ(b.choices().aircraftCount, "5");
    clickRow(b, 0, MouseButton::Right);
    EXPECT_EQ(b.choices().aircraftCount, "4");
    for (int i = 0; i < 8; ++i)
        clickRow(b, 0, MouseButton::Left);
    EXPECT_EQ(b.choices().aircraftCount, "12");
    clickRow(b, 0, MouseButton::Left);
    EXPECT_EQ(b.choices().aircraftCount, "1");
    clickRow(b, 0, MouseButton::Right);
    EXPECT_EQ(b.choices().aircraftCount, "12");
    clickRow(b, 0, MouseButton::Middle);
    EXPECT_EQ(b.choices().aircraftCount, "12");

    b.board().selectOption(Group::MT, 4);
    EXPECT_TRUE(b.mission().summary().interdictionTypeShown);
    clickRow(b, 4, MouseButton::Middle);
    EXPECT_EQ(b.choices().missionType, 0);
    EXPECT_FALSE(b.mission().summary().interdictionTypeShown);
    EXPECT_EQ(b.board().view().valueCaption, "Escort");
    EXPECT_EQ(b.board().view().rowCaption[4], "Mission type\rGround Attack"); // written at hover time
}

TEST_F(MissionBuilderTest, HoverShowsOneCellOrOneRowAndTheBorderNothing) {
    MissionBuilder b = started();
    b.board().hover(2316 * 1 + 100, 1218 * 2 + 100);
    EXPECT_EQ(b.board().currentPlaneCell(), 9);
    EXPECT_TRUE(b.board().view().cellShown[9]);
    EXPECT_EQ(b.board().view().nameCaption, "My Aircraft");
    EXPECT_EQ(b.board().view().valueCaption, "Plane 9");
    EXPECT_EQ(b.board().view().picture, 0);
    b.board().hover(9300, 886 * 2 + 300);
    EXPECT_FALSE(b.board().view().cellShown[9]);
    EXPECT_TRUE(b.board().view().rowShown[2]);
    EXPECT_EQ(b.board().view().rowCaption[2], "Time of day\rRandom");
    EXPECT_EQ(b.board().view().picture, 3);
    b.board().hover(150, 5000);
    EXPECT_FALSE(b.board().view().rowShown[2]);
}

TEST_F(MissionBuilderTest, LeftClicksOnCellsFillTheRolesInTurnButNeverGiveThePlayerNone) {
    MissionBuilder b = started();
    b.board().releaseOnCell(MouseButton::Left, 30); // role 0: refused, role still advances
    EXPECT_EQ(b.choices().rolePlanes[0], "9");
    EXPECT_EQ(b.choices().roleToFill, 1);
    b.board().releaseOnCell(MouseButton::Left, 30);
    EXPECT_EQ(b.choices().rolePlanes[1], "-2");
    EXPECT_EQ(b.mission().roleAircraftNames()[1], "None");
    b.board().releaseOnCell(MouseButton::Right, 0);
    EXPECT_EQ(b.choices().roleToFill, 3);
    b.board().releaseOnCell(MouseButton::Left, 31);
    EXPECT_EQ(b.choices().rolePlanes[3], "-1");
    EXPECT_EQ(b.choices().roleToFill, 0);
    b.board().releaseOnCell(MouseButton::Left, 20);
    EXPECT_EQ(b.choices().rolePlanes[0], "20");
    EXPECT_EQ(b.mission().nationText(), "0");
    b.board().pressOnCell(MouseButton::Middle, 4);
    EXPECT_TRUE(b.board().view().cellShown[31]);
    b.board().releaseOnCell(MouseButton::Middle, 4);
    EXPECT_FALSE(b.board().view().cellShown[0]);
}

TEST_F(MissionBuilderTest, TargetListChoiceSetsWhatTargoSelects) {
    MissionBuilder b = started();
    b.map().chooseTarget(3);
    EXPECT_EQ(b.choices().targetAndBase[1], "3");
    EXPECT_EQ(b.mission().placeNames()[1], "Target 3");
    b.map().selectPick(kTargoTarget);
    b.map().chooseTarget(199);
    EXPECT_EQ(b.choices().targetAndBase[0], "199");
    b.map().chooseTarget(200); // beyond the list
    EXPECT_EQ(b.choices().targetAndBase[0], "199");
}

TEST_F(MissionBuilderTest, RestoreReportsAMissingChoicesFileAndKeepsTheChoices) {
    MissionBuilder b = started();
    b.board().selectOption(Group::YR, 2);
    b.mission().restoreChoices();
    EXPECT_EQ(b.choices().year, 2);
    ASSERT_EQ(b.messages().size(), 1u);
    EXPECT_NE(b.messages()[0].find("pevset.txt"), std::string::npos);
}

TEST_F(MissionBuilderTest, TypedNumbersTheGameCannotTakeAreRefusedWithAMessageAndChangeNothing) {
    MissionBuilder b = started();
    const MissionChoices before = b.choices();
    const std::string summary = b.mission().summary().summaryText;
    const std::size_t messages = b.messages().size();
    for (const char* text : {"20", "13", "0", "-3", "4.5", "7x", "", "x"})
        EXPECT_FALSE(b.board().setAircraftCount(text)) << text;
    for (const char* text : {"30", "-1", "-2", "99999999999"})
        EXPECT_FALSE(b.board().setRolePlane(0, text)) << text;
    EXPECT_FALSE(b.board().setRolePlane(1, "-3"));
    EXPECT_FALSE(b.board().setRolePlane(3, "30")); // the list's "None" entry is written as -2, not 30
    EXPECT_FALSE(b.map().setPlaceRecord(kTargoTarget, "200"));
    EXPECT_FALSE(b.map().setPlaceRecord(kTargoHomeBase, "-1"));
    EXPECT_EQ(b.choices(), before);
    EXPECT_EQ(b.mission().summary().summaryText, summary);
    ASSERT_EQ(b.messages().size(), messages + 16);
    EXPECT_NE(b.messages()[messages].find("\"20\" was refused"), std::string::npos) << b.messages()[messages];
    EXPECT_NE(b.messages()[messages].find("from 1 to 12"), std::string::npos);
    EXPECT_NE(b.messages().back().find("0 to 199"), std::string::npos) << b.messages().back();

    EXPECT_TRUE(b.board().setAircraftCount(" 12 "));
    EXPECT_EQ(b.choices().aircraftCount, "12");
    EXPECT_TRUE(b.board().setRolePlane(2, "-2"));
    EXPECT_EQ(b.mission().roleAircraftNames()[2], "None");
    EXPECT_TRUE(b.board().setRolePlane(0, "29"));
    EXPECT_EQ(b.choices().nation, kGerman);
    EXPECT_TRUE(b.map().setPlaceRecord(kTargoHomeBase, "199"));
    EXPECT_EQ(b.mission().placeNames()[1], "Target 199");
}

TEST_F(MissionBuilderTest, TheResultsReportStaysUntilAClickThatChangesNothingElse) {
    testing::writeFile(game.path() / "results.txt", "250\r\n3\r\n1\r\n");
    MissionBuilder b = started();
    clickRow(b, 0); // a row was hovered before the report came up
    const MissionChoices before = b.choices();
    b.showResults();
    ASSERT_TRUE(b.board().view().reportShown);
    b.board().hover(9300, 400); // the number-of-aircraft row, under the report
    b.board().hover(500, 500);  // cell 0
    EXPECT_TRUE(b.board().view().reportShown);
    EXPECT_FALSE(b.board().view().cellShown[0]);
    b.board().releaseOnBoard(MouseButton::Left, false);
    EXPECT_FALSE(b.board().view().reportShown);
    EXPECT_EQ(b.choices(), before);
    b.board().hover(500, 500);
    EXPECT_TRUE(b.board().view().cellShown[0]);
}

} // namespace
} // namespace sortie
