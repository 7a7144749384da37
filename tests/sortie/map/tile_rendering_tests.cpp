// The land of "eaw.tm" on the map picture, pixel by pixel against the rule drawn independently.
#include "map_test_files.h"

#include "sortie/map/theatre_map.h"
#include "sortie/map/tile_map.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace sortie {
namespace {

using testing::referenceTiles;

// Index of the first pixel that differs, or -1.
long firstDifference(const std::vector<Pixel>& got, const std::vector<Pixel>& want) {
    const auto mismatch = std::mismatch(got.begin(), got.end(), want.begin());
    return mismatch.first == got.end() ? -1 : static_cast<long>(mismatch.first - got.begin());
}

std::string patternedTiles(std::size_t size) {
    // Kinds 2, 66, 130 and 194 are sea; 0, 1, 3 and 64 land; mixed in runs of varying length so
    // coasts, single-tile islands and one-tile channels all occur.
    static const unsigned char kinds[] = {2, 66, 130, 194, 0, 1, 3, 64};
    std::string tiles(size, '\0');
    unsigned seed = 77;
    for (std::size_t n = 0; n < size; ++n) {
        seed = seed * 1103515245U + 12345U;
        const unsigned run = (seed >> 16) % 11;
        tiles[n] = static_cast<char>(kinds[(run < 5 ? (n / 7) % 4 : 4 + (seed >> 8) % 4) % 8]);
    }
    return tiles;
}

TEST(TileRendering, FullShortAndPartialMapsMatchTheDiscRulePixelForPixel) {
    struct Case {
        const char* what;
        std::string tiles;
    };
    const std::vector<Case> cases = {
        {"full 640 x 320", patternedTiles(640 * 320)},
        {"short, ending inside row 200", patternedTiles(640 * 200 + 333)},
        {"one partial row", patternedTiles(17)},
        {"every tile land", std::string(640 * 320, '\x40')},
        {"longer than the picture", patternedTiles(640 * 330)},
        {"empty", std::string()},
    };
    for (const Case& c : cases) {
        MapPicture picture;
        drawTiles(picture, c.tiles);
        const auto want = referenceTiles(c.tiles);
        const long at = firstDifference(picture.pixels(), want);
        EXPECT_EQ(at, -1) << c.what << ": first wrong pixel at x " << at % kMapWidth << ", y "
                          << at / kMapWidth;
    }
}

TEST(TileRendering, OnlyTheLowSixBitsDecideSea) {
    for (const unsigned kind : {2U, 66U, 130U, 194U})
        EXPECT_FALSE(isLandTile(static_cast<std::uint8_t>(kind))) << kind;
    for (const unsigned kind : {0U, 1U, 3U, 64U, 255U})
        EXPECT_TRUE(isLandTile(static_cast<std::uint8_t>(kind))) << kind;

    // One land tile at column 10, row 5: its dot is 11 units across and round.
    std::string tiles(640 * 6, '\x02');
    tiles[640 * 5 + 10] = '\x40';
    MapPicture picture;
    drawTiles(picture, tiles);
    const int cx = 42, cy = 22;
    EXPECT_EQ(picture.at(cx - 5, cy), kLandColour);
    EXPECT_EQ(picture.at(cx + 5, cy), kLandColour);
    EXPECT_EQ(picture.at(cx + 6, cy), kMapBackground);
    EXPECT_EQ(picture.at(cx, cy - 5), kLandColour);
    EXPECT_EQ(picture.at(cx, cy + 6), kMapBackground);
    EXPECT_EQ(picture.at(cx + 4, cy + 3), kLandColour);    // 16 + 9 <= 30
    EXPECT_EQ(picture.at(cx + 4, cy + 4), kMapBackground); // 16 + 16 > 30
    EXPECT_EQ(picture.at(cx - 3, cy - 5), kMapBackground); // 9 + 25 > 30
    EXPECT_EQ(picture.at(cx + 5, cy + 2), kLandColour);    // 25 + 4 <= 30
}

TEST(TileRendering, EveryBuildStartsFromAnEmptyPicture) {
    TargetGrid Tg;
    TheatreMap map;
    map.buildFrom(std::string(640 * 320, '\0'), Tg);
    EXPECT_TRUE(map.ready());
    const std::string second = patternedTiles(640 * 100);
    map.buildFrom(second, Tg);
    EXPECT_EQ(firstDifference(map.picture().pixels(), referenceTiles(second)), -1);

    TheatreMap fresh;
    fresh.buildFrom(second, Tg);
    EXPECT_EQ(map.picture().pixels(), fresh.picture().pixels());
}

} // namespace
} // namespace sortie
