// The plane-set grid: which folders it lists, how the marks move between rows of one slot, the
// fuel options, the filter and the ledger's marks put back at start-up.

#include "outfitter/planes/plane_set_grid.h"

#include "plane_fixture.h"

#include <gtest/gtest.h>

namespace {

using outfitter::PlaneSetGrid;
using planetest::PlaneGame;

class PlaneSetGridTest : public ::testing::Test {
  protected:
    PlaneSetGridTest() : grid(game.path()) {
        game.planeSet("Spit IXc", planetest::qivLines("Spitfire IXc", 11, 1000));
        game.planeSet("Spit IXe", planetest::qivLines(" Spitfire IXe ", 11, 1100));
        game.planeSet("Fw 190", planetest::qivLines("Fw 190A-8", 22, 640, "190a"));
        game.planeSet("Lightning", planetest::qivLines("P-38H", 0, 2460, "p38h"));
        game.folder.folder(game.setPath() / "p-lower case is not a plane set");
        game.folder.folder(game.setPath() / "Extras");
    }

    std::size_t row(const std::string& folder) const {
        for (std::size_t i = 0; i < grid.rows().size(); ++i)
            if (grid.rows()[i].folder == folder)
                return i;
        ADD_FAILURE() << "no row " << folder;
        return 0;
    }
    std::vector<std::string> marked() const { return grid.markedFolders(); }

    PlaneGame game;
    PlaneSetGrid grid;
};

TEST_F(PlaneSetGridTest, ListsOnlyPlaneSetFoldersWithWhatTheirFilesSay) {
    EXPECT_TRUE(grid.GridSet(game.set()).empty());
    ASSERT_EQ(grid.rows().size(), 4u);
    const auto& ixe = grid.rows()[row("P-Spit IXe")];
    EXPECT_EQ(ixe.plnSlot, "11");
    EXPECT_EQ(ixe.skinSlot, "SP09");
    EXPECT_EQ(ixe.aircraft, " Spitfire IXe ");

    // A set without plane sets leaves the grid as it was.
    PlaneGame other;
    other.folder.folder("QIV128/F-Empty/Data");
    EXPECT_TRUE(grid.GridSet(other.path() / "QIV128/F-Empty").empty());
    EXPECT_EQ(grid.rows().size(), 4u);
    EXPECT_EQ(grid.setFolder(), game.set());
}

TEST_F(PlaneSetGridTest, AnInstallMovesTheMarkWithinItsSlotOnly) {
    grid.GridSet(game.set());
    EXPECT_TRUE(grid.install(row("P-Fw 190")).recordWritten);
    EXPECT_TRUE(grid.install(row("P-Spit IXc")).recordWritten);
    EXPECT_EQ(marked(), (std::vector<std::string>{"P-Fw 190", "P-Spit IXc"}));
    EXPECT_TRUE(grid.install(row("P-Spit IXe")).recordWritten);
    EXPECT_EQ(marked(), (std::vector<std::string>{"P-Fw 190", "P-Spit IXe"}));

    // Not ready (a replay): nothing is written and no mark moves.
    const auto before = game.read("planes.dat");
    EXPECT_FALSE(grid.install(row("P-Spit IXc"), false).recordWritten);
    EXPECT_EQ(game.read("planes.dat"), before);
    EXPECT_EQ(marked(), (std::vector<std::string>{"P-Fw 190", "P-Spit IXe"}));

    // A refused record keeps the marks where they were.
    auto bad = planetest::qivLines("Broken", 11);
    bad[3] = "999";
    game.planeSet("Spit IXc", bad);
    EXPECT_FALSE(grid.install(row("P-Spit IXc")).recordWritten);
    EXPECT_EQ(marked(), (std::vector<std::string>{"P-Fw 190", "P-Spit IXe"}));
}

TEST_F(PlaneSetGridTest, FuelOptionsScaleTheLastInstalledAircraftsFullLoad) {
    grid.GridSet(game.set());
    ASSERT_TRUE(grid.install(row("P-Spit IXc")).recordWritten);
    EXPECT_EQ(grid.fuelText(), "1000");
    EXPECT_EQ(grid.fuelPositionText(), std::to_string(216 * 11 + 41));
    const auto fuelBytes = [&] { return game.read("planes.dat").substr(216 * 11 + 40, 2); };
    const std::vector<std::pair<int, unsigned>> expected = {{4, 100}, {0, 1000}, {1, 750},
                                                            {2, 500}, {3, 250},  {5, 50}};
    for (const auto& [option, value] : expected) {
        ASSERT_FALSE(grid.chooseFuel(option));
        EXPECT_EQ(fuelBytes(), (std::string{static_cast<char>(value % 256), static_cast<char>(value / 256)}))
            << "option " << option;
    }
    EXPECT_EQ(grid.fuelText(), "1000");

    // Slot 0 has no fuel position: the options do nothing.
    ASSERT_TRUE(grid.install(row("P-Lightning")).recordWritten);
    EXPECT_EQ(grid.fuelText(), "2460");
    EXPECT_EQ(grid.fuelPositionText(), "");
    const auto before = game.read("planes.dat");
    EXPECT_FALSE(grid.chooseFuel(3));
    EXPECT_EQ(game.read("planes.dat"), before);
}

TEST_F(PlaneSetGridTest, FilterHoverAndClear) {
    grid.GridSet(game.set());
    grid.install(row("P-Fw 190"));
    const auto count = [](const std::vector<bool>& v) { return std::count(v.begin(), v.end(), true); };
    EXPECT_EQ(count(grid.filter(0)), 4);
    EXPECT_EQ(grid.filter(1), (std::vector<bool>{grid.rows()[0].marked, grid.rows()[1].marked,
                                                 grid.rows()[2].marked, grid.rows()[3].marked}));
    EXPECT_EQ(count(grid.filter(1)), 1);
    EXPECT_EQ(count(grid.filter(2 + 11)), 2);
    EXPECT_EQ(count(grid.filter(2 + 0)), 1);
    EXPECT_EQ(count(grid.filter(2 + 29)), 0);

    game.folder.write(game.setPath() / "P-Fw 190" / "Contents.txt", "Heavier armour.\r\nSlot 22.");
    const auto hover = grid.hover(row("P-Fw 190"));
    EXPECT_EQ(hover.description, "Heavier armour.\r\nSlot 22.\r\n");
    EXPECT_EQ(hover.plnSlot, "22");
    EXPECT_EQ(hover.skinSlot, "190A");

    grid.clear();
    EXPECT_TRUE(grid.rows().empty());
    EXPECT_EQ(grid.fuelText(), "");
}

TEST_F(PlaneSetGridTest, LedgerMarksAtStartUpWaitForTheGridAndWriteNothing) {
    const auto before = game.read("planes.dat");
    // Start-up: the grid is empty until the flight-model set's plane sets are shown.
    EXPECT_TRUE(grid.markFromLedger("P-Spit IXe"));
    EXPECT_TRUE(grid.markFromLedger("P-Fw 190"));
    EXPECT_FALSE(grid.markFromLedger("P-Deleted since"));
    EXPECT_FALSE(grid.markFromLedger("W-Battle of Britain 1940"));
    grid.GridSet(game.set());
    grid.endReplay();
    EXPECT_EQ(marked(), (std::vector<std::string>{"P-Fw 190", "P-Spit IXe"}));
    EXPECT_EQ(game.read("planes.dat"), before);
    EXPECT_EQ(grid.fuelText(), "");

    // "Refresh!": the grid is there, the names mark it directly, one row per slot.
    grid.GridSet(game.set());
    EXPECT_TRUE(marked().empty());
    EXPECT_TRUE(grid.markFromLedger("P-Spit IXc"));
    EXPECT_TRUE(grid.markFromLedger("P-Spit IXe"));
    EXPECT_EQ(marked(), (std::vector<std::string>{"P-Spit IXe"}));

    // Names kept at start-up for a grid that never came do not mark a later one.
    PlaneSetGrid fresh(game.path());
    fresh.markFromLedger("P-Fw 190");
    fresh.endReplay();
    fresh.GridSet(game.set());
    EXPECT_TRUE(fresh.markedFolders().empty());
}

} // namespace
