#include "sortie/map/tile_map.h"

#include <algorithm>
#include <array>
#include <vector>

namespace sortie {

namespace {

struct Run {
    int first; // columns of a run of land tiles, inclusive
    int last;
};

// Runs of land per tile row, only for the rows that can reach the picture.
std::vector<std::vector<Run>> landRuns(std::string_view tiles, int rows) {
    std::vector<std::vector<Run>> runs(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        const std::size_t start = static_cast<std::size_t>(r) * kTileColumns;
        const int columns = static_cast<int>(std::min<std::size_t>(kTileColumns, tiles.size() - start));
        auto& row = runs[static_cast<std::size_t>(r)];
        int c = 0;
        while (c < columns) {
            while (c < columns && !isLandTile(static_cast<std::uint8_t>(tiles[start + c])))
                ++c;
            if (c == columns)
                break;
            const int first = c;
            while (c < columns && isLandTile(static_cast<std::uint8_t>(tiles[start + c])))
                ++c;
            row.push_back({first, c - 1});
        }
    }
    return runs;
}

} // namespace

void drawTiles(MapPicture& picture, std::string_view tiles) {
    constexpr int reach = kTileDotWidth / 2; // a dot covers rows centre - 5 to centre + 5
    std::array<int, reach + 1> half{};
    for (int dy = 0; dy <= reach; ++dy)
        half[static_cast<std::size_t>(dy)] = penHalfWidth(kTileDotWidth, dy);
    // Neighbouring dots of a run overlap (half widths of at least 2 against a spacing of 4), so a run
    // of land tiles is one unbroken span on each picture row it reaches.
    static_assert(kTileUnits <= 2 * 2 + 1);

    const std::size_t fileRows = (tiles.size() + kTileColumns - 1) / kTileColumns;
    const int lastUseful =
        (picture.height() - 1 + reach - kTileUnits / 2) / kTileUnits; // row reaching the edge
    const int rows =
        static_cast<int>(std::min<std::size_t>(fileRows, static_cast<std::size_t>(lastUseful) + 1));
    const auto runs = landRuns(tiles, rows);

    for (int y = 0; y < picture.height(); ++y) {
        // Tile rows r whose centre 4r + 2 lies within `reach` of y.
        const int rFirst = std::max(0, (y - reach - kTileUnits / 2 + kTileUnits - 1) / kTileUnits);
        const int rLast = std::min(rows - 1, (y + reach - kTileUnits / 2) / kTileUnits);
        for (int r = rFirst; r <= rLast; ++r) {
            int dy = y - tileCentre(r);
            dy = dy < 0 ? -dy : dy;
            if (dy > reach)
                continue;
            const int h = half[static_cast<std::size_t>(dy)];
            for (const Run& run : runs[static_cast<std::size_t>(r)])
                picture.fillSpan(y, tileCentre(run.first) - h, tileCentre(run.last) + h, kLandColour);
        }
    }
}

} // namespace sortie
