#include "change_guard.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

namespace outfitter {

namespace {

constexpr const char* kDoubleClickOnly = "guardDoubleClickOnly";

} // namespace

ChangeGuard::ChangeGuard(SelectorSession& session, QObject* parent) : QObject(parent), session_(session) {}

void ChangeGuard::watch(QWidget* root, const QString& name, bool doubleClickOnly) {
    for (QWidget* widget : root->findChildren<QWidget*>(name)) {
        guard(widget, doubleClickOnly);
        if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
            guard(area->viewport(), doubleClickOnly);
        for (QLineEdit* box : widget->findChildren<QLineEdit*>())
            guard(box, doubleClickOnly);
    }
}

void ChangeGuard::setBusy(bool busy) {
    // The click that started the work holds the lock already; the work keeps it past the click.
    if (busy && !busy_)
        heldForWork_ = session_.holdsLock() || session_.takeLock();
    busy_ = busy;
    // Let go once what handles the end of the work (reading the new sets) has run too.
    if (!busy && heldForWork_)
        QTimer::singleShot(0, this, [this] {
            if (!busy_ && heldForWork_) {
                heldForWork_ = false;
                session_.releaseLock();
            }
        });
}

void ChangeGuard::guard(QObject* target, bool doubleClickOnly) {
    target->setProperty(kDoubleClickOnly, doubleClickOnly);
    target->installEventFilter(this);
}

ChangeGuard::Gate ChangeGuard::gate() {
    if (const auto refusal = session_.changeRefusal()) {
        emit refused({QString::fromStdString(*refusal)});
        return Gate::Refused;
    }
    if (session_.holdsLock())
        return Gate::Open; // a change under way (a question it asks, work on a worker) holds it already
    if (!session_.takeLock()) {
        emit refused({QString::fromStdString(session_.lockRefusal())});
        return Gate::Refused;
    }
    return Gate::Taken;
}

bool ChangeGuard::pass(QObject* watched, QEvent* event, Gate gate) {
    if (gate != Gate::Taken)
        return gate == Gate::Refused;
    // Handled here, whole, while the lock is held: whatever the event sets off, questions and long
    // copies included, has ended when it comes back.
    QEvent* const outer = redelivering_;
    redelivering_ = event;
    QCoreApplication::sendEvent(watched, event);
    redelivering_ = outer;
    if (!busy_ && !heldForWork_)
        session_.releaseLock();
    return true;
}

bool ChangeGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event == redelivering_)
        return false;
    const bool doubleClickOnly = watched->property(kDoubleClickOnly).toBool();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (doubleClickOnly && event->type() == QEvent::MouseButtonPress)
            break;
        const Gate opened = gate();
        releaseTaken_ = opened == Gate::Refused;
        return pass(watched, event, opened);
    }
    case QEvent::Drop: // archives dropped on the grid to be added
        return pass(watched, event, gate());
    case QEvent::MouseButtonRelease: {
        if (releaseTaken_) {
            releaseTaken_ = false;
            return true;
        }
        if (doubleClickOnly)
            break;
        // A button acts on its release: the lock of the press was let go while the player held it down.
        const Gate opened = gate();
        if (opened == Gate::Refused)
            if (auto* button = qobject_cast<QAbstractButton*>(watched))
                button->setDown(false);
        return pass(watched, event, opened);
    }
    case QEvent::KeyPress: {
        // Space presses a button; in a text box it is only typed.
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool presses = key == Qt::Key_Return || key == Qt::Key_Enter ||
                             (key == Qt::Key_Space && qobject_cast<QAbstractButton*>(watched));
        if (presses)
            return pass(watched, event, gate());
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace outfitter
