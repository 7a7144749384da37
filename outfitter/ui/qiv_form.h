#pragma once
// `QIVForm`, the selector's main window: refuses to be a second copy, runs the start-up on the game
// folder and shows its outcome on five tabs; owns the set browser and shows every problem in the
// message line and the progress of long file work in its caption and a progress bar.

#include "single_instance.h"
#include "ui_support/about_box.h"

#include "outfitter/core/change_log.h"
#include "outfitter/core/selector_startup.h"
#include "outfitter/planes/plane_set_grid.h"
#include "outfitter/planes/skin_store.h"
#include "outfitter/sets/set_browser.h"
#include "outfitter/settings/game_settings.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>

class QPlainTextEdit;
class QProgressBar;
class QTabWidget;

namespace outfitter {

class AutoscriptsTab;
class CompleteSetsTab;
class GeneralSettingsTab;
class LogPanel;
class PlaneSetPanel;
class PlanesSkinsTab;
class ProgressDisplay;
class WorldSettingsTab;
enum class LaunchStyle;

struct QIVFormOptions {
    QString instanceLockPath = SingleInstance::defaultLockPath();
    StartupSeams seams;
    SetBrowserSeams browserSeams;
    // Ends the program after "Exit" and "Exit QIV and launch"; empty ends the application.
    std::function<void()> endProgram;
};

class QIVForm final : public QWidget {
    Q_OBJECT
  public:
    explicit QIVForm(std::filesystem::path gameFolder, QIVFormOptions options = {},
                     QWidget* parent = nullptr);
    ~QIVForm() override;

    // True when another copy was running: the player has been told, and nothing else was done.
    bool isDuplicate() const { return duplicate_; }
    const StartupResult& startup() const { return startup_; }
    const SetBrowser& browser() const { return browser_; }
    const SkinStore& skins() const { return skins_; }
    const GameSettings& settings() const { return settings_; }
    const PlaneSetGrid& planeSets() const { return *planeSets_; }
    const ChangeLog& changeLog() const { return log_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildWindow();
    static uisupport::ProgramIdentity identity();
    // The settings and skin parts answer start-up's and the browser's questions unless a test did.
    void offerSeams(QIVFormOptions& options);
    void addPlaneSetSeams(QIVFormOptions& options);
    void addPackageSeams(QIVFormOptions& options);
    void planeSetInstalled();
    void showProblems(const common::Problems& problems);
    void showMessages(const QStringList& lines);
    void afterLaunch(LaunchStyle style);
    void exitProgram();
    void logChange(const Change& change);
    void showLog();

    std::unique_ptr<SingleInstance> instance_;
    bool duplicate_ = false;
    GameSettings settings_;
    SkinStore skins_;
    StartupResult startup_;
    SetBrowser browser_;
    std::unique_ptr<PlaneSetGrid> planeSets_;
    ChangeLog log_;
    std::function<void()> endProgram_;
    QTabWidget* ssTab1_ = nullptr;
    GeneralSettingsTab* generalTab_ = nullptr;
    CompleteSetsTab* setsTab_ = nullptr;
    WorldSettingsTab* worldTab_ = nullptr;
    AutoscriptsTab* autoscriptsTab_ = nullptr;
    PlanesSkinsTab* planesTab_ = nullptr;
    PlaneSetPanel* planeSetPanel_ = nullptr;
    QPlainTextEdit* messages_ = nullptr;
    LogPanel* logPanel_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    std::unique_ptr<ProgressDisplay> progress_;
};

} // namespace outfitter
