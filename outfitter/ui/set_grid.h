#pragma once
// The set grid `Unigrid`: three columns (folder path, hidden; set name; load mark "S"). The grid's
// fixed header row is the table's horizontal header, so table row i holds set row i + 1.

#include "outfitter/core/set_catalog.h"

#include <QColor>

class QTableWidget;

namespace outfitter {

inline const QColor kLoadedColour{0xC0, 0xFF, 0xC0};
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kNameColumnTwips = 5000;
inline constexpr int kGridBorderTwips = 72;
inline constexpr int kMaxVisibleRows = 20; // the header row counted

// Columns, widths and row height; call once on a new grid.
void setUpSetGrid(QTableWidget* grid);

// Refills the grid from the catalogue with updates off, paints loaded names light green, gives the
// header cell of the name column `headerColour` when there are sets, and sizes the grid's height.
void fillSetGrid(QTableWidget* grid, const SetCatalog& catalog, const QColor& headerColour);

// Height for `rows` rows of the grid, the header row included: at most 20 rows are shown at once.
int setGridHeight(int rowHeight, int rows);

} // namespace outfitter
