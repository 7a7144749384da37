// Coastlines of the demo's Channel theatre, drawn from control points with a little wobble.

#include "make_demo_game/geography.h"

#include <array>
#include <cmath>
#include <utility>

namespace demo {
namespace {

using Points = std::initializer_list<std::pair<int, int>>;

// Piecewise-linear row through (column, row) control points; ends held flat.
int interpolate(Points points, int column) {
    auto previous = *points.begin();
    if (column <= previous.first) {
        return previous.second;
    }
    for (const auto& point : points) {
        if (column <= point.first) {
            const int span = point.first - previous.first;
            return previous.second + (point.second - previous.second) * (column - previous.first) / span;
        }
        previous = point;
    }
    return previous.second;
}

int wobble(int column, double phase) {
    return static_cast<int>(
        std::lround(2.0 * std::sin(column * 0.29 + phase) + 1.2 * std::sin(column * 0.11)));
}

bool insideEllipse(int column, int row, int cx, int cy, int rx, int ry) {
    const double dx = static_cast<double>(column - cx) / rx;
    const double dy = static_cast<double>(row - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

// North edge of Cornwall and Devon (sea above it, west of the Severn).
int bristolChannelSouthRow(int column) {
    return interpolate({{15, 146}, {40, 131}, {70, 118}, {100, 101}, {130, 84}, {160, 72}, {176, 58}},
                       column);
}

// South edge of Wales (land above it).
int walesCoastRow(int column) {
    return interpolate({{56, 0}, {62, 32}, {90, 44}, {120, 50}, {150, 50}, {176, 52}}, column);
}

bool englandAt(int column, int row) {
    if (column < 18 || column > 505) {
        return false;
    }
    if (insideEllipse(column, row, 300, 134, 13, 5)) {
        return true; // Isle of Wight
    }
    if (row >= englandCoastRow(column)) {
        return false;
    }
    if (column < 176 && row < bristolChannelSouthRow(column) &&
        (column < 56 || row > walesCoastRow(column))) {
        return false; // Atlantic and Bristol Channel
    }
    if (column >= 395 && column <= 470 && row >= 80 - (column - 395) / 12 && row <= 82 + (column - 395) / 7) {
        return false; // Thames estuary
    }
    return true;
}

bool continentAt(int column, int row) {
    if (insideEllipse(column, row, 205, 196, 5, 3) || insideEllipse(column, row, 216, 206, 3, 2)) {
        return true; // Channel Islands
    }
    if (row <= continentCoastRow(column)) {
        return false;
    }
    if (insideEllipse(column, row, 598, 98, 18, 5)) {
        return false; // Scheldt estuary
    }
    return !(column < 20 && row < 300); // Atlantic west of Brittany
}

} // namespace

int englandCoastRow(int column) {
    const int base = interpolate({{18, 150},  {30, 160},  {60, 150},  {100, 150}, {120, 145}, {150, 140},
                                  {170, 150}, {190, 132}, {220, 128}, {235, 138}, {250, 126}, {280, 124},
                                  {300, 122}, {330, 124}, {360, 128}, {390, 124}, {410, 127}, {425, 118},
                                  {432, 110}, {440, 96},  {455, 86},  {470, 60},  {490, 40},  {505, 0}},
                                 column);
    return base + wobble(column, 0.0);
}

int continentCoastRow(int column) {
    const int base = interpolate({{0, 330},   {20, 250},  {40, 228},  {80, 222},  {110, 226}, {140, 218},
                                  {150, 232}, {180, 224}, {200, 215}, {215, 180}, {225, 168}, {245, 170},
                                  {258, 172}, {262, 190}, {270, 205}, {290, 208}, {320, 204}, {345, 195},
                                  {380, 180}, {400, 172}, {420, 165}, {432, 152}, {445, 150}, {470, 146},
                                  {500, 138}, {530, 128}, {560, 116}, {590, 100}, {620, 80},  {639, 60}},
                                 column);
    return base + wobble(column, 2.0);
}

Region regionAt(int column, int row) {
    if (column < 0 || row < 0 || column >= kMapColumns || row >= kMapRows) {
        return Region::Sea;
    }
    if (englandAt(column, row)) {
        return Region::England;
    }
    if (continentAt(column, row)) {
        return Region::Continent;
    }
    return Region::Sea;
}

bool nearestLand(Region wanted, int& column, int& row) {
    const int step = wanted == Region::England ? -1 : 1;
    for (int sideways = 0; sideways <= 40; ++sideways) {
        for (const int dc : {sideways, -sideways}) {
            for (int along = 0; along <= 60; ++along) {
                const int c = column + dc;
                const int r = row + step * along;
                if (regionAt(c, r) == wanted) {
                    column = c;
                    row = r;
                    return true;
                }
            }
        }
    }
    return false;
}

WorldBytes worldX(int mapX, int salt) {
    // map X = ((X4 + 3) mod 256) x 256 + (X3 - 128)
    const int v = mapX + 128;
    return {static_cast<std::uint8_t>((salt * 29) % 256), static_cast<std::uint8_t>((salt * 73 + 11) % 256),
            static_cast<std::uint8_t>(v % 256), static_cast<std::uint8_t>((v / 256 + 253) % 256)};
}

WorldBytes worldY(int mapY, int salt) {
    // map Y = (Y4 - 228) x 256 + (Y3 - 128)
    const int v = mapY + 128;
    return {static_cast<std::uint8_t>((salt * 41 + 5) % 256),
            static_cast<std::uint8_t>((salt * 17 + 3) % 256), static_cast<std::uint8_t>(v % 256),
            static_cast<std::uint8_t>(228 + v / 256)};
}

} // namespace demo
