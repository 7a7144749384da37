// Generates "frntline.dat" with its front-line sets.

#include "make_demo_game/front_lines.h"

#include "make_demo_game/geography.h"

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace demo {
namespace {

void appendPoint(std::string& out, int column, int row, int salt) {
    const WorldBytes x = worldX(tileCentre(column), salt);
    const WorldBytes y = worldY(tileCentre(row), salt);
    for (const std::uint8_t b : {x.b1, x.b2, x.b3, x.b4, y.b1, y.b2, y.b3, y.b4}) {
        out.push_back(static_cast<char>(b));
    }
    out.append(12, '\0');
}

// The points, a terminator, then `leftovers` (points after the end, never drawn) and padding.
void appendSet(std::string& out, const std::vector<std::pair<int, int>>& points, int salt,
               const std::vector<std::pair<int, int>>& leftovers = {}) {
    int written = 0;
    for (const auto& [column, row] : points) {
        if (written == kFrontLinePoints - 1) {
            break; // keep room for the terminator
        }
        appendPoint(out, column, row, salt + written);
        ++written;
    }
    out.append(8, '\xff');
    out.append(12, '\0');
    ++written;
    for (const auto& [column, row] : leftovers) {
        if (written == kFrontLinePoints) {
            break;
        }
        appendPoint(out, column, row, salt + written);
        ++written;
    }
    for (; written < kFrontLinePoints; ++written) {
        out.append(8, '\xff');
        out.append(12, '\0');
    }
}

std::vector<std::pair<int, int>> channelLine() {
    std::vector<std::pair<int, int>> points;
    for (int column = 20; column <= 460; column += 30) {
        points.emplace_back(column, (englandCoastRow(column) + continentCoastRow(column)) / 2);
    }
    points.emplace_back(490, 110);
    points.emplace_back(520, 80);
    points.emplace_back(550, 45);
    return points;
}

std::vector<std::pair<int, int>> bridgehead(int stage) {
    // A half-ring south of the Normandy beaches, wider at each stage.
    std::vector<std::pair<int, int>> points;
    const double radius = 6.0 + 5.0 * stage;
    for (int k = 0; k <= 10; ++k) {
        const double angle = 3.14159265358979 * k / 10.0;
        const int column = 290 + static_cast<int>(std::lround(-radius * 1.3 * std::cos(angle)));
        const int row = 206 + static_cast<int>(std::lround(radius * std::sin(angle)));
        points.emplace_back(column, row);
    }
    return points;
}

std::vector<std::pair<int, int>> line1945() {
    std::vector<std::pair<int, int>> points;
    for (int row = 105; row <= 315; row += 15) {
        points.emplace_back(612 - row / 40 + static_cast<int>(std::lround(4.0 * std::sin(row / 23.0))), row);
    }
    return points;
}

} // namespace

std::string frontLineDat() {
    std::string bytes;
    appendSet(bytes, channelLine(), 0);
    for (int stage = 1; stage <= 11; ++stage) {
        appendSet(bytes, bridgehead(stage), stage * 31);
    }
    // A withdrawn stretch of the line is left in the file after the terminator.
    appendSet(bytes, line1945(), 12 * 31, {{560, 150}, {540, 200}, {520, 250}});
    return bytes;
}

} // namespace demo
