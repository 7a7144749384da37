// Markers, front lines, the name under the pointer and picking on the theatre map.
#include "map_test_files.h"

#include "sortie/map/front_line.h"
#include "sortie/map/map_position.h"
#include "sortie/map/theatre_map.h"

#include <gtest/gtest.h>

namespace sortie {
namespace {

using testing::frontPointAt;
using testing::frontTerminator;
using testing::tgRow;
using testing::tgRowAt;

const std::string kSea(640 * 320, '\x02');

TEST(MapPosition, ByteFormulasWrapXOnlyForTheTopThreeValues) {
    EXPECT_EQ(mapXFrom(128, 253), 0);
    EXPECT_EQ(mapXFrom(128, 254), 256);
    EXPECT_EQ(mapXFrom(128, 255), 512);
    EXPECT_EQ(mapXFrom(0, 253), -128);
    EXPECT_EQ(mapXFrom(255, 6), 9 * 256 + 127);
    EXPECT_EQ(mapXFrom(128, 0), 768);
    EXPECT_EQ(mapYFrom(128, 228), 0);
    EXPECT_EQ(mapYFrom(0, 229), 128);
    EXPECT_EQ(mapYFrom(128, 0), -228 * 256);
    EXPECT_EQ(mapYFrom(255, 255), 27 * 256 + 127);
}

TEST(TargPlot, WritesPositionsIntoTheGridAndDrawsRedAirfieldsAndBlueTargets) {
    TargetGrid Tg;
    Tg.rows = {tgRow(128, 253, 128, 228, 64, "corner field"),  // (0, 0)
               tgRow(100, 254, 0, 229, 3, "depot"),            // (228, 128)
               tgRow(200, 255, 10, 230, 64 + 128, "airfield"), // (584, 394)
               tgRow(50, 0, 60, 232, 63, "bridge")};           // (690, 956): bits below 6 are no airfield
    TheatreMap map;
    map.buildFrom(kSea, Tg);

    const std::vector<std::pair<std::string, std::string>> positions = {
        {"0", "0"}, {"228", "128"}, {"584", "394"}, {"690", "956"}};
    for (std::size_t k = 0; k < positions.size(); ++k) {
        EXPECT_EQ(Tg.rows[k][kTgMapXColumn], positions[k].first) << k;
        EXPECT_EQ(Tg.rows[k][kTgMapYColumn], positions[k].second) << k;
    }
    const MapPicture& p = map.picture();
    EXPECT_EQ(p.at(0, 0), kAirfieldColour);
    EXPECT_EQ(p.at(2, 1), kAirfieldColour);
    EXPECT_EQ(p.at(228, 128), kTargetColour);
    EXPECT_EQ(p.at(226, 129), kTargetColour); // width 5 reaches 2 units
    EXPECT_EQ(p.at(225, 128), kMapBackground);
    EXPECT_EQ(p.at(226, 126), kMapBackground); // the pen is round: corners stay clear
    EXPECT_EQ(p.at(584, 394), kAirfieldColour);
    EXPECT_EQ(p.at(690, 956), kTargetColour);
}

TEST(TargPlot, MarkersOffThePictureAreNeitherDrawnNorPickable) {
    TargetGrid Tg;
    Tg.rows = {tgRow(128, 0, 128, 0, 64, "far north"),    // y = -58368
               tgRow(255, 252, 128, 228, 64, "far east"), // x = 65407
               tgRowAt(2559, 1279, true, "last pixel"), tgRow(0, 0, 0, 0, 0, "")};
    Tg.rows[3].fill(""); // a record cut short: empty cells read as 0
    TheatreMap map;
    map.buildFrom(kSea, Tg);
    EXPECT_FALSE(map.markers()[0].onPicture);
    EXPECT_FALSE(map.markers()[1].onPicture);
    EXPECT_TRUE(map.markers()[2].onPicture);
    EXPECT_EQ(Tg.rows[3][kTgMapXColumn], "640");
    EXPECT_EQ(Tg.rows[3][kTgMapYColumn], "-58496");
    EXPECT_EQ(map.picture().at(2559, 1279), kAirfieldColour);
    EXPECT_EQ(map.picture().at(2557, 1279), kAirfieldColour);

    map.hover(0, -58368, false);
    EXPECT_FALSE(map.nameLabel().visible);
    EXPECT_FALSE(map.pick(0));
    map.hover(2558.5, 1278, false);
    EXPECT_EQ(map.nameLabel().caption, "last pixel");
}

class Pointer : public ::testing::Test {
  protected:
    void SetUp() override {
        Tg.rows = {tgRowAt(100, 100, true, "Field A"), tgRowAt(103, 101, false, "Depot B"),
                   tgRowAt(400, 300, false, "Bridge C"), tgRowAt(800, 600, true, "Field D")};
        map.buildFrom(kSea, Tg);
    }
    TargetGrid Tg;
    TheatreMap map;
};

TEST_F(Pointer, NameShowsWithinTwoUnitsInBothDirectionsAndTheLaterRowWins) {
    map.hover(402, 298, false);
    EXPECT_TRUE(map.nameLabel().visible);
    EXPECT_EQ(map.nameLabel().caption, "Bridge C");
    EXPECT_DOUBLE_EQ(map.nameLabel().left, 407);
    EXPECT_DOUBLE_EQ(map.nameLabel().top, 298);
    EXPECT_EQ(map.hoveredRow(), 3);

    map.hover(402.5, 300, false);
    EXPECT_FALSE(map.nameLabel().visible);
    EXPECT_EQ(map.nameLabel().caption, "");
    EXPECT_EQ(map.hoveredRow(), 3) << "the hovered record stays until another is found";
    map.hover(400, 297.5, false);
    EXPECT_FALSE(map.nameLabel().visible);

    // (101, 100) is within reach of both A (100, 100) and B (103, 101): B is the later row.
    map.hover(101, 100, false);
    EXPECT_EQ(map.nameLabel().caption, "Depot B");
    EXPECT_EQ(map.hoveredRow(), 2);
    map.hover(99, 100, false);
    EXPECT_EQ(map.nameLabel().caption, "Field A");
}

TEST_F(Pointer, NothingChangesWithAButtonHeldDuringABuildOrWithThePointerOff) {
    map.hover(400, 300, false);
    map.hover(800, 600, true);
    EXPECT_EQ(map.nameLabel().caption, "Bridge C");

    map.setPointerEnabled(false);
    EXPECT_FALSE(map.nameLabel().visible);
    map.hover(800, 600, false);
    EXPECT_FALSE(map.nameLabel().visible);
    EXPECT_FALSE(map.pick(0));
    map.setPointerEnabled(true);

    TheatreMap unbuilt;
    unbuilt.hover(0, 0, false);
    EXPECT_FALSE(unbuilt.nameLabel().visible);
}

TEST_F(Pointer, HomeBaseMustBeAnAirfieldWhileAnyRecordMayBeTheTarget) {
    EXPECT_FALSE(map.pick(0)) << "no marker under the pointer";
    map.hover(400, 300, false);
    const auto target = map.pick(0);
    ASSERT_TRUE(target);
    EXPECT_EQ(target->which, 0);
    EXPECT_EQ(target->record, 2);
    EXPECT_EQ(target->name, "Bridge C");
    EXPECT_FALSE(map.pick(1));

    map.hover(800, 600, false);
    const auto base = map.pick(1);
    ASSERT_TRUE(base);
    EXPECT_EQ(base->which, 1);
    EXPECT_EQ(base->record, 3);
    EXPECT_EQ(base->name, "Field D");
}

std::string lineFile(int sets, int set, const std::vector<std::string>& points) {
    std::string bytes;
    for (int s = 0; s < sets; ++s) {
        std::string one;
        if (s == set)
            for (const auto& p : points)
                one += p;
        while (one.size() < kFrontLineSetSize)
            one += frontPointAt(5, 5); // no terminator: a set of its own would draw nothing
        bytes += one;
    }
    return bytes;
}

TEST(FrontLine, TheLowestTerminatorEndsTheLine) {
    struct Case {
        const char* what;
        std::vector<std::string> points;
        int end;
    };
    const std::string a = frontPointAt(100, 100), b = frontPointAt(200, 100), c = frontPointAt(200, 300);
    const std::vector<Case> cases = {
        {"first point a terminator", {frontTerminator(), a, b}, 0},
        {"third point the first terminator", {a, b, frontTerminator(), c, frontTerminator()}, 2},
        {"no terminator at all", {a, b, c}, 0},
        {"terminator as the last point", std::vector<std::string>(29, a), 29},
    };
    for (const Case& k : cases) {
        auto points = k.points;
        if (k.end == 29)
            points.push_back(frontTerminator());
        const auto line = readFrontLine(lineFile(13, 12, points), 12);
        ASSERT_TRUE(line.ok()) << k.what;
        EXPECT_EQ(line.value.end, k.end) << k.what;
        EXPECT_EQ(line.value.set, 12);
    }
}

TEST(FrontLine, DrawsGreenSegmentsBetweenConsecutivePointsOnly) {
    TargetGrid Tg;
    TheatreMap map;
    map.buildFrom(kSea, Tg);
    const std::string bytes = lineFile(1, 0,
                                       {frontPointAt(100, 100), frontPointAt(200, 100),
                                        frontPointAt(200, 300), frontTerminator(), frontPointAt(900, 900)});
    ASSERT_FALSE(map.FrontLineFrom(bytes, 0));
    EXPECT_EQ(map.frontLineGrid().end, 3);
    EXPECT_EQ(map.frontLineGrid().points[1].mapX, 200);
    EXPECT_EQ(map.frontLineGrid().points[2].mapY, 300);
    const MapPicture& p = map.picture();
    EXPECT_EQ(p.at(150, 100), kFrontLineColour);
    EXPECT_EQ(p.at(200, 200), kFrontLineColour);
    EXPECT_EQ(p.at(150, 103), kMapBackground) << "width 2, not wider";
    EXPECT_EQ(p.at(150, 200), kMapBackground) << "the last point is not joined back to the first";
    EXPECT_EQ(p.at(550, 600), kMapBackground) << "nothing after the terminator";
}

TEST(FrontLine, ASetTheFileDoesNotWhollyHoldIsRefusedAndDrawsNothing) {
    TargetGrid Tg;
    TheatreMap map;
    map.buildFrom(kSea, Tg);
    std::string bytes = lineFile(12, 0, {frontPointAt(100, 100), frontPointAt(300, 100), frontTerminator()});
    bytes += frontPointAt(10, 10) + frontPointAt(500, 10) + frontTerminator(); // set 12 breaks off
    const auto before = map.picture().pixels();
    const auto problem = map.FrontLineFrom(bytes, 12);
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->reason.find("set 12 needs bytes 7200 to 7799"), std::string::npos) << problem->reason;
    EXPECT_EQ(map.frontLineGrid().end, 0);
    EXPECT_EQ(map.picture().pixels(), before);
    EXPECT_TRUE(map.ready()) << "the map and its markers stay usable";
    EXPECT_TRUE(map.FrontLineFrom("", 0));
    EXPECT_FALSE(map.FrontLineFrom(bytes, 0));
    EXPECT_EQ(map.picture().at(200, 100), kFrontLineColour);
}

} // namespace
} // namespace sortie
