#pragma once
// The invented theatre of the demo: the English Channel on a 640 x 320 tile grid (England north,
// France and the Low Countries south and east), and the game's byte encoding of map positions.

#include <cstdint>

namespace demo {

inline constexpr int kMapColumns = 640;
inline constexpr int kMapRows = 320;

enum class Region { Sea, England, Continent };

// What lies at tile (column, row); outside the grid is sea.
Region regionAt(int column, int row);
inline bool isLand(int column, int row) {
    return regionAt(column, row) != Region::Sea;
}

// Row of England's south coast and of the continent's north coast at a column (tiles); the
// Channel lies between them. Only meaningful where both coasts exist (columns 20 to 470).
int englandCoastRow(int column);
int continentCoastRow(int column);

// The nearest land tile of `wanted` region from (column, row), searching along the column first
// (north for England, south for the continent), then sideways. Returns false when none is near.
bool nearestLand(Region wanted, int& column, int& row);

// The four position bytes of a 32-bit world X or Y whose map unit is `mapX` / `mapY`
// (0 to 2559 / 0 to 1279); bytes 0 and 1 carry an invented fraction.
struct WorldBytes {
    std::uint8_t b1, b2, b3, b4;
};
WorldBytes worldX(int mapX, int salt);
WorldBytes worldY(int mapY, int salt);

// Map unit of the centre of a tile.
inline int tileCentre(int tile) {
    return 4 * tile + 2;
}

} // namespace demo
