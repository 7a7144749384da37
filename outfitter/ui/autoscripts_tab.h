#pragma once
// The "Autoscripts and Program launch" tab: the programs of the game folder with the three launch
// labels, saving the current selection as an autoscript, running a saved one, and "Del MSN".

#include "outfitter/session/selector_session.h"

#include <QStringList>
#include <QWidget>

#include <filesystem>
#include <string>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace outfitter {

class ProgressDisplay;

// What the launch label of each index does around the start of the program.
enum class LaunchStyle { JustLaunch = 0, MinimiseAndLaunch = 1, ExitAndLaunch = 2 };

class AutoscriptsTab final : public QWidget {
    Q_OBJECT
  public:
    // Saved scripts and deleted missions go into the session's log.
    AutoscriptsTab(SelectorSession& session, ProgressDisplay& progress, QWidget* parent = nullptr);

    void showStartup(const StartupResult& startup);
    void showSummary(const std::vector<std::string>& lines);

  signals:
    // The program started; the window minimises or ends as the label asks.
    void launched(outfitter::LaunchStyle style);
    void problemsReported(const QStringList& lines);
    // A script was run: the set grid redraws (and reports) what changed.
    void changed(const outfitter::BrowserChange& change);
    // A script was saved, so every list of them is made again.
    void autoscriptsChanged();

  private:
    QWidget* buildSaving();
    QWidget* buildRunning();
    void launch(LaunchStyle style);
    void save(bool overwrite);
    void listScripts();
    void chooseScript(int row);
    void runScript();
    void deleteDefaultMissions();

    SelectorSession& session_;
    ProgressDisplay& progress_;
    std::filesystem::path selectorFolder_;
    PackageContents script_;
    QLabel* gameFolderLabel_;
    QListWidget* programs_;
    QPlainTextEdit* loadedNow_;
    QLineEdit* scriptName_ = nullptr;
    QFrame* setWarn_ = nullptr;
    QListWidget* scripts_ = nullptr;
    QListWidget* scriptItems_ = nullptr;
};

} // namespace outfitter
