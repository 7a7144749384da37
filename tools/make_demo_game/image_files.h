#pragma once
// Picture file encoders for the demo: 8-bit indexed BMP and a small baseline JPEG.

#include "make_demo_game/canvas.h"

#include <string>

namespace demo {

// Windows bitmap, 8 bits per pixel with the shared palette, rows bottom-up.
std::string encodeBmp(const Canvas& canvas);

// Baseline JPEG (JFIF, three components, no subsampling) that keeps one flat colour per 8 x 8
// block: enough for the demo's scenery, and small enough to write without a library.
std::string encodeJpeg(const Canvas& canvas);

} // namespace demo
