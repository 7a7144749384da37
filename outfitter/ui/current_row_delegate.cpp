#include "current_row_delegate.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPainter>
#include <QTableView>

namespace outfitter {

namespace {

constexpr int kFrameWidth = 2;

// The first and last columns that take room, so the frame closes at the row's visible ends.
std::pair<int, int> shownColumns(const QAbstractItemView* view, int columns) {
    int first = -1, last = -1;
    const auto* table = qobject_cast<const QTableView*>(view);
    for (int column = 0; column < columns; ++column) {
        if (table && (table->isColumnHidden(column) || table->columnWidth(column) == 0))
            continue;
        if (first < 0)
            first = column;
        last = column;
    }
    return {first, last};
}

} // namespace

CurrentRowDelegate::CurrentRowDelegate(QAbstractItemView* view) : QStyledItemDelegate(view), view_(view) {}

void CurrentRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_HasFocus; // the row's frame stands in for the cell's
    QStyledItemDelegate::paint(painter, plain, index);
    const QModelIndex current = view_->currentIndex();
    if (!view_->hasFocus() || !current.isValid() || current.row() != index.row())
        return;
    const auto [first, last] = shownColumns(view_, index.model()->columnCount(index.parent()));
    const QRect cell = option.rect;
    const QColor colour = option.palette.color(QPalette::Highlight);
    painter->save();
    painter->fillRect(QRect(cell.left(), cell.top(), cell.width(), kFrameWidth), colour);
    painter->fillRect(QRect(cell.left(), cell.bottom() - kFrameWidth + 1, cell.width(), kFrameWidth), colour);
    if (index.column() == first)
        painter->fillRect(QRect(cell.left(), cell.top(), kFrameWidth, cell.height()), colour);
    if (index.column() == last)
        painter->fillRect(QRect(cell.right() - kFrameWidth + 1, cell.top(), kFrameWidth, cell.height()), colour);
    painter->restore();
}

bool CurrentRowDelegate::eventFilter(QObject* watched, QEvent* event) {
    // The view itself is watched, never an editor: its keys are its own (the base class would take
    // Tab as leaving an editor).
    if (watched == view_) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            view_->viewport()->update();
        return false;
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

void CurrentRowDelegate::install(QAbstractItemView* view) {
    view->setItemDelegate(new CurrentRowDelegate(view));
    // Only the cell that changed is repainted by default; the frame spans the row, and comes and goes
    // with the focus.
    view->installEventFilter(view->itemDelegate());
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentChanged, view,
                     [view](const QModelIndex&, const QModelIndex&) { view->viewport()->update(); });
}

} // namespace outfitter
