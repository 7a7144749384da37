#pragma once
// Stands before the window's changing controls (loads, unloads, installs, "Reset All", settings saves).
// The session's calls refuse by themselves; the guard asks the session's same rules when a click or key
// arrives, so a player is never asked a question whose answer would then be refused, and handles the
// event whole under the game folder's lock, questions and long copies included, so the window holds it
// only while it changes something. Hovering, views and the folder check go on as before.

#include "outfitter/session/selector_session.h"

#include <QObject>
#include <QStringList>

class QWidget;

namespace outfitter {

class ChangeGuard final : public QObject {
    Q_OBJECT
  public:
    ChangeGuard(SelectorSession& session, QObject* parent);

    // Guards every widget below `root` named `name`; a list or grid through its viewport, a frame
    // through its text boxes. With `doubleClickOnly` a single click still acts (it only shows).
    void watch(QWidget* root, const QString& name, bool doubleClickOnly = false);

    // Work that goes on after its click has been handled (unpacking on a worker) keeps the lock.
    void setBusy(bool busy);

  signals:
    void refused(const QStringList& lines);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Gate { Refused, Open, Taken };

    void guard(QObject* target, bool doubleClickOnly);
    // Refuses (and says why), lets through under a lock already held, or takes the lock.
    Gate gate();
    // What the filter answers for an event through `gate`: one it took the lock for is handled here.
    bool pass(QObject* watched, QEvent* event, Gate gate);

    SelectorSession& session_;
    bool releaseTaken_ = false;      // the press was refused: its release must not click
    QEvent* redelivering_ = nullptr; // the event being handled under the lock, let through
    bool busy_ = false;
    bool heldForWork_ = false; // taken for work on a worker thread
};

} // namespace outfitter
