#pragma once
// Where things lie on the option board `Image2`, in twips: 5 columns, 8 plane rows in columns 0 to 3,
// 11 option rows in column 4.

namespace sortie {

inline constexpr int kPlaneCellCount = 32;

struct TwipRect {
    double left = 0, top = 0, width = 0, height = 0;
};

enum class BoardArea {
    Edge,   // within 10 twips of the right edge: the display is left as it is
    Border, // the 200-twip dead border: everything hidden, nothing shown
    PlaneCell,
    OptionRow,
};

struct BoardHit {
    BoardArea area = BoardArea::Border;
    int index = 0; // plane cell 0..31 or option row 0..10
};

struct BoardGeometry {
    int width = 11580;
    int height = 9750;
    int left = 90;
    int top = 60;
    int columnWidth = 2316;
    int planeRowHeight = 1218;
    int optionRowHeight = 886;

    static BoardGeometry fromBoard(int width, int height, int left, int top);

    TwipRect planeCell(int i) const; // `Label18`(i)
    TwipRect optionRow(int i) const; // `Label21`(i)
    BoardHit hitTest(double x, double y) const;
};

} // namespace sortie
