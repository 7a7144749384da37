#include "sortie/core/board_geometry.h"
#include "sortie/core/option_catalog.h"
#include "sortie/core/picture_table.h"
#include "sortie_test_files.h"

#include <gtest/gtest.h>

namespace sortie {
namespace {

TEST(BoardGeometry, DesignBoardGivesItsColumnsRowsAndCellPlaces) {
    const BoardGeometry g = BoardGeometry::fromBoard(11580, 9750, 90, 60);
    EXPECT_EQ(g.columnWidth, 2316);
    EXPECT_EQ(g.planeRowHeight, 1218);
    EXPECT_EQ(g.optionRowHeight, 886);
    EXPECT_DOUBLE_EQ(g.planeCell(5).left, 2547.6);
    EXPECT_DOUBLE_EQ(g.planeCell(5).top, 1318.1);
    EXPECT_DOUBLE_EQ(g.optionRow(3).left, 4 * 2316.0);
    EXPECT_DOUBLE_EQ(g.optionRow(3).top, 886 * 3 + 100.1);
}

TEST(BoardGeometry, PointerPlacesMapToCellsRowsAndBorders) {
    const BoardGeometry g;
    EXPECT_EQ(g.hitTest(150, 5000).area, BoardArea::Border);
    EXPECT_EQ(g.hitTest(5000, 9600).area, BoardArea::Border);
    EXPECT_EQ(g.hitTest(11575, 5000).area, BoardArea::Edge);
    const BoardHit cell = g.hitTest(2316 + 50, 1218 * 2 + 50);
    EXPECT_EQ(cell.area, BoardArea::PlaneCell);
    EXPECT_EQ(cell.index, 9);
    const BoardHit row = g.hitTest(9300, 886 * 10 + 10);
    EXPECT_EQ(row.area, BoardArea::OptionRow);
    EXPECT_EQ(row.index, 10);
}

TEST(OptionCatalog, BoardClicksCycleEachGroupAndWeatherSkipsOvercast) {
    const OptionCatalog c = makeOptionCatalog(sortieSettings());
    EXPECT_EQ(c.nextOption(Group::YR, 3), 0);
    EXPECT_EQ(c.nextOption(Group::TOD, 3), 4);
    EXPECT_EQ(c.nextOption(Group::MT, 4), 0);
    EXPECT_EQ(c.nextOption(Group::W, 3), 0);
    EXPECT_EQ(c.nextOption(Group::W, 4), 0); // "Overcast" moves to "Random"
    EXPECT_EQ(c.nextOption(Group::HT, kNoneSelected), 0);
    EXPECT_EQ(c.selectedCaption(Group::W, 2), "Broken clouds");
    EXPECT_EQ(makeOptionCatalog(sortiexSettings()).info(Group::IntType).captions.back(), "Warships");
}

TEST(PictureTable, EntriesAreTheTextAfterTheFirstEqualsSign) {
    EXPECT_EQ(pictureEntryFromLine("Year=year.bmp"), "year.bmp");
    EXPECT_EQ(pictureEntryFromLine("a=b=c.gif"), "b=c.gif");
    EXPECT_EQ(pictureEntryFromLine("plain.jpg"), "plain.jpg");
}

TEST(PictureTable, ShortFileIsReportedAndTheRestStaysEmpty) {
    testing::TempFolder folder;
    testing::writeFile(folder.path() / "PevPic.txt", "P0=kob.bmp\r\nP1=one.bmp\r\n");
    const auto table = readPictureTable(folder.path() / "PevPic.txt");
    ASSERT_TRUE(table.problem.has_value());
    EXPECT_EQ(table.value[1], "one.bmp");
    EXPECT_EQ(table.value[2], "");
    EXPECT_TRUE(readPictureTable(folder.path() / "none.txt").problem.has_value());
}

} // namespace
} // namespace sortie
