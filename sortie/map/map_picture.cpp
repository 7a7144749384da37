#include "sortie/map/map_picture.h"

#include <algorithm>
#include <cstdlib>

namespace sortie {

int penHalfWidth(int width, int dy) {
    if (width <= 1)
        return dy == 0 ? 0 : -1;
    if (width % 2 == 0) {
        // An even pen has no centre pixel: it covers -w/2 .. w/2 - 1 about the point.
        const int lo = -(width / 2);
        return dy >= lo && dy <= lo + width - 1 ? width / 2 : -1;
    }
    const int radius2 = width * width / 4;
    const int rest = radius2 - dy * dy;
    if (rest < 0)
        return -1;
    int half = 0;
    while ((half + 1) * (half + 1) <= rest)
        ++half;
    return half;
}

MapPicture::MapPicture() : pixels_(static_cast<std::size_t>(kMapWidth) * kMapHeight, kMapBackground) {}

void MapPicture::clear(Pixel colour) {
    std::fill(pixels_.begin(), pixels_.end(), colour);
}

void MapPicture::fillSpan(int y, int x0, int x1, Pixel colour) {
    if (y < 0 || y >= kMapHeight)
        return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, kMapWidth - 1);
    if (x0 > x1)
        return;
    Pixel* r = row(y);
    std::fill(r + x0, r + x1 + 1, colour);
}

void MapPicture::drawPoint(int x, int y, int width, Pixel colour) {
    const int reach = width / 2 + 1;
    for (int dy = -reach; dy <= reach; ++dy) {
        const int half = penHalfWidth(width, dy);
        if (half < 0)
            continue;
        if (width % 2 == 0)
            fillSpan(y + dy, x - half, x + half - 1, colour);
        else
            fillSpan(y + dy, x - half, x + half, colour);
    }
}

void MapPicture::drawLine(int x0, int y0, int x1, int y1, int width, Pixel colour) {
    // Bresenham, stamping the pen at every step; lines are short (a front line has at most 29).
    const long dx = std::labs(static_cast<long>(x1) - x0);
    const long dy = -std::labs(static_cast<long>(y1) - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    long err = dx + dy;
    long x = x0;
    long y = y0;
    // A line far outside the picture is skipped rather than walked.
    const long margin = width + 1;
    const bool outside =
        (std::max<long>(x0, x1) < -margin) || (std::min<long>(x0, x1) >= kMapWidth + margin) ||
        (std::max<long>(y0, y1) < -margin) || (std::min<long>(y0, y1) >= kMapHeight + margin);
    if (outside)
        return;
    for (;;) {
        drawPoint(static_cast<int>(x), static_cast<int>(y), width, colour);
        if (x == x1 && y == y1)
            break;
        const long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

} // namespace sortie
