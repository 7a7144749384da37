#include "sortie/core/board_geometry.h"

namespace sortie {

BoardGeometry BoardGeometry::fromBoard(int width, int height, int left, int top) {
    BoardGeometry g;
    g.width = width;
    g.height = height;
    g.left = left;
    g.top = top;
    g.columnWidth = width / 5;
    g.planeRowHeight = height / 8;
    g.optionRowHeight = height / 11;
    return g;
}

TwipRect BoardGeometry::planeCell(int i) const {
    return {columnWidth * ((i % 4) + 0.1), planeRowHeight * (i / 4) + 0.1 + 100, double(columnWidth), 1200};
}

TwipRect BoardGeometry::optionRow(int i) const {
    return {4.0 * columnWidth, optionRowHeight * i + 0.1 + 100, double(columnWidth), 800};
}

BoardHit BoardGeometry::hitTest(double x, double y) const {
    if (x > width - 10)
        return {BoardArea::Edge, 0};
    if (x > width - 200 || y > height - 200 || x < 200 || y < 200 || columnWidth <= 0 ||
        planeRowHeight <= 0 || optionRowHeight <= 0)
        return {BoardArea::Border, 0};
    const int column = static_cast<int>(x / columnWidth);
    if (column >= 4)
        return {BoardArea::OptionRow, static_cast<int>(y / optionRowHeight)};
    return {BoardArea::PlaneCell, static_cast<int>(y / planeRowHeight) * 4 + column};
}

} // namespace sortie
