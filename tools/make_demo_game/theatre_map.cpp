// Generates "eaw.tm" from the demo coastline.

#include "make_demo_game/theatre_map.h"

#include "make_demo_game/geography.h"

#include <utility>

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

} // namespace

std::string eawTm() {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(kMapColumns) * kMapRows);
    for (int row = 0; row < kMapRows; ++row) {
        // The last row breaks off, as a file cut short would: readers draw what it holds.
        const int columns = row == kMapRows - 1 ? kLastRowColumns : kMapColumns;
        for (int column = 0; column < columns; ++column) {
            bytes.push_back(
                static_cast<char>(isLand(column, row) ? landKind(column, row) : seaKind(column, row)));
        }
    }
    return bytes;
}

} // namespace demo
