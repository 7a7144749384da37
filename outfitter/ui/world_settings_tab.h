#pragma once
// The "World Settings" tab: the music folders the game can be switched to and the music now active;
// a click on one (or Enter on the current one) switches to it, once per double-click too, since the
// list is written anew under the pointer.

#include "outfitter/session/selector_session.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QListWidget;

namespace outfitter {

class WorldSettingsTab final : public QWidget {
    Q_OBJECT
  public:
    explicit WorldSettingsTab(SelectorSession& session, QWidget* parent = nullptr);

    void showStartup();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  signals:
    void problemsReported(const QStringList& lines);

  private:
    void showMusic(const MusicList& music);
    void switchMusic(const QString& chosen);

    SelectorSession& session_;
    bool swallowRelease_ = false; // the release ending a swallowed double-click
    QListWidget* musicList_;
    QLabel* activeMusic_;
};

} // namespace outfitter
