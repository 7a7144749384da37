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
        b.hoverBoard(9300, 886.0 * row + 400);
        b.releaseOnBoard(button, false);
    }
    testing::TempFolder game;
};

TEST_F(MissionBuilderTest, FreshStartShowsTheDefaultsAndNoMessages) {
    MissionBuilder b = started();
    EXPECT_TRUE(b.messages().empty()) << b.messages().front();
    EXPECT_EQ(b.choices(), MissionChoices{});
    EXPECT_EQ(b.Label3(), "1");
    EXPECT_EQ(b.Label1()[0], "Plane 9");
    EXPECT_EQ(b.Label1()[3], "Plane 19");
    EXPECT_EQ(b.Label2()[0], "Target 127");
    EXPECT_EQ(b.Label2()[1], "Target 95");
    EXPECT_EQ(b.Tg().rows[127][kTgNameColumn], "Target 127");
    EXPECT_EQ(b.pictures()[11], "pic11.bmp");
    EXPECT_EQ(b.weaponNames(), (std::vector<std::string>{"", "Gun", "Bomb"}));
    EXPECT_FALSE(b.interdictionShown());
}

TEST_F(MissionBuilderTest, StoredChoicesRestoreAtStartUp) {
    testing::writeFile(game.path() / "PEV" / "pevset.txt",
                       "20\r\n 7 \r\n-2\r\n3\r\n-1\r\n-1\r\n10\r\n12\r\n"
                       "4\r\n4\r\n4\r\n3\r\n1\r\n2\r\n3\r\n1\r\n2\r\n3\r\n0\r\n2\r\n");
    MissionBuilder b = started();
    EXPECT_TRUE(b.messages().empty());
    const MissionChoices& c = b.choices();
    EXPECT_EQ(c.Text1, (std::array<std::string, 4>{"20", "-2", "3", "-1"}));
    EXPECT_EQ(c.Text5, " 7 ");
    EXPECT_TRUE(c.Check1);
    EXPECT_EQ(c.Text6, (std::array<std::string, 2>{"12", "10"}));
    EXPECT_EQ(c.W, 4);
    EXPECT_EQ(c.MT, 4);
    EXPECT_EQ(c.ISize, 2);
    EXPECT_EQ(b.Label3(), "0");
    EXPECT_EQ(b.Label1()[1], "None");
    EXPECT_EQ(b.Label1()[3], "Random");
    EXPECT_EQ(b.Label2()[0], "Target 12");
    EXPECT_TRUE(b.interdictionShown());
}

TEST_F(MissionBuilderTest, MissingFilesAndFoldersAreReportedAndTheDefaultsStay) {
    std::filesystem::remove_all(game.path() / "PEV");
    std::filesystem::remove(game.path() / "targets.dat");
    MissionBuilder b = started();
    EXPECT_EQ(b.choices(), MissionChoices{});
    EXPECT_GE(b.messages().size(), 4u); // builder folder, saved missions, targets.dat, PevPic.txt
    EXPECT_EQ(b.Label2()[0], "");
    EXPECT_TRUE(b.PicShow(3).empty());
}

TEST_F(MissionBuilderTest, BoardClicksChangeTheRowLastHovered) {
    MissionBuilder b = started();
    b.releaseOnBoard(MouseButton::Left, false); // nothing hovered yet: row 0
    EXPECT_EQ(b.choices().Text5, "5");
    clickRow(b, 0, MouseButton::Right);
    EXPECT_EQ(b.choices().Text5, "4");
    for (int i = 0; i < 8; ++i)
        clickRow(b, 0, MouseButton::Left);
    EXPECT_EQ(b.choices().Text5, "12");
    clickRow(b, 0, MouseButton::Left);
    EXPECT_EQ(b.choices().Text5, "1");
    clickRow(b, 0, MouseButton::Right);
    EXPECT_EQ(b.choices().Text5, "12");
    clickRow(b, 0, MouseButton::Middle);
    EXPECT_EQ(b.choices().Text5, "12");

    b.selectOption(Group::MT, 4);
    EXPECT_TRUE(b.interdictionShown());
    clickRow(b, 4, MouseButton::Middle);
    EXPECT_EQ(b.choices().MT, 0);
    EXPECT_FALSE(b.interdictionShown());
    EXPECT_EQ(b.boardView().Label11, "Escort");
    EXPECT_EQ(b.boardView().rowCaption[4], "Mission type\rGround Attack"); // written at hover time
}

TEST_F(MissionBuilderTest, HoverShowsOneCellOrOneRowAndTheBorderNothing) {
    MissionBuilder b = started();
    b.hoverBoard(2316 * 1 + 100, 1218 * 2 + 100);
    EXPECT_EQ(b.currentPlaneCell(), 9);
    EXPECT_TRUE(b.boardView().cellShown[9]);
    EXPECT_EQ(b.boardView().Label20, "My Aircraft");
    EXPECT_EQ(b.boardView().Label11, "Plane 9");
    EXPECT_EQ(b.boardView().picture, 0);
    b.hoverBoard(9300, 886 * 2 + 300);
    EXPECT_FALSE(b.boardView().cellShown[9]);
    EXPECT_TRUE(b.boardView().rowShown[2]);
    EXPECT_EQ(b.boardView().rowCaption[2], "Time of day\rRandom");
    EXPECT_EQ(b.boardView().picture, 3);
    b.hoverBoard(150, 5000);
    EXPECT_FALSE(b.boardView().rowShown[2]);
}

TEST_F(MissionBuilderTest, LeftClicksOnCellsFillTheRolesInTurnButNeverGiveThePlayerNone) {
    MissionBuilder b = started();
    b.releaseOnCell(MouseButton::Left, 30); // role 0: refused, role still advances
    EXPECT_EQ(b.choices().Text1[0], "9");
    EXPECT_EQ(b.choices().Plane, 1);
    b.releaseOnCell(MouseButton::Left, 30);
    EXPECT_EQ(b.choices().Text1[1], "-2");
    EXPECT_EQ(b.Label1()[1], "None");
    b.releaseOnCell(MouseButton::Right, 0);
    EXPECT_EQ(b.choices().Plane, 3);
    b.releaseOnCell(MouseButton::Left, 31);
    EXPECT_EQ(b.choices().Text1[3], "-1");
    EXPECT_EQ(b.choices().Plane, 0);
    b.releaseOnCell(MouseButton::Left, 20);
    EXPECT_EQ(b.choices().Text1[0], "20");
    EXPECT_EQ(b.Label3(), "0");
    b.pressOnCell(MouseButton::Middle, 4);
    EXPECT_TRUE(b.boardView().cellShown[31]);
    b.releaseOnCell(MouseButton::Middle, 4);
    EXPECT_FALSE(b.boardView().cellShown[0]);
}

TEST_F(MissionBuilderTest, TargetListChoiceSetsWhatTargoSelects) {
    MissionBuilder b = started();
    b.chooseTarget(3);
    EXPECT_EQ(b.choices().Text6[1], "3");
    EXPECT_EQ(b.Label2()[1], "Target 3");
    b.selectTargo(kTargoTarget);
    b.chooseTarget(199);
    EXPECT_EQ(b.choices().Text6[0], "199");
    b.chooseTarget(200); // beyond the list
    EXPECT_EQ(b.choices().Text6[0], "199");
}

TEST_F(MissionBuilderTest, RestoreReportsAMissingChoicesFileAndKeepsTheChoices) {
    MissionBuilder b = started();
    b.selectOption(Group::YR, 2);
    b.restoreChoices();
    EXPECT_EQ(b.choices().YR, 2);
    ASSERT_EQ(b.messages().size(), 1u);
    EXPECT_NE(b.messages()[0].find("pevset.txt"), std::string::npos);
}

} // namespace
} // namespace sortie
