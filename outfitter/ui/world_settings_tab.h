#pragma once
// The "World Settings" tab: the music folders the game can be switched to and the music now active.

#include "outfitter/core/selector_startup.h"

#include <QWidget>

class QLabel;
class QListWidget;

namespace outfitter {

class WorldSettingsTab final : public QWidget {
    Q_OBJECT
  public:
    explicit WorldSettingsTab(QWidget* parent = nullptr);

    void showStartup(const StartupResult& startup);

  private:
    QListWidget* list4_;
    QLabel* label11_;
};

} // namespace outfitter
