// Generates "eaw.tm" from the demo coastline and "frntline.dat" with its front-line sets.

#include "make_demo_game/theatre_map.h"

#include "make_demo_game/geography.h"

#include <cmath>
#include <utility>
#include <vector>

namespace demo {
namespace {

std::uint8_t landKind(int column, int row) {
    // Mostly open country, with woods, towns and hills scattered deterministically.
    const int h = (column * 7919 + row * 104729 + (column / 9) * (row / 7) * 31) % 100;
    if (h < 12) {
        return 3; // woods
    }
    if (h < 16) {
        return 4; // town
    }
    if (h < 24) {
        return 5; // hills
    }
    return static_cast<std::uint8_t>(h % 2); // fields and pasture
}

std::uint8_t seaKind(int column, int row) {
    // Kind 2 throughout; the high bits vary (shallows near land) and must be ignored by readers.
    for (const auto& [dc, dr] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}}) {
        if (isLand(column + dc, row + dr)) {
            return 66;
        }
    }
    return (column + row) % 17 == 0 ? 130 : 2;
}

void appendPoint(std::string& out, int column, int row, int salt) {
    const WorldBytes x = worldX(tileCentre(column), salt);
    const WorldBytes y = worldY(tileCentre(row), salt);
    for (const std::uint8_t b : {x.b1, x.b2, x.b3, x.b4, y.b1, y.b2, y.b3, y.b4}) {
        out.push_back(static_cast<char>(b));
    }
    out.append(12, '\0');
}

void appendSet(std::string& out, const std::vector<std::pair<int, int>>& points, int salt) {
    int written = 0;
    for (const auto& [column, row] : points) {
        if (written == kFrontLinePoints - 1) {
            break; // keep room for the terminator
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

std::string eawTm() {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(kMapColumns) * kMapRows);
    for (int row = 0; row < kMapRows; ++row) {
        for (int column = 0; column < kMapColumns; ++column) {
            bytes.push_back(
                static_cast<char>(isLand(column, row) ? landKind(column, row) : seaKind(column, row)));
        }
    }
    return bytes;
}

std::string frontLineDat() {
    std::string bytes;
    appendSet(bytes, channelLine(), 0);
    for (int stage = 1; stage <= 11; ++stage) {
        appendSet(bytes, bridgehead(stage), stage * 31);
    }
    appendSet(bytes, line1945(), 12 * 31);
    return bytes;
}

} // namespace demo
