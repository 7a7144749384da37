#pragma once
// The set grid `Unigrid`: three columns (folder path, hidden; set name; load mark "S"). The grid's
// fixed header row is the table's horizontal header, so table row i holds set row i + 1. It tells
// which row the player clicked, pressed Enter on or moved the mouse over.

#include "outfitter/session/selector_session.h"

#include <QColor>
#include <QStringList>
#include <QTableWidget>

#include <vector>

namespace outfitter {

inline const QColor kLoadedColour{0xC0, 0xFF, 0xC0};
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kNameColumnTwips = 5000;
inline constexpr int kGridBorderTwips = 72;
inline constexpr int kMaxVisibleRows = 20; // the header row counted

// Height for `rows` rows of the grid, the header row included: at most 20 rows are shown at once.
int setGridHeight(int rowHeight, int rows);

// What the set grid and the skin grid share: three unnamed columns, no editing, no selection colour
// (it would hide the colour of a loaded row), no wrapping, and the mouse tracked for hover.
void prepareMarkGrid(QTableWidget& grid, const QString& objectName);

class SetGrid final : public QTableWidget {
    Q_OBJECT
  public:
    explicit SetGrid(QWidget* parent = nullptr);

    // Refills the grid with updates off, paints loaded names light green and sizes it.
    void showRows(const std::vector<SetRow>& rows);
    // Empties the grid down to its header row (the start of "Refresh!").
    void clearRows();
    // Adds one row at the bottom and repaints, so a refresh grows on screen row by row.
    void appendRow(const SetRow& row);
    void paintMark(int row, bool loaded);
    void showOnly(const std::vector<bool>& visible);
    void setHeaderText(const QString& text, const QColor& background);

  signals:
    void rowChosen(int row);  // a click, or Enter on the current row
    void rowHovered(int row); // the mouse is over this row (-1: over no row)
    void pathsDropped(const QStringList& paths); // archives or folders dropped to be added as sets

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void fitHeight();
};

} // namespace outfitter
