#pragma once
// Draws a frame round the current row of a grid whose cells carry meaning in their colours (loaded
// sets, installed skins and aircraft), so the keyboard's row is seen without a selection colour
// hiding theirs. Drawn while the grid has the focus, which is when the keys move it.

#include <QStyledItemDelegate>

class QAbstractItemView;

namespace outfitter {

class CurrentRowDelegate final : public QStyledItemDelegate {
  public:
    explicit CurrentRowDelegate(QAbstractItemView* view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Gives `view` the frame, and has the whole row repainted whenever the current row moves.
    static void install(QAbstractItemView* view);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QAbstractItemView* view_;
};

} // namespace outfitter
