#include "set_grid.h"

#include "current_row_delegate.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "ui_support/qt_text.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace outfitter {

namespace {

constexpr int kMarkColumnWidth = 30;

int rowHeightFor(const QTableWidget* grid) {
    // 240 twips, or more when the font needs it.
    return std::max(240 / kTwipsPerPixel, QFontMetrics(grid->font()).height() + 2);
}

void fillRow(QTableWidget* grid, int row, const SetRow& set) {
    grid->setItem(row, 0, new QTableWidgetItem(uisupport::fromNameBytes(set.path)));
    grid->setItem(row, 1, new QTableWidgetItem(uisupport::fromNameBytes(set.name)));
    grid->setItem(row, 2, new QTableWidgetItem());
}

} // namespace

int setGridHeight(int rowHeight, int rows) {
    return rowHeight * std::min(rows, kMaxVisibleRows) +
           (kGridBorderTwips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

void prepareMarkGrid(QTableWidget& grid, const QString& objectName) {
    grid.setObjectName(objectName);
    grid.setColumnCount(3);
    grid.setHorizontalHeaderLabels({QString(), QString(), QString()});
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The current row carries only the focus frame, so a loaded row's colour stays visible.
    grid.setSelectionMode(QAbstractItemView::NoSelection);
    grid.setWordWrap(false);
    // Tab leaves the grid; the arrow keys move within it.
    grid.setTabKeyNavigation(false);
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setMouseTracking(true);
    grid.viewport()->setMouseTracking(true);
    grid.verticalHeader()->hide();
}

SetGrid::SetGrid(QWidget* parent) : QTableWidget(parent) {
    prepareMarkGrid(*this, u"Unigrid"_s);
    // Archives and folders dropped here are added as sets.
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);

    const int rowHeight = rowHeightFor(this);
    auto* rows = verticalHeader();
    rows->setMinimumSectionSize(rowHeight);
    rows->setDefaultSectionSize(rowHeight);
    rows->setSectionResizeMode(QHeaderView::Fixed);

    auto* header = horizontalHeader();
    header->setMinimumSectionSize(0);
    header->setFixedHeight(rowHeight);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setColumnWidth(0, 0);
    setColumnWidth(1, kNameColumnTwips / kTwipsPerPixel);
    setColumnWidth(2, kMarkColumnWidth);

    setFixedWidth(kNameColumnTwips / kTwipsPerPixel + kMarkColumnWidth +
                  verticalScrollBar()->sizeHint().width() + 2 * frameWidth());
    setFixedHeight(setGridHeight(rowHeight, 1));

    connect(this, &QTableWidget::cellClicked, this, [this](int row, int) { emit rowChosen(row); });
    CurrentRowDelegate::install(this);
}

void SetGrid::showRows(const std::vector<SetRow>& rows) {
    // Thousands of rows: one repaint at the end, not one per cell.
    setUpdatesEnabled(false);
    clearContents();
    const int count = static_cast<int>(rows.size());
    setRowCount(count);
    for (int row = 0; row < count; ++row) {
        fillRow(this, row, rows[static_cast<std::size_t>(row)]);
        paintMark(row, rows[static_cast<std::size_t>(row)].loaded);
    }
    fitHeight();
    setUpdatesEnabled(true);
}

void SetGrid::clearRows() {
    clearContents();
    setRowCount(0);
    fitHeight();
    repaint();
}

void SetGrid::appendRow(const SetRow& row) {
    const int at = rowCount();
    setRowCount(at + 1);
    fillRow(this, at, row);
    paintMark(at, row.loaded);
    fitHeight();
    viewport()->update();
}

void SetGrid::paintMark(int row, bool loaded) {
    if (row < 0 || row >= rowCount())
        return;
    item(row, 1)->setBackground(loaded ? QBrush(kLoadedColour) : QBrush());
    item(row, 2)->setText(loaded ? u"S"_s : QString());
}

void SetGrid::showOnly(const std::vector<bool>& visible) {
    setUpdatesEnabled(false);
    for (int row = 0; row < rowCount(); ++row) {
        const auto at = static_cast<std::size_t>(row);
        setRowHidden(row, at < visible.size() && !visible[at]);
    }
    setUpdatesEnabled(true);
}

void SetGrid::setHeaderText(const QString& text, const QColor& background) {
    auto* cell = horizontalHeaderItem(1);
    cell->setText(text);
    if (rowCount() > 0)
        cell->setBackground(background);
}

void SetGrid::keyPressEvent(QKeyEvent* event) {
    // Space as well as Enter: the player who reaches the grid with Tab loads a set as with a click.
    const bool press =
        event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
    if (press && !event->isAutoRepeat() && currentRow() >= 0) {
        emit rowChosen(currentRow());
        event->accept();
        return;
    }
    // A row reached with the keys shows its details, as the mouse going over it does.
    const int before = currentRow();
    QTableWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0)
        emit rowHovered(currentRow());
}

void SetGrid::mouseMoveEvent(QMouseEvent* event) {
    emit rowHovered(rowAt(event->position().toPoint().y()));
    QTableWidget::mouseMoveEvent(event);
}

namespace {

QStringList localPaths(const QMimeData* data) {
    QStringList paths;
    if (data && data->hasUrls())
        for (const auto& url : data->urls())
            if (url.isLocalFile())
                paths << url.toLocalFile();
    return paths;
}

} // namespace

void SetGrid::dragEnterEvent(QDragEnterEvent* event) {
    if (!localPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void SetGrid::dragMoveEvent(QDragMoveEvent* event) {
    if (!localPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void SetGrid::dropEvent(QDropEvent* event) {
    const auto paths = localPaths(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    emit pathsDropped(paths);
}

void SetGrid::fitHeight() {
    setFixedHeight(setGridHeight(verticalHeader()->defaultSectionSize(), rowCount() + 1));
}

} // namespace outfitter
