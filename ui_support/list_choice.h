#pragma once
// List and table choices that only the player makes. Qt makes the first entry current when Tab
// brings focus to a view that has none; that must never count as a choice.

#include <QAbstractItemView>
#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

#include <functional>
#include <utility>

namespace uisupport {

namespace detail {

// Qt makes the first entry current when focus enters a view without one; the view's own signals
// are held back meanwhile, so no handler takes that for a choice.
class FocusGuard final : public QObject {
  public:
    explicit FocusGuard(QAbstractItemView* view) : QObject(view), view_(view) {
        view->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != view_ || event->type() != QEvent::FocusIn || busy_)
            return false;
        busy_ = true;
        const bool wasBlocked = view_->blockSignals(true);
        static_cast<QObject*>(view_)->event(event);
        view_->blockSignals(wasBlocked);
        busy_ = false;
        return true;
    }

  private:
    QAbstractItemView* view_;
    bool busy_ = false;
};

class EntryChoice final : public QObject {
  public:
    EntryChoice(QAbstractItemView* view, std::function<void(int)> chosen)
        : QObject(view), view_(view), chosen_(std::move(chosen)) {
        view->installEventFilter(this);
        QObject::connect(view, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
            if (index.isValid())
                chosen_(index.row());
        });
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != view_ || event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        const QModelIndex current = view_->currentIndex();
        if (!current.isValid())
            return false;
        chosen_(current.row());
        return true;
    }

  private:
    QAbstractItemView* view_;
    std::function<void(int)> chosen_;
};

} // namespace detail

// For views whose handlers follow the current entry (filters, lists that show what is pointed at):
// focus moving in never changes it.
inline void focusNeverChooses(QAbstractItemView* view) {
    new detail::FocusGuard(view);
}

// For views where an entry is a choice: `chosen` runs with the row the player clicked or pressed
// Enter on; moving the current entry with the keys or the focus chooses nothing.
inline void onEntryChosen(QAbstractItemView* view, std::function<void(int row)> chosen) {
    focusNeverChooses(view);
    new detail::EntryChoice(view, std::move(chosen));
}

} // namespace uisupport
