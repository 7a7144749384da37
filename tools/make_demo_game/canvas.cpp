// Drawing primitives of the demo pictures: rectangles, lines, ellipses, caption text, an aircraft.

#include "make_demo_game/canvas.h"

#include <algorithm>
#include <cstdlib>

namespace demo {

const std::array<Rgb, static_cast<std::size_t>(Colour::Count)>& palette() {
    static const std::array<Rgb, static_cast<std::size_t>(Colour::Count)> colours = {{
        {0, 0, 0},       // Black
        {255, 255, 255}, // White
        {110, 160, 220}, // Sky
        {190, 215, 240}, // PaleSky
        {40, 100, 170},  // Sea
        {20, 60, 120},   // DeepSea
        {120, 170, 90},  // Land
        {50, 110, 50},   // Forest
        {220, 200, 140}, // Sand
        {200, 30, 30},   // Red
        {30, 60, 200},   // Blue
        {250, 210, 40},  // Yellow
        {150, 150, 150}, // Grey
        {70, 70, 70},    // DarkGrey
        {20, 30, 80},    // Navy
        {245, 235, 210}, // Cream
        {160, 150, 100}, // Khaki
    }};
    return colours;
}

Canvas::Canvas(int width, int height, Colour background)
    : width_(std::max(width, 1)), height_(std::max(height, 1)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
              static_cast<std::uint8_t>(background)) {}

Colour Canvas::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return Colour::Black;
    }
    return static_cast<Colour>(pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                       static_cast<std::size_t>(x)]);
}

void Canvas::set(int x, int y, Colour colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] =
        static_cast<std::uint8_t>(colour);
}

void Canvas::fillRect(int x, int y, int w, int h, Colour colour) {
    const int x0 = std::max(x, 0);
    const int y0 = std::max(y, 0);
    const int x1 = std::min(x + w, width_);
    const int y1 = std::min(y + h, height_);
    for (int yy = y0; yy < y1; ++yy) {
        for (int xx = x0; xx < x1; ++xx) {
            set(xx, yy, colour);
        }
    }
}

void Canvas::frame(int x, int y, int w, int h, int thickness, Colour colour) {
    fillRect(x, y, w, thickness, colour);
    fillRect(x, y + h - thickness, w, thickness, colour);
    fillRect(x, y, thickness, h, colour);
    fillRect(x + w - thickness, y, thickness, h, colour);
}

void Canvas::line(int x0, int y0, int x1, int y1, int thickness, Colour colour) {
    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    const int half = thickness / 2;
    for (int i = 0; i <= steps; ++i) {
        const int x = steps == 0 ? x0 : x0 + (x1 - x0) * i / steps;
        const int y = steps == 0 ? y0 : y0 + (y1 - y0) * i / steps;
        fillRect(x - half, y - half, thickness, thickness, colour);
    }
}

void Canvas::fillEllipse(int cx, int cy, int rx, int ry, Colour colour) {
    if (rx <= 0 || ry <= 0) {
        return;
    }
    for (int dy = -ry; dy <= ry; ++dy) {
        for (int dx = -rx; dx <= rx; ++dx) {
            // Integer test of (dx/rx)^2 + (dy/ry)^2 <= 1.
            if (static_cast<long>(dx) * dx * ry * ry + static_cast<long>(dy) * dy * rx * rx <=
                static_cast<long>(rx) * rx * ry * ry) {
                set(cx + dx, cy + dy, colour);
            }
        }
    }
}

void Canvas::bands(int top, int bottom, const std::vector<Colour>& colours) {
    if (colours.empty() || bottom <= top) {
        return;
    }
    const int count = static_cast<int>(colours.size());
    for (int y = top; y < bottom; ++y) {
        const int band = (y - top) * count / (bottom - top);
        fillRect(0, y, width_, 1, colours[static_cast<std::size_t>(band)]);
    }
}

int Canvas::textWidth(std::string_view text, int scale) {
    if (text.empty()) {
        return 0;
    }
    return (static_cast<int>(text.size()) * 6 - 1) * scale;
}

int Canvas::fittingScale(std::string_view text, int width, int maxScale) {
    int scale = std::max(maxScale, 1);
    while (scale > 1 && textWidth(text, scale) > width) {
        --scale;
    }
    return scale;
}

void Canvas::text(int x, int y, std::string_view text, int scale, Colour colour) {
    int penX = x;
    for (const char c : text) {
        const auto& rows = glyphRows(c);
        for (int row = 0; row < 7; ++row) {
            for (int col = 0; col < 5; ++col) {
                if ((rows[static_cast<std::size_t>(row)] >> (4 - col)) & 1U) {
                    fillRect(penX + col * scale, y + row * scale, scale, scale, colour);
                }
            }
        }
        penX += 6 * scale;
    }
}

void Canvas::caption(int cx, int y, std::string_view text, int scale, Colour colour, Colour shadow) {
    const int x = cx - textWidth(text, scale) / 2;
    const int offset = std::max(1, scale / 2);
    this->text(x + offset, y + offset, text, scale, shadow);
    this->text(x, y, text, scale, colour);
}

void Canvas::aircraft(int cx, int cy, int span, Colour body, Colour marking) {
    const int length = span * 4 / 5;
    const int chord = std::max(span / 7, 2);
    // Wings, tailplane, fuselage and cockpit, then a roundel on each wing.
    fillEllipse(cx, cy - length / 10, span / 2, chord, body);
    fillEllipse(cx, cy + length * 2 / 5, span / 5, std::max(chord / 2, 1), body);
    fillEllipse(cx, cy, std::max(span / 16, 2), length / 2, body);
    fillEllipse(cx, cy - length / 5, std::max(span / 32, 1), std::max(length / 14, 1), Colour::PaleSky);
    const int roundel = std::max(chord * 2 / 3, 1);
    fillEllipse(cx - span / 3, cy - length / 10, roundel, roundel, marking);
    fillEllipse(cx + span / 3, cy - length / 10, roundel, roundel, marking);
}

} // namespace demo
