#pragma once
// The "Autoscripts and Program launch" tab: the programs of the game folder with the three launch
// labels, and the text of the current selection that an autoscript saves.

#include "outfitter/sets/set_browser.h"

#include <QStringList>
#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace outfitter {

// What the launch label of each index does around the start of the program.
enum class LaunchStyle { JustLaunch = 0, MinimiseAndLaunch = 1, ExitAndLaunch = 2 };

class AutoscriptsTab final : public QWidget {
    Q_OBJECT
  public:
    AutoscriptsTab(const SetBrowser& browser, QWidget* parent = nullptr);

    void showStartup(const StartupResult& startup);
    void showSummary(const std::vector<std::string>& lines);

  signals:
    // The program started; the window minimises or ends as the label asks.
    void launched(outfitter::LaunchStyle style);
    void problemsReported(const QStringList& lines);

  private:
    void launch(LaunchStyle style);

    const SetBrowser& browser_;
    QLabel* label1_;
    QListWidget* list6_;
    QPlainTextEdit* text2_;
};

} // namespace outfitter
