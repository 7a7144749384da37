#pragma once
// The selector's model parts joined once, for the window and the command line alike: start-up on the
// game folder, the set browser, the skin store and the plane-set grid answering each other's
// questions, the game settings, the originals store and journal (through the browser), the change log
// and the ready rule. A window forwards the player's events here and redraws; it assembles nothing.

#include "outfitter/archive/set_import.h"
#include "outfitter/core/change_history.h"
#include "outfitter/core/change_log.h"
#include "outfitter/core/plane_codes.h" // the aircraft codes the skin filter lists
#include "outfitter/core/selector_startup.h"
#include "outfitter/planes/fuel_options.h" // the fuel choices the plane-set panel offers
#include "outfitter/planes/plane_set_grid.h"
#include "outfitter/planes/skin_store.h"
#include "outfitter/sets/autoscript_store.h"
#include "outfitter/sets/folder_check.h"
#include "outfitter/sets/music_switch.h"
#include "outfitter/sets/package_items.h"
#include "outfitter/sets/package_loader.h"
#include "outfitter/sets/package_picture.h"
#include "outfitter/sets/set_browser.h"
#include "outfitter/sets/set_files.h"
#include "outfitter/settings/game_settings.h"

#include "common/file_lock.h"
#include "common/game_process.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>
#include <utility>

namespace outfitter {

// What a caller adds to the session's own wiring: start-up seams a caller fills win over the session's
// (tests stand in for parts); the hooks tell a window what to redraw after the session's own work.
struct SessionHooks {
    StartupSeams startup;
    std::function<void()> planeSetsShown;   // the plane-set grid was filled from a flight-model set
    std::function<void()> planeSetsCleared; // and emptied again
    std::function<void()> skinsReset;       // "Reset All" took every skin out
    // A package's item installed skins or an aircraft: the rows to paint again.
    std::function<void(const SkinChange&)> skinsChanged;
    std::function<void(std::size_t row, const PlaneInstallReport&)> planeSetInstalled;
    std::function<void()> historyChanged; // a step was added, undone or let go
    std::function<void()> restarted;      // the parts were read anew (a failed change taken back)
    // Called after each change is written to the log (the log's own problems are taken from it).
    ChangeSink logged;
};

class SelectorSession final {
  public:
    // Makes the parts; with `startNow` also runs start-up. A window that must build its grids before
    // the ledger marks them starts later, with `start`.
    explicit SelectorSession(const std::filesystem::path& gameFolder, bool startNow = true);
    SelectorSession(const SelectorSession&) = delete; // the seams point into this object
    SelectorSession& operator=(const SelectorSession&) = delete;

    // Reads the skins, runs start-up (ledger replay, interrupted work finished) and makes the browser.
    // A start that may change the game folder takes its lock first, without waiting, unless it is
    // held already, and keeps it; when another process holds it, or with `ReadOnly`, nothing is made,
    // deleted or finished, since what looks left over may be that process's live work.
    void start(SessionHooks hooks = {}, StartupMode mode = StartupMode::Repair);

    // The game folder's lock ("QIV128/.qiv-lock"): the command line holds it for its whole run, a
    // window for its start and for each change. Taking makes "QIV128" when missing.
    bool takeLock(std::chrono::milliseconds wait = std::chrono::milliseconds(0));
    void releaseLock() { lock_.release(); }
    bool holdsLock() const { return lock_.held(); }
    // The last attempt's outcome: who held the lock when it was refused, what failed.
    const common::FileLock& lock() const { return lock_; }
    // Another process holding the lock now (never this session).
    std::optional<common::LockHolder> lockedElsewhere() const;

    // What the windows and the command line show. Every change goes through the calls below.
    const SetBrowser& browser() const { return browser_; }
    const SkinStore& skins() const { return skins_; }
    const PlaneSetGrid& planeSets() const { return planeSets_; }
    const GameSettings& settings() const { return settings_; }
    const StartupResult& startup() const { return startup_; }
    ChangeLog& log() { return log_; }
    const ChangeLog& log() const { return log_; }
    const std::filesystem::path& gameFolder() const { return gameFolder_; }

    // The ready rule: nothing in the game folder changes while start-up or "Refresh!" replays the
    // ledger, whichever window part or command asks.
    bool acceptsChanges() const { return browser_.ready() && !browser_.refreshing(); }

    // The game's program running from this game folder, if it is: loads, unloads, installs, "Reset
    // All" and settings saves are refused then (the game reads the files they would change), with
    // `changeRefusal` as the message; the views and the check still work.
    std::optional<common::RunningProgram> gameRunning() const;
    std::optional<std::string> changeRefusal() const;
    // Why another program's lock refuses a change now, for a window that asks before its questions.
    std::string lockRefusal() const;

    // Sets: a click (or Enter) on a grid row loads or unloads it; "Refresh!" in its two halves;
    // "Reset All". Each change is refused while the game runs, the ledger is replayed or another
    // program holds the lock, and holds the lock itself when the caller does not already.
    BrowserChange clickSet(std::size_t row, const ProgressCallback& progress = {});
    common::Problems beginRefresh();
    BrowserChange finishRefresh();
    BrowserChange resetAll(const ProgressCallback& progress = {});
    // Starts a program of the game folder, logged; nothing else changes.
    std::optional<common::Problem> launch(std::string_view program, common::WindowMode mode) const;

    // "eaw.ini": the six boxes saved into their lines (`enteredKey`, the box Enter was pressed in, is
    // named when nothing else changed), or the whole file from the editor; each save logged.
    struct SettingsSave {
        IniSaveOutcome outcome;
        std::string lines; // what the log and the message line name, on Saved
    };
    SettingsSave saveSettings(const IniValues& boxes, std::optional<std::size_t> enteredKey);
    IniSaveOutcome saveIniText(std::string_view text);

    // The files of the set of grid row `row`, and the loaded owners it shares names with.
    SetFiles setFiles(std::size_t row) const;
    std::string sharedSummary(std::size_t row) const;
    // Every loaded set's, skin's and plane set's files against their own copies; writes nothing.
    FolderCheck checkGameFolder(const std::function<bool(std::size_t, std::size_t)>& progress = {}) const;
    // Puts the owners' copies back over the files the check found missing or changed; refused while
    // the game runs. Each file copied is logged.
    FileWorkReport loadAgain(const FolderCheck& check);

    // What went wrong while starting: reading the skins, the start-up itself.
    const common::Problems& startupProblems() const { return startupProblems_; }
    // Work a killed run left, finished while starting: what was done and what failed.
    const BrowserChange& startupChange() const { return startupChange_; }

    // Adding a set from an archive or a folder, in three steps so that the middle one, the only long
    // one, can run on a worker thread: the plan (nothing written), the unpacking (touches nothing of
    // the session), and the finish on the session's own thread (rows read again, log, message line).
    ImportPlan planAdd(const std::filesystem::path& source, std::optional<std::string> letter,
                       std::optional<std::string> name) const;
    // A set of the plan's names that is loaded now is never replaced; nullopt when none is.
    std::optional<common::Problem> loadedClash(const ImportPlan& plan) const;
    // Safe on a worker thread: it reads only the selector folder's path. The caller has asked
    // loadedClash first and the player before `replaceExisting`.
    ImportResult unpack(const ImportPlan& plan, bool replaceExisting,
                        const std::function<bool(const ImportProgress&)>& progress) const;
    struct Added {
        BrowserChange change;          // the rows read again, the line said, every problem
        std::vector<std::size_t> rows; // the new sets' rows
    };
    Added finishAdd(const ImportPlan& plan, const ImportResult& result);

    // The packages and autoscripts of "QIV128/Autoscripts", by name in file-list order.
    std::vector<std::string> packageNames() const;
    // Whether a name ends in ".set", in any case: the only files taken for packages.
    static bool namesPackageFile(const std::string& name);
    // A package by a name of "Autoscripts" (any case, ".set" optional) or a path ending in ".set".
    std::optional<std::filesystem::path> findPackage(const std::string& nameOrPath) const;
    common::Result<PackageContents> readPackage(const std::string& name) const; // a name of packageNames()
    common::Result<PackageContents> readPackageFile(const std::filesystem::path& file) const;
    // The picture a package shows (of the first of its items that has one), and what an item shows.
    std::optional<std::filesystem::path> packagePicture(const std::vector<std::string>& items,
                                                        common::Problems& problems) const;
    SetDescription describePackageItem(const std::string& item) const;
    // Loads the items of a package or autoscript; refused while the game runs or the ledger is replayed.
    BrowserChange applyPackage(const std::vector<std::string>& items, const PackageLoadOptions& options,
                               const ProgressCallback& progress = {});
    // Saves an autoscript and logs it.
    AutoscriptStore::SaveResult saveAutoscript(const std::string& name, const std::string& text,
                                               bool overwrite);
    // The game's own missions "Del MSN" deletes, and their deletion, logged file by file.
    std::vector<std::filesystem::path> defaultMissions(common::Problems& problems) const;
    FileWorkReport deleteDefaultMissions(const std::vector<std::filesystem::path>& missions);

    // Skins and plane sets: each refused while the game runs or the ledger is replayed, each file it
    // changed written to the log.
    SkinChange toggleSkin(std::size_t row, const ProgressCallback& progress = {});
    SkinChange removeAllSkins(const ProgressCallback& progress = {});
    SkinRename renameSkin(std::size_t row, const std::string& newName);
    void setIncludeFlightData(bool include) { skins_.setIncludeFlightData(include); }
    PlaneInstallReport installPlaneSet(std::size_t row);
    // `Option1`: the installed aircraft's fuel load written into "planes.dat".
    std::optional<common::Problem> chooseFuel(int option);
    // The ledger written anew from what is loaded, after a skin's change named it.
    BrowserChange refreshSummary() { return browser_.refreshSummary(); }

    // The music folders and the one now active; switching renames the folders and logs both renames.
    const MusicList& music() const;
    MusicSwitch switchMusic(const std::string& chosen);

    // The history: every change above is one step, kept so that it can be undone. `undo` takes back
    // the newest step not yet undone (again for the one before it), then reads the game folder anew
    // as a start does; it is refused as the changes are.
    std::vector<HistoryStep> history() const { return history_.steps(true); }
    struct UndoReport {
        std::optional<HistoryStep> step; // none: nothing to undo
        std::vector<std::string> told;   // for the message line
        common::Problems problems;
    };
    UndoReport undo();
    void setHistoryLimits(const HistoryLimits& limits) { historyLimits_ = limits; }

    // Records one change in the log and tells the hook; the sink does the same for model calls.
    void record(const Change& change);
    ChangeSink sink();

  private:
    // One change of the game folder, from its rules to its end: refused (the ledger is being replayed,
    // the game runs, another program holds the lock), or let through holding the lock, which it lets
    // go at its end when it took it.
    class ChangeSpan final {
      public:
        // A `title` makes the change a step of the history, unless it runs within another's.
        ChangeSpan(SelectorSession& session, const std::filesystem::path& what, const std::string& action,
                   const std::string& title = {});
        ~ChangeSpan();
        ChangeSpan(const ChangeSpan&) = delete;
        ChangeSpan& operator=(const ChangeSpan&) = delete;
        // The refusal, taken out once for the caller's report.
        std::optional<common::Problem> refused() { return std::exchange(refused_, std::nullopt); }
        // A change that must be whole or nothing failed part-way: what it wrote is taken back at
        // once (its step undone, its journal and snapshot dropped) and the parts read anew, so the next
        // start finishes nothing the player was told had failed. False when it could not be.
        bool rollBack(common::Problems& problems);

      private:
        SelectorSession& session_;
        std::optional<common::Problem> refused_;
        bool took_ = false;
        bool stepBegun_ = false;
    };

    // The browser's partners: the skins, the plane sets and the log, as this session holds them.
    class BrowserPartners final : public SetBrowserPartners {
      public:
        explicit BrowserPartners(SelectorSession& session) : session_(session) {}
        std::vector<std::string> markedSkins() const override;
        FileWorkReport unloadMarkedSkins(const ProgressCallback& progress) override;
        std::vector<std::string> markedPlaneSets() const override;
        common::Problems showPlaneSets(const std::filesystem::path& flightModelSet) override;
        void clearPlaneSets() override;
        std::vector<FileOwner> skinOwners() const override;
        std::vector<FileOwner> planeSetOwners() const override;
        std::optional<FileWorkReport> finishSkinWork(const WorkJournal& work) override;
        FileWorkReport loadMatchingSkins(const std::string& item) override;
        FileWorkReport loadMatchingPlaneSets(const std::string& item) override;
        void logChange(const Change& change) override { session_.record(change); }

      private:
        SelectorSession& session_;
    };

    void fillSeams(SessionHooks& hooks);
    void keepLoadedMusic(const std::filesystem::path& oldMusic, common::Problems& problems);
    void endStep();
    // Start-up once more over what an undo put back: every part read anew.
    void restart();
    SkinChange installMatchingSkins(const std::string& item);
    FileWorkReport installMatchingPlaneSets(const std::string& item);
    AutoscriptStore autoscripts() const;
    SkinChange skinChange(const std::string& title, const std::function<SkinChange()>& change);

    std::filesystem::path gameFolder_;
    common::FileLock lock_;
    GameSettings settings_;
    SkinStore skins_;
    PlaneSetGrid planeSets_;
    StartupResult startup_;
    ChangeLog log_;
    SetBrowser browser_;
    common::Problems startupProblems_;
    BrowserChange startupChange_;
    ChangeSink logged_;
    BrowserPartners partners_{*this};
    SessionHooks hooks_; // as given to `start`, for a restart
    ChangeHistory history_;
    HistoryLimits historyLimits_;
    std::unique_ptr<ChangeHistory::Step> step_;
    std::unique_ptr<common::RecordingScope> recording_;
    std::function<void()> planeSetsShown_;
    std::function<void()> planeSetsCleared_;
    std::function<void()> skinsReset_;
    std::function<void(const SkinChange&)> skinsChanged_;
    std::function<void(std::size_t, const PlaneInstallReport&)> planeSetInstalled_;
    std::function<void()> historyChanged_;
    std::function<void()> restarted_;
};

} // namespace outfitter
