#include "skin_grid.h"

#include "current_row_delegate.h"
#include "set_grid.h"
#include "ui_support/qt_text.h"

#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace outfitter {

namespace {

constexpr std::array<int, 3> kColumnTwips = {5000, 240, 400};

} // namespace

SkinGrid::SkinGrid(QWidget* parent) : QTableWidget(parent) {
    prepareMarkGrid(*this, u"SK1"_s);

    const int rowHeight = std::max(240 / kTwipsPerPixel, QFontMetrics(font()).height() + 2);
    verticalHeader()->setMinimumSectionSize(rowHeight);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    auto* header = horizontalHeader();
    header->setMinimumSectionSize(0);
    header->setFixedHeight(rowHeight);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setHighlightSections(false);
    int width = 0;
    for (int column = 0; column < 3; ++column) {
        int pixels = (kColumnTwips[static_cast<std::size_t>(column)] + kTwipsPerPixel / 2) / kTwipsPerPixel;
        if (column == 2) // 400 twips held a code in the old system font; a code must stay readable
            pixels = std::max(pixels, QFontMetrics(font()).horizontalAdvance(u"WWWW"_s) + 8);
        setColumnWidth(column, pixels);
        width += pixels;
    }
    setFixedWidth(width + verticalScrollBar()->sizeHint().width() + 2 * frameWidth());

    connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { emit rowActivated(row); });
    CurrentRowDelegate::install(this);
}

void SkinGrid::showRows(const std::vector<SkinRow>& rows) {
    setUpdatesEnabled(false);
    clearContents();
    setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < 3; ++column)
            setItem(row, column, new QTableWidgetItem());
        paintRow(row, rows[static_cast<std::size_t>(row)]);
    }
    setUpdatesEnabled(true);
}

void SkinGrid::paintRow(int row, const SkinRow& skin) {
    if (row < 0 || row >= rowCount())
        return;
    item(row, 0)->setText(uisupport::fromNameBytes(skin.name));
    item(row, 0)->setBackground(skin.installed ? QBrush(kInstalledSkinColour) : QBrush());
    item(row, 1)->setText(skin.installed ? u"S"_s : QString());
    item(row, 2)->setText(QString::fromLatin1(skin.code.data(), static_cast<qsizetype>(skin.code.size())));
}

void SkinGrid::showOnly(const std::vector<bool>& visible) {
    setUpdatesEnabled(false);
    for (int row = 0; row < rowCount(); ++row) {
        const auto at = static_cast<std::size_t>(row);
        setRowHidden(row, at >= visible.size() || !visible[at]);
    }
    setUpdatesEnabled(true);
}

void SkinGrid::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) &&
        !event->isAutoRepeat() && currentRow() >= 0) {
        emit rowActivated(currentRow());
        event->accept();
        return;
    }
    // A row reached with the keys shows its skin, as the mouse going over it does.
    const int before = currentRow();
    QTableWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0 && !isRowHidden(currentRow()))
        emit rowHovered(currentRow());
}

void SkinGrid::mouseMoveEvent(QMouseEvent* event) {
    const int row = rowAt(event->position().toPoint().y());
    if (row >= 0 && !isRowHidden(row))
        emit rowHovered(row);
    QTableWidget::mouseMoveEvent(event);
}

} // namespace outfitter
