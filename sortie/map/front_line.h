#pragma once
// Front lines of the game's "frntline.dat": sets of 600 bytes, each 30 points of 20 bytes whose first
// eight bytes are the point's world X and Y. A point of eight 255 bytes ends the line.

#include "common/problem.h"
#include "sortie/map/map_picture.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace sortie {

inline constexpr int kFrontLinePoints = 30;
inline constexpr std::size_t kFrontLinePointSize = 20;
inline constexpr std::size_t kFrontLineSetSize = kFrontLinePoints * kFrontLinePointSize;
inline constexpr int kFrontLineWidth = 2;

struct FrontLinePoint {
    std::array<std::uint8_t, 8> bytes{}; // X1..X4, Y1..Y4
    long mapX = 0;
    long mapY = 0;

    bool terminator() const;
};

// The grid `G`: point p (1 to 30) is points[p - 1].
struct FrontLineGrid {
    std::array<FrontLinePoint, kFrontLinePoints> points{};
    int set = 0;
    // Points 1 to end are joined: end is the point before the lowest terminator, 0 with none at all.
    int end = 0;
};

// Set `set` of the file's bytes. A set the file does not wholly hold is refused with a problem (and
// an empty grid), so nothing is read past the file's end and no half-read line is drawn.
common::Result<FrontLineGrid> readFrontLine(std::string_view bytes, int set);

// Joins points 1 to `end` with green lines of width 2.
void drawFrontLine(MapPicture& picture, const FrontLineGrid& G);

} // namespace sortie
