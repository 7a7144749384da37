#pragma once
// An indexed-colour drawing surface for the demo pictures, with a built-in caption font, so the
// pictures need no windowing system and come out identical on every machine.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace demo {

enum class Colour : std::uint8_t {
    Black,
    White,
    Sky,
    PaleSky,
    Sea,
    DeepSea,
    Land,
    Forest,
    Sand,
    Red,
    Blue,
    Yellow,
    Grey,
    DarkGrey,
    Navy,
    Cream,
    Khaki,
    Count
};

struct Rgb {
    std::uint8_t r, g, b;
};

// The palette every picture shares (index = Colour).
const std::array<Rgb, static_cast<std::size_t>(Colour::Count)>& palette();

class Canvas final {
  public:
    Canvas(int width, int height, Colour background);

    int width() const { return width_; }
    int height() const { return height_; }
    Colour at(int x, int y) const;

    // Everything below clips to the canvas.
    void set(int x, int y, Colour colour);
    void fillRect(int x, int y, int w, int h, Colour colour);
    void frame(int x, int y, int w, int h, int thickness, Colour colour);
    void line(int x0, int y0, int x1, int y1, int thickness, Colour colour);
    void fillEllipse(int cx, int cy, int rx, int ry, Colour colour);
    // Horizontal bands from `top` to `bottom` stepping through the colours, for skies and seas.
    void bands(int top, int bottom, const std::vector<Colour>& colours);

    // Caption text in the built-in 5 x 7 font; each font pixel becomes a scale x scale square.
    // Lower-case letters are drawn as capitals. A glyph cell is 6 x 8 font pixels.
    static int textWidth(std::string_view text, int scale);
    static int textHeight(int scale) { return 7 * scale; }
    void text(int x, int y, std::string_view text, int scale, Colour colour);
    // Centred on cx, with a one-pixel-per-scale shadow so it reads on any background.
    void caption(int cx, int y, std::string_view text, int scale, Colour colour, Colour shadow);
    // The largest scale (at most `maxScale`, at least 1) at which the text fits `width`.
    static int fittingScale(std::string_view text, int width, int maxScale);

    // A simple aircraft seen from above, nose up, wingspan `span` pixels.
    void aircraft(int cx, int cy, int span, Colour body, Colour marking);

  private:
    int width_;
    int height_;
    std::vector<std::uint8_t> pixels_;
};

// The 7 rows of a glyph, 5 bits each (bit 4 = leftmost column); unknown characters draw as "?".
const std::array<std::uint8_t, 7>& glyphRows(char c);

} // namespace demo
