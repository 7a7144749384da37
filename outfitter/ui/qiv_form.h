#pragma once
// `QIVForm`, the selector's main window: refuses to be a second window on its game folder, runs the
// start-up on the game folder and shows its outcome on five tabs; owns the set browser and shows every
// problem in the message line and the progress of long file work in its caption and a progress bar.

#include "ui_support/about_box.h"

#include "outfitter/session/selector_session.h"

#include "common/file_lock.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>

class QLayout;
class QPlainTextEdit;
class QPushButton;
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

// Room kept for a window frame the system has not drawn yet: a title bar and a border.
inline constexpr int kTitleAllowance = 32;
inline constexpr int kFrameAllowance = 8;

struct QIVFormOptions {
    StartupSeams seams;
    // Ends the program after "Exit" and "Exit QIV and launch"; empty ends the application.
    std::function<void()> endProgram;
};

class QIVForm final : public QWidget {
    Q_OBJECT
  public:
    explicit QIVForm(std::filesystem::path gameFolder, QIVFormOptions options = {},
                     QWidget* parent = nullptr);
    ~QIVForm() override;

    // True when another window was open on this game folder: the player has been told, and nothing
    // else was done.
    bool isDuplicate() const { return duplicate_; }
    const StartupResult& startup() const { return session_->startup(); }
    const SetBrowser& browser() const { return session_->browser(); }
    const SkinStore& skins() const { return session_->skins(); }
    const GameSettings& settings() const { return session_->settings(); }
    const PlaneSetGrid& planeSets() const { return session_->planeSets(); }
    const ChangeLog& changeLog() const { return session_->log(); }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildWindow();
    // Opens at the size the tabs want, bounded by the primary screen's work area, and centred in it.
    void placeInWorkArea();
    void orderFocusChain(const QLayout* windowLayout);
    void widenToTabs();
    static uisupport::ProgramIdentity identity();
    // The session's own wiring, with what this window redraws after it, and the package items of skins
    // and plane sets routed through their grids as the player's own clicks.
    SessionHooks hooks(QIVFormOptions& options);
    void planeSetInstalled();
    // Every tab drawn from the session as start-up (or an undo) left it.
    void showSession();
    // "Undo" and Ctrl+Z: the newest change taken back; the button names it.
    void undoLast();
    void showUndoable();
    void showProblems(const common::Problems& problems);
    void showMessages(const QStringList& lines);
    void afterLaunch(LaunchStyle style);
    void exitProgram();
    void showLog();

    // Held while the window is open, so one game folder gets one window; the game folder's own lock is
    // held only for start-up and each change.
    common::FileLock windowLock_;
    bool duplicate_ = false;
    std::unique_ptr<SelectorSession> session_;
    std::function<void()> endProgram_;
    QTabWidget* tabs_ = nullptr;
    GeneralSettingsTab* generalTab_ = nullptr;
    CompleteSetsTab* setsTab_ = nullptr;
    WorldSettingsTab* worldTab_ = nullptr;
    AutoscriptsTab* autoscriptsTab_ = nullptr;
    PlanesSkinsTab* planesTab_ = nullptr;
    PlaneSetPanel* planeSetPanel_ = nullptr;
    QPlainTextEdit* messages_ = nullptr;
    QPushButton* undo_ = nullptr;
    LogPanel* logPanel_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    std::unique_ptr<ProgressDisplay> progress_;
    bool fitted_ = false; // widened to the tabs once, when first shown
};

} // namespace outfitter
