#pragma once
// The "World Settings" tab: the music folders the game can be switched to and the music now active;
// a click on one switches to it.

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

  signals:
    void problemsReported(const QStringList& lines);

  private:
    void showMusic(const MusicList& music);
    void switchMusic(const QString& chosen);

    std::filesystem::path gameFolder_;
    QListWidget* list4_;
    QLabel* label11_;
};

} // namespace outfitter
