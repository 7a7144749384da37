#pragma once
// The "Autoscripts and Program launch" tab: the programs of the game folder and the text of the
// current selection that an autoscript saves.

#include "outfitter/core/selector_startup.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace outfitter {

class AutoscriptsTab final : public QWidget {
    Q_OBJECT
  public:
    explicit AutoscriptsTab(QWidget* parent = nullptr);

    void showStartup(const StartupResult& startup);

  private:
    QLabel* label1_;
    QListWidget* list6_;
    QPlainTextEdit* text2_;
};

} // namespace outfitter
