#pragma once
// Keeps the window's changing controls (loads, unloads, installs, "Reset All", settings saves) from
// acting while the game runs from this game folder: their clicks and keys are taken before they
// act and the player is told why. Hovering, views and the folder check go on as before.

#include "outfitter/session/selector_session.h"

#include <QObject>
#include <QStringList>

class QWidget;

namespace outfitter {

class GameRunningGuard final : public QObject {
    Q_OBJECT
  public:
    GameRunningGuard(const SelectorSession& session, QObject* parent);

    // Guards every widget below `root` named `name`; a list or grid through its viewport, a frame
    // through its text boxes. With `doubleClickOnly` a single click still acts (it only shows).
    void watch(QWidget* root, const QString& name, bool doubleClickOnly = false);

  signals:
    void refused(const QStringList& lines);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void guard(QObject* target, bool doubleClickOnly);
    bool refuse();

    const SelectorSession& session_;
    bool releaseTaken_ = false; // the press was refused: its release must not click
};

} // namespace outfitter
