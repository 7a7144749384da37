#pragma once
// Hand-made map files for the theatre map tests: target records at chosen position bytes, tile maps,
// front-line sets, and an independent drawing of the tile rule to compare pictures against.

#include "sortie/map/map_picture.h"
#include "sortie/theatre/target_grid.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace sortie::testing {

// A `Tg` row as the target reader fills it: X3, X4, Y3, Y4 in columns 3, 4, 7, 8, "Check" in 19.
inline TargetGrid::Row tgRow(int X3, int X4, int Y3, int Y4, int check, const std::string& name) {
    TargetGrid::Row row{};
    for (auto& cell : row)
        cell = "0";
    row[3] = std::to_string(X3);
    row[4] = std::to_string(X4);
    row[7] = std::to_string(Y3);
    row[8] = std::to_string(Y4);
    row[kTgCheckColumn] = std::to_string(check);
    row[kTgNameColumn] = name;
    row[kTgMapXColumn].clear();
    row[kTgMapYColumn].clear();
    return row;
}

// A row for a marker at map (x, y), 0 <= x < 65536 - 768 and y >= -58368; encoded by hand so that
// a fault in the decoding formulas is not mirrored here.
inline TargetGrid::Row tgRowAt(int x, int y, bool airfield, const std::string& name) {
    const int vx = x + 128;
    const int vy = y + 128;
    return tgRow(vx % 256, (vx / 256 + 253) % 256, vy % 256, 228 + vy / 256, airfield ? 64 + 3 : 3, name);
}

// Eight position bytes of a point at map (x, y), then twelve unread bytes.
inline std::string frontPointAt(int x, int y) {
    const int vx = x + 128;
    const int vy = y + 128;
    std::string p = {'\x11', '\x22', static_cast<char>(vx % 256), static_cast<char>((vx / 256 + 253) % 256),
                     '\x33', '\x44', static_cast<char>(vy % 256), static_cast<char>(228 + vy / 256)};
    p.append(12, '\x5A');
    return p;
}
inline std::string frontTerminator() {
    return std::string(8, '\xFF') + std::string(12, '\0');
}

// The land rule drawn pixel by pixel, straight from its definition: a pixel is land when some land
// tile's centre (4c + 2, 4r + 2) lies within a squared distance of 30.
inline std::vector<Pixel> referenceTiles(const std::string& tiles) {
    std::vector<Pixel> out(static_cast<std::size_t>(kMapWidth) * kMapHeight, kMapBackground);
    const auto land = [&](long c, long r) {
        if (c < 0 || c >= 640 || r < 0)
            return false;
        const std::size_t at = static_cast<std::size_t>(r) * 640 + static_cast<std::size_t>(c);
        return at < tiles.size() && (static_cast<unsigned char>(tiles[at]) % 64) != 2;
    };
    for (long y = 0; y < kMapHeight; ++y)
        for (long x = 0; x < kMapWidth; ++x)
            for (long r = y / 4 - 2; r <= y / 4 + 2; ++r)
                for (long c = x / 4 - 2; c <= x / 4 + 2; ++c)
                    if ((x - 4 * c - 2) * (x - 4 * c - 2) + (y - 4 * r - 2) * (y - 4 * r - 2) <= 30 &&
                        land(c, r)) {
                        out[static_cast<std::size_t>(y * kMapWidth + x)] = kLandColour;
                        r = y / 4 + 3;
                        break;
                    }
    return out;
}

} // namespace sortie::testing
