#pragma once
// The game's tile map "eaw.tm": one byte per tile, 640 tiles a row, rows from the top. Every tile whose
// terrain kind (the low six bits) is not 2 is land and becomes a dot of width 11 on the map picture.

#include "sortie/map/map_picture.h"

#include <cstdint>
#include <string_view>

namespace sortie {

inline constexpr int kTileColumns = 640;
inline constexpr int kTileUnits = 4; // map units per tile
inline constexpr int kTileDotWidth = 11;
inline constexpr int kSeaKind = 2;

constexpr bool isLandTile(std::uint8_t tile) {
    return (tile & 63) != kSeaKind;
}

// Map unit of a tile's centre along either axis.
constexpr int tileCentre(int tile) {
    return kTileUnits * tile + kTileUnits / 2;
}

// Draws the land of `tiles` onto the picture (which is not emptied here). A file whose length is not
// a whole number of rows draws its last row as far as it goes. Each picture row is filled in runs of
// land rather than dot by dot, so every covered pixel is written a few times at most.
void drawTiles(MapPicture& picture, std::string_view tiles);

} // namespace sortie
