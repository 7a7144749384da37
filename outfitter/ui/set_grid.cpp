#include "set_grid.h"

#include "qt_text.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace outfitter {

namespace {

constexpr int kMarkColumnWidth = 30;

int rowHeightFor(const QTableWidget* grid) {
    // 240 twips, or more when the font needs it.
    return std::max(240 / kTwipsPerPixel, QFontMetrics(grid->font()).height() + 2);
}

} // namespace

int setGridHeight(int rowHeight, int rows) {
    return rowHeight * std::min(rows, kMaxVisibleRows) +
           (kGridBorderTwips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

void setUpSetGrid(QTableWidget* grid) {
    grid->setColumnCount(3);
    grid->setHorizontalHeaderLabels({QString(), QString(), QString()});
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setWordWrap(false);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->verticalHeader()->hide();

    const int rowHeight = rowHeightFor(grid);
    auto* rows = grid->verticalHeader();
    rows->setMinimumSectionSize(rowHeight);
    rows->setDefaultSectionSize(rowHeight);
    rows->setSectionResizeMode(QHeaderView::Fixed);

    auto* header = grid->horizontalHeader();
    header->setMinimumSectionSize(0);
    header->setFixedHeight(rowHeight);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setHighlightSections(false);
    grid->setColumnWidth(0, 0);
    grid->setColumnWidth(1, kNameColumnTwips / kTwipsPerPixel);
    grid->setColumnWidth(2, kMarkColumnWidth);

    grid->setFixedWidth(kNameColumnTwips / kTwipsPerPixel + kMarkColumnWidth +
                        grid->verticalScrollBar()->sizeHint().width() + 2 * grid->frameWidth());
    grid->setFixedHeight(setGridHeight(rowHeight, 1));
}

void fillSetGrid(QTableWidget* grid, const SetCatalog& catalog, const QColor& headerColour) {
    // Thousands of rows: one repaint at the end, not one per cell.
    grid->setUpdatesEnabled(false);
    grid->clearContents();
    const int count = static_cast<int>(catalog.size());
    grid->setRowCount(count);
    for (int row = 0; row < count; ++row) {
        const auto& set = catalog.rows()[static_cast<std::size_t>(row)];
        grid->setItem(row, 0, new QTableWidgetItem(fromGameBytes(set.path)));
        auto* name = new QTableWidgetItem(fromGameBytes(set.name));
        if (set.loaded)
            name->setBackground(kLoadedColour);
        grid->setItem(row, 1, name);
        grid->setItem(row, 2, new QTableWidgetItem(set.loaded ? u"S"_s : QString()));
    }
    if (count > 0)
        grid->horizontalHeaderItem(1)->setBackground(headerColour);
    grid->setFixedHeight(setGridHeight(grid->verticalHeader()->defaultSectionSize(), count + 1));
    grid->setUpdatesEnabled(true);
}

} // namespace outfitter
