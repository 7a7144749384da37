#pragma once
// The "General Settings" tab: the game folder, the screen size, the credits and the title picture.

#include "outfitter/core/selector_startup.h"

#include <QWidget>

class QLabel;

namespace outfitter {

class GeneralSettingsTab final : public QWidget {
    Q_OBJECT
  public:
    explicit GeneralSettingsTab(QWidget* parent = nullptr);

    void showStartup(const StartupResult& startup);

  private:
    QLabel* eawDirLabel_;
    QLabel* widthLabel_;
    QLabel* heightLabel_;
    QLabel* credits_;
    QLabel* image3_;
};

} // namespace outfitter
