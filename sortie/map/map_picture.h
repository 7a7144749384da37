#pragma once
// The map picture as plain pixels: 2560 x 1280 map units, one 32-bit pixel (0xAARRGGBB) per unit,
// rows from the top. The window shows this buffer as it is; nothing here knows about Qt.

#include <cstdint>
#include <vector>

namespace sortie {

inline constexpr int kMapWidth = 2560;
inline constexpr int kMapHeight = 1280;

using Pixel = std::uint32_t;

// A toolkit colour value (hexadecimal, blue-green-red order: FF is red) as an opaque pixel.
constexpr Pixel pixelFromBgr(std::uint32_t bgr) {
    const std::uint32_t red = bgr & 0xFF;
    const std::uint32_t green = (bgr >> 8) & 0xFF;
    const std::uint32_t blue = (bgr >> 16) & 0xFF;
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

inline constexpr Pixel kLandColour = pixelFromBgr(0xC0FFC0);
inline constexpr Pixel kAirfieldColour = pixelFromBgr(0xFF);
inline constexpr Pixel kTargetColour = pixelFromBgr(0xFF0000);
inline constexpr Pixel kFrontLineColour = pixelFromBgr(0xFF00);
// What an emptied picture shows: the sea.
inline constexpr Pixel kMapBackground = pixelFromBgr(0xF0E0D0);

// Half the width of a round pen's footprint at a vertical distance from its centre: a pen of odd
// width w covers (dx, dy) when dx^2 + dy^2 <= floor(w^2 / 4), so width 11 gives the radius^2 of 30.
// Returns -1 where the footprint has no pixel.
int penHalfWidth(int width, int dy);

class MapPicture final {
  public:
    MapPicture();

    int width() const { return kMapWidth; }
    int height() const { return kMapHeight; }
    const std::vector<Pixel>& pixels() const { return pixels_; }
    Pixel at(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * kMapWidth + x]; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < kMapWidth && y < kMapHeight; }

    void clear(Pixel colour = kMapBackground);
    // Pixels x0 to x1 (inclusive) of row y, clipped to the picture.
    void fillSpan(int y, int x0, int x1, Pixel colour);
    // A point drawn with a round pen of the given width, clipped; even widths draw a square pen.
    void drawPoint(int x, int y, int width, Pixel colour);
    // A straight line with a pen of the given width, end points included, clipped.
    void drawLine(int x0, int y0, int x1, int y1, int width, Pixel colour);

  private:
    Pixel* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * kMapWidth; }
    std::vector<Pixel> pixels_;
};

} // namespace sortie
