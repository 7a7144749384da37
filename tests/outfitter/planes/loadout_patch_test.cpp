// Loadout patches and the flight model of a plane-set folder: the bytes each kind writes, their
// order, the exactly-one rule, and patches refused whole before their first byte.

#include "outfitter/planes/loadout_patches.h"

#include "plane_fixture.h"

#include <gtest/gtest.h>

namespace {

using outfitter::applyLoadoutsAndFlightModel;
using planetest::PlaneGame;

class LoadoutPatchTest : public ::testing::Test {
  protected:
    LoadoutPatchTest() : folder(game.folder.folder("QIV128/F-Test/P-Patched")) {}

    void patch(const std::string& name, const std::vector<std::string>& lines) const {
        game.folder.write(folder / name, planetest::crlf(lines));
    }
    std::string loadout() const { return game.read("Loadout.dat"); }
    std::string stock() const { return std::string(4 + 44 * 20, '\x11'); }

    PlaneGame game;
    std::filesystem::path folder;
};

TEST_F(LoadoutPatchTest, EachKindWritesItsBytesAndLaterKindsWin) {
    patch("a.lox", {"100", "7", "101", "8", "40", "99"});
    patch("a.lo1", {"40", "1", "2", "3"});
    patch("b.LO2", {"42", " 9.5 "});
    const auto report = applyLoadoutsAndFlightModel(folder, game.path());
    EXPECT_TRUE(report.problems.empty());
    auto expected = stock();
    expected[99] = 7;
    expected[100] = 8;
    expected[39] = 1; // ".lo1" over ".lox"
    expected[40] = 2;
    expected[41] = 10; // ".lo2" over ".lo1", 9.5 rounded to even
    EXPECT_EQ(loadout(), expected);
    ASSERT_EQ(report.written.size(), 1u);
    EXPECT_EQ(report.written[0].filename(), "Loadout.dat");
}

TEST_F(LoadoutPatchTest, StartLineAloneAndTwoFilesOfOneKindWriteNothing) {
    patch("a.lo1", {"40", ""});
    patch("x.lox", {"10", "1"});
    patch("y.lox", {"11", "1"});
    const auto report = applyLoadoutsAndFlightModel(folder, game.path());
    EXPECT_TRUE(report.problems.empty());
    EXPECT_TRUE(report.written.empty());
    EXPECT_EQ(loadout(), stock());
}

TEST_F(LoadoutPatchTest, BadPatchesAreRefusedWholeBeforeTheirFirstByte) {
    const std::vector<std::vector<std::string>> bad = {
        {"100", "7", "101"},        // odd number of lines
        {"100", "7", "0", "8"},     // position below 1
        {"100", "7", "101.5", "8"}, // not a whole number
        {"100", "7", "101", "256"}, // value outside 0 to 255
        {"100", "7", "70000", "1"}, // far past the end of the file
    };
    for (const auto& lines : bad) {
        patch("a.lox", lines);
        const auto report = applyLoadoutsAndFlightModel(folder, game.path());
        ASSERT_FALSE(report.problems.empty()) << lines[2];
        EXPECT_NE(report.problems[0].text().find("a.lox"), std::string::npos);
        EXPECT_EQ(loadout(), stock()) << lines[2];
    }
    // A sound ".lo1" beside a refused ".lox" still applies.
    patch("a.lo1", {"5", "1"});
    const auto report = applyLoadoutsAndFlightModel(folder, game.path());
    EXPECT_EQ(report.problems.size(), 1u);
    auto expected = stock();
    expected[4] = 1;
    EXPECT_EQ(loadout(), expected);
}

TEST_F(LoadoutPatchTest, PositionsPastTheEndGrowTheFileWithinTheLimit) {
    std::filesystem::remove(game.path() / "Loadout.dat");
    patch("a.lo1", {"3", "5", "6"});
    auto report = applyLoadoutsAndFlightModel(folder, game.path());
    EXPECT_TRUE(report.problems.empty());
    EXPECT_EQ(game.read("loadout.dat"), std::string("\0\0\x05\x06", 4));

    patch("a.lo1", {"65540", "1"}); // 65536 past the end of 4 bytes: the last allowed
    report = applyLoadoutsAndFlightModel(folder, game.path());
    EXPECT_TRUE(report.problems.empty());
    EXPECT_EQ(game.read("loadout.dat").size(), 65540u);
    patch("a.lo1", {"131077", "1"});
    report = applyLoadoutsAndFlightModel(folder, game.path());
    EXPECT_FALSE(report.problems.empty());
    EXPECT_EQ(game.read("loadout.dat").size(), 65540u);
}

TEST_F(LoadoutPatchTest, TheOneFlightModelIsCopiedEvenWithoutPatches) {
    game.folder.write(folder / "sp09.flt", "flight model bytes\x01\x02");
    game.folder.write("SP09.FLT", "old");
    auto report = applyLoadoutsAndFlightModel(folder, game.path());
    EXPECT_TRUE(report.problems.empty());
    EXPECT_EQ(game.read("SP09.FLT"), "flight model bytes\x01\x02");
    EXPECT_EQ(loadout(), stock());

    game.folder.write(folder / "other.flt", "second");
    game.folder.write("SP09.FLT", "old");
    report = applyLoadoutsAndFlightModel(folder, game.path());
    EXPECT_EQ(game.read("SP09.FLT"), "old");
    EXPECT_FALSE(std::filesystem::exists(game.path() / "other.flt"));
}

} // namespace
