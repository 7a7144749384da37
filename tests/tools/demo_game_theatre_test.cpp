// The demo theatre as the mission builder reads it: names, targets on the map, tile map, front
// lines, weapons, loadouts and results.

#include "demo_fixture.h"

#include "make_demo_game/demo_contents.h"
#include "make_demo_game/planes.h"

#include "common/string_table.h"

#include <algorithm>

namespace {

namespace contents = demo::contents;
using demo_test::byteAt;
using demo_test::bytesOf;

class DemoTheatre : public demo_test::DemoGameSuite {
  protected:
    static std::vector<std::string> table(const char* name) {
        auto result = common::readStringTable(root() / name);
        EXPECT_TRUE(result.ok()) << name;
        return result.value;
    }
};

struct MapPoint {
    int x, y;
};

MapPoint mapPosition(const std::string& bytes, std::size_t at) {
    return {((byteAt(bytes, at + 3) + 3) % 256) * 256 + (byteAt(bytes, at + 2) - 128),
            (byteAt(bytes, at + 7) - 228) * 256 + (byteAt(bytes, at + 6) - 128)};
}

TEST_F(DemoTheatre, AircraftNamesFillThe30SlotsInOrder) {
    const auto names = table("pnames.str");
    ASSERT_EQ(names.size(), 30U);
    EXPECT_EQ(names[9], "Hurricane Mk I");
    EXPECT_EQ(names[16], "Bf 109E-4");
    EXPECT_TRUE(std::equal(names.begin(), names.end(), demo::planeNames().begin()));
}

TEST_F(DemoTheatre, TargetRecordsLieOnTheMapWithAirfieldsOnLand) {
    const std::string records = bytesOf(root() / "targets.dat");
    const std::string tiles = bytesOf(root() / "eaw.tm");
    const auto names = table("tarnames.str");
    ASSERT_EQ((records.size() - 4) % 32, 0U);
    const std::size_t count = (records.size() - 4) / 32;
    ASSERT_EQ(count, static_cast<std::size_t>(contents::kTargetRecords));
    EXPECT_EQ(byteAt(records, 0) + 256U * byteAt(records, 1), count);
    ASSERT_EQ(names.size(), count);

    std::size_t airfields = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t at = 4 + 32 * k;
        const MapPoint p = mapPosition(records, at);
        ASSERT_TRUE(p.x >= 0 && p.x < 2560 && p.y >= 0 && p.y < 1280) << "record " << k;
        const unsigned nameIndex = byteAt(records, at + 16) + 256U * byteAt(records, at + 17);
        ASSERT_LT(nameIndex, names.size());
        if (byteAt(records, at + 18) & 64U) {
            ++airfields;
            const std::size_t tile =
                static_cast<std::size_t>(p.y / 4) * 640 + static_cast<std::size_t>(p.x / 4);
            EXPECT_NE(byteAt(tiles, tile) & 63U, 2U) << "airfield " << names[nameIndex] << " in the sea";
        }
    }
    EXPECT_GE(airfields, 40U);

    const auto nameOf = [&](std::size_t k) {
        return names[byteAt(records, 4 + 32 * k + 16) + 256U * byteAt(records, 4 + 32 * k + 17)];
    };
    EXPECT_TRUE(byteAt(records, 4 + 32 * 95 + 18) & 64U);
    EXPECT_FALSE(byteAt(records, 4 + 32 * 127 + 18) & 64U);
    EXPECT_EQ(nameOf(95), "Tangmere");
    EXPECT_EQ(nameOf(127), "Boulogne harbour");
}

TEST_F(DemoTheatre, TileMapDrawsEnglandNorthAndFranceSouthOfTheChannel) {
    const std::string tiles = bytesOf(root() / "eaw.tm");
    ASSERT_EQ(tiles.size(), 640U * 319U + 400U) << "the last row breaks off";
    const auto kind = [&](int column, int row) {
        return byteAt(tiles, static_cast<std::size_t>(row) * 640 + column) & 63U;
    };
    EXPECT_NE(kind(330, 60), 2U);  // Sussex
    EXPECT_EQ(kind(330, 160), 2U); // mid-Channel
    EXPECT_NE(kind(330, 280), 2U); // Normandy
    const auto sea = std::count_if(tiles.begin(), tiles.end(), [](char c) { return (c & 63) == 2; });
    EXPECT_GT(sea, 20000);
    EXPECT_LT(sea, 640 * 320 / 2);
}

TEST_F(DemoTheatre, FrontLineSetsZeroAndTwelveAreDistinctTerminatedLines) {
    const std::string lines = bytesOf(root() / "frntline.dat");
    ASSERT_GE(lines.size(), 600U * contents::kFrontLineSets);
    const auto points = [&](std::size_t set) {
        std::vector<std::pair<int, int>> drawn;
        for (std::size_t p = 0; p < 30; ++p) {
            const std::size_t at = 600 * set + 20 * p;
            if (std::all_of(lines.begin() + static_cast<long>(at), lines.begin() + static_cast<long>(at + 8),
                            [](char c) { return static_cast<unsigned char>(c) == 255; })) {
                return drawn;
            }
            const MapPoint m = mapPosition(lines, at);
            EXPECT_TRUE(m.x >= 0 && m.x < 2560 && m.y >= 0 && m.y < 1280) << "set " << set << " point " << p;
            drawn.emplace_back(m.x, m.y);
        }
        ADD_FAILURE() << "set " << set << " has no terminator";
        return drawn;
    };
    const auto first = points(0);
    const auto last = points(12);
    EXPECT_GE(first.size(), 2U);
    EXPECT_GE(last.size(), 2U);
    EXPECT_NE(first, last);
    // Set 12 keeps points after its terminator, which a line drawn to the end would wrongly reach.
    const std::size_t after = 600 * 12 + 20 * (last.size() + 1);
    EXPECT_NE(static_cast<unsigned char>(lines[after + 2]) & static_cast<unsigned char>(lines[after + 3]),
              255U);
}

TEST_F(DemoTheatre, SomeTargetsStandWithinTwoMapUnitsOfAnAirfield) {
    const std::string records = bytesOf(root() / "targets.dat");
    const std::size_t count = (records.size() - 4) / 32;
    int neighbours = 0;
    for (std::size_t a = 0; a < count; ++a) {
        if (!(byteAt(records, 4 + 32 * a + 18) & 64U))
            continue;
        const MapPoint field = mapPosition(records, 4 + 32 * a);
        for (std::size_t t = 0; t < count; ++t) {
            const MapPoint other = mapPosition(records, 4 + 32 * t);
            if (t != a && !(byteAt(records, 4 + 32 * t + 18) & 64U) && std::abs(other.x - field.x) <= 2 &&
                std::abs(other.y - field.y) <= 2)
                ++neighbours;
        }
    }
    EXPECT_GE(neighbours, 3);
}

TEST_F(DemoTheatre, LoadoutsListSeveralAircraftWithNamedWeapons) {
    const auto weapons = table("weapons.str");
    ASSERT_EQ(weapons.size(), static_cast<std::size_t>(contents::kWeaponNames));
    const std::string loadouts = bytesOf(root() / "Loadout.dat");
    ASSERT_EQ((loadouts.size() - 4) % 44, 0U);
    const std::size_t count = (loadouts.size() - 4) / 44;
    ASSERT_LE(4 + 44 * count, 7699U + 44) << "every record within the scanned range";

    // Loadouts of one aircraft are consecutive; only that first run belongs to it.
    std::vector<int> firstRun(30, 0);
    std::vector<bool> closed(30, false);
    int previous = -1;
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t at = 4 + 44 * k;
        const int aircraft = byteAt(loadouts, at);
        ASSERT_LT(aircraft, 30);
        if (previous >= 0 && aircraft != previous) {
            closed[static_cast<std::size_t>(previous)] = true;
        }
        if (!closed[static_cast<std::size_t>(aircraft)]) {
            ++firstRun[static_cast<std::size_t>(aircraft)];
        }
        previous = aircraft;
        for (std::size_t slot = 0; slot < 5; ++slot) {
            EXPECT_LE(byteAt(loadouts, at + 8 * slot + 4), weapons.size());
        }
    }
    EXPECT_EQ(firstRun[9], 3) << "the default player aircraft";
    EXPECT_EQ(byteAt(loadouts, 4 + 44 * (count - 1)), 9) << "a stray record of aircraft 9 after the others";
    EXPECT_GE(std::count_if(firstRun.begin(), firstRun.end(), [](int n) { return n >= 2; }), 20);
}

TEST_F(DemoTheatre, ResultsHoldTheElevenReportedLinesAndMore) {
    const auto results = common::readLines(root() / "results.txt").value;
    ASSERT_GE(results.size(), 11U);
    EXPECT_EQ(results[0], " 1250 ");
    EXPECT_EQ(results[9], "-1 ");
}

} // namespace
