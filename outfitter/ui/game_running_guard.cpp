#include "game_running_guard.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace outfitter {

namespace {

constexpr const char* kDoubleClickOnly = "guardDoubleClickOnly";

} // namespace

GameRunningGuard::GameRunningGuard(const SelectorSession& session, QObject* parent)
    : QObject(parent), session_(session) {}

void GameRunningGuard::watch(QWidget* root, const QString& name, bool doubleClickOnly) {
    for (QWidget* widget : root->findChildren<QWidget*>(name)) {
        guard(widget, doubleClickOnly);
        if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
            guard(area->viewport(), doubleClickOnly);
        for (QLineEdit* box : widget->findChildren<QLineEdit*>())
            guard(box, doubleClickOnly);
    }
}

void GameRunningGuard::guard(QObject* target, bool doubleClickOnly) {
    target->setProperty(kDoubleClickOnly, doubleClickOnly);
    target->installEventFilter(this);
}

bool GameRunningGuard::refuse() {
    const auto refusal = session_.changeRefusal();
    if (refusal)
        emit refused({QString::fromStdString(*refusal)});
    return refusal.has_value();
}

bool GameRunningGuard::eventFilter(QObject* watched, QEvent* event) {
    const bool doubleClickOnly = watched->property(kDoubleClickOnly).toBool();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (!doubleClickOnly && refuse()) {
            releaseTaken_ = true;
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (refuse()) {
            releaseTaken_ = true;
            return true;
        }
        break;
    case QEvent::Drop: // archives dropped on the grid to be added
        if (refuse())
            return true;
        break;
    case QEvent::MouseButtonRelease:
        if (releaseTaken_) {
            releaseTaken_ = false;
            return true;
        }
        break;
    case QEvent::KeyPress: {
        // Space presses a button; in a text box it is only typed.
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool presses = key == Qt::Key_Return || key == Qt::Key_Enter ||
                             (key == Qt::Key_Space && qobject_cast<QAbstractButton*>(watched));
        if (presses && refuse())
            return true;
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace outfitter
