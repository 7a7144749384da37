#pragma once
// The set browser of the "Complete Sets" tab as a model: the grid's rows and load marks, the ready
// flag, the summary and its ledger, and the engine calls a click, "Refresh!" and "Reset All" make.
// The window draws what it reports and holds no rule of its own.

#include "outfitter/core/change_log.h"
#include "outfitter/core/file_work.h"
#include "outfitter/core/original_store.h"
#include "outfitter/core/selector_startup.h"
#include "outfitter/core/set_description.h"
#include "outfitter/core/work_journal.h"
#include "outfitter/sets/set_filter.h"

#include "common/process_start.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace outfitter {

// What the browser asks of the parts beside it, which the session owns: the skin grid, the plane-set
// grid and the change log. Each answer's default is that part's absence (no rows marked, no work
// done, nothing logged), so a browser given no partner works alone.
class SetBrowserPartners {
  public:
    virtual ~SetBrowserPartners() = default;

    virtual std::vector<std::string> markedSkins() const { return {}; } // names of the marked skin rows
    virtual FileWorkReport unloadMarkedSkins(const ProgressCallback&) { return {}; } // for "Reset All"
    virtual std::vector<std::string> markedPlaneSets() const { return {}; } // the marked plane-set rows
    // Fills the plane-set grid from a loaded flight-model set that holds "P-" folders.
    virtual common::Problems showPlaneSets(const std::filesystem::path&) { return {}; }
    virtual void clearPlaneSets() {}
    // The installed skins and the marked plane sets as owners of game files, so that a set load keeps
    // and restores around their files too.
    virtual std::vector<FileOwner> skinOwners() const { return {}; }
    virtual std::vector<FileOwner> planeSetOwners() const { return {}; }
    // Finishes a skin's install or removal that died part-way (start-up marked the skin installed);
    // nullopt when there are no skins to finish it with, which leaves its journal for a later start.
    virtual std::optional<FileWorkReport> finishSkinWork(const WorkJournal&) { return std::nullopt; }
    // A package item: install every unmarked skin row (and, while the plane-set grid is shown, every
    // unmarked plane-set row) it matches (packageItemMatches), as the grid's own click would.
    virtual FileWorkReport loadMatchingSkins(const std::string&) { return {}; }
    virtual FileWorkReport loadMatchingPlaneSets(const std::string&) { return {}; }
    // Every file copied, deleted, kept or put back, and every program started.
    virtual void logChange(const Change&) {}
};

// The partners of a browser alone: no skins, no plane sets, no log.
SetBrowserPartners& noBrowserPartners();

// What one user action changed, for the window to redraw.
struct BrowserChange {
    std::vector<std::size_t> rowsChanged; // rows whose load mark changed
    bool summaryChanged = false;
    FileWorkReport work;           // files touched; every problem, the ledger's included
    std::vector<std::string> told; // one line per load, unload or "Reset All", for the message line
};

// What "Reset All" is about to do, for the question asked first.
struct ResetAllPreview {
    // By the clean-up, and the loaded sets' files in "Savedata" and "Music" that go with them.
    std::size_t filesToDelete = 0;
    std::vector<std::string> taken; // those files, relative to the game folder, for the question's details
    std::size_t skinsToRemove = 0;
    std::size_t originals = 0; // kept originals that go back
    common::Problems problems;
};

class SetBrowser final {
  public:
    SetBrowser() = default; // no rows until a start-up result is given
    // `partners` outlives the browser; none stands for a browser alone.
    explicit SetBrowser(const StartupResult& startup, SetBrowserPartners* partners = nullptr);

    const std::vector<SetRow>& rows() const { return rows_; }
    const CategoryTable& categories() const { return categories_; }
    // The lines of "Whats Set?": the ledger as read at start until the first summary refresh.
    const std::vector<std::string>& summary() const { return summary_; }
    const std::filesystem::path& gameFolder() const { return gameFolder_; }
    const std::filesystem::path& selectorFolder() const { return selectorFolder_; }
    bool ready() const { return ready_; }
    bool refreshing() const { return refreshing_; }
    bool planeSetsShown() const { return planeSetsShown_; }
    SetBrowserPartners& partners() const { return *partners_; }

    // The loaded sets, with the installed skins and the marked plane sets where asked, as owners of
    // game files: what the skins' and aircraft's originals are kept around.
    std::vector<FileOwner> owners(bool withSkins, bool withPlaneSets) const;

    SetFilterView filter(std::size_t listPosition) const;
    SetDescription describe(std::size_t row) const;

    // A click (or Enter) on a row: loads or unloads it under the category rules, then refreshes the
    // summary and rewrites the ledger. Ignored while "Refresh!" is rebuilding the rows.
    BrowserChange click(std::size_t row, const ProgressCallback& progress = {});

    // "Refresh!" in two halves, so the window can show the new rows one by one in between: the first
    // lowers the ready flag and reads the set folders again (rows unmarked); the second replays the
    // ledger as marks without copying anything and raises the flag. The summary is left alone.
    common::Problems beginRefresh();
    BrowserChange finishRefresh();

    // "Reset All": every mark removed, the marked skins unloaded, the plane sets cleared, the game
    // folder cleaned, the ledger emptied to zero bytes and the stock "eaw.exe" put back.
    BrowserChange resetAll(const ProgressCallback& progress = {});
    ResetAllPreview previewResetAll() const;

    // The summary refresh other grids call after they change what is installed (skins, plane sets):
    // rebuilds "Whats Set?" from every grid's marks and rewrites the ledger. Does nothing while the
    // ready flag is off, so replayed marks never rewrite the ledger.
    BrowserChange refreshSummary();

    // Starts a program of the game folder; nothing else changes, whatever the outcome.
    std::optional<common::Problem> launch(std::string_view program, common::WindowMode mode) const;

  private:
    void applyClick(std::size_t row, const ProgressCallback& progress, BrowserChange& change);
    void flightModelLoaded(std::size_t row, BrowserChange& change);
    // The plane sets leave with their flight-model set; `leaving` is that set's row while its files are
    // still in the game folder (it holds them for the restore), or npos once they are gone.
    void hidePlaneSets(BrowserChange& change, std::size_t leaving = static_cast<std::size_t>(-1));
    // Work the start-up found interrupted, finished now that the engine is here.
    void finishInterruptedWork(const StartupResult& startup, BrowserChange& change);
    // "Reset All"'s own part: each loaded set's files in "Savedata" and "Music" go as its unload would
    // take them (the clean-up only knows the game folder's own files).
    FileWorkReport removeSetPlaceFiles(const std::vector<std::size_t>& rows,
                                       const ProgressCallback& progress);
    // False when the ledger was not written (ready flag down, or the write failed).
    bool summaryRefresh(BrowserChange& change);
    // The journal around one MoveIn or MoveOut: written before its first file, removed once the
    // ledger records the outcome.
    bool beginWork(const WorkJournal& work, BrowserChange& change);
    void endWork(BrowserChange& change);
    // Loaded owners in ledger order (sets, then skins, then plane sets), row `except` left out.
    std::vector<FileOwner> loadedOwners(std::size_t except, bool withPlaneSets = true,
                                        bool withSkins = true) const;
    FileOwner rowOwner(std::size_t row) const;
    bool keepOriginals(std::size_t row, BrowserChange& change, SetFileWork& kept);
    FileWorkReport unloadRow(std::size_t row, const ProgressCallback& progress, BrowserChange& change);
    void log(const std::vector<Change>& changes) const;
    void logFiles(ChangeKind kind, const FileWorkReport& work, const std::string& detail) const;

    std::filesystem::path gameFolder_;
    std::filesystem::path selectorFolder_;
    CategoryTable categories_;
    std::vector<SetRow> rows_;
    std::vector<std::string> summary_;
    SetBrowserPartners* partners_ = &noBrowserPartners();
    bool ready_ = true;
    bool refreshing_ = false;
    bool planeSetsShown_ = false;
    bool journalOpen_ = false;
    bool finishing_ = false; // work of a dead run is being finished

  public:
    // What start-up's interrupted work came to once finished here, for the window's message line.
    BrowserChange takeStartupChange() { return std::exchange(startupChange_, {}); }

  private:
    BrowserChange startupChange_;
};

// The message for an unload that left some of the set behind (or could not list it), naming the files.
common::Problem stayedLoaded(const std::filesystem::path& setFolder, const FileWorkReport& unload);

// Whether a flight-model set holds plane sets: a subfolder whose name begins "P-".
bool hasPlaneSets(const std::filesystem::path& setFolder);

} // namespace outfitter
