#pragma once
// The "World Settings" tab: the music folders the game can be switched to and the music now active;
// a click on one (or Enter on the current one) switches to it, once per double-click too, since the
// list is written anew under the pointer.

#include "outfitter/core/change_log.h"
#include "outfitter/core/selector_startup.h"

#include <QStringList>
#include <QWidget>

#include <filesystem>

class QLabel;
class QListWidget;

namespace outfitter {

class WorldSettingsTab final : public QWidget {
    Q_OBJECT
  public:
    explicit WorldSettingsTab(QWidget* parent = nullptr);

    void showStartup(const StartupResult& startup);
    // Where each switch is recorded.
    void setChangeSink(ChangeSink sink) { changeSink_ = std::move(sink); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  signals:
    void problemsReported(const QStringList& lines);

  private:
    void showMusic(const MusicList& music);
    void switchMusic(const QString& chosen);

    std::filesystem::path gameFolder_;
    ChangeSink changeSink_;
    bool swallowRelease_ = false; // the release ending a swallowed double-click
    QListWidget* list4_;
    QLabel* label11_;
};

} // namespace outfitter
