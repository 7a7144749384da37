#include "outfitter/sets/set_browser.h"

#include "outfitter/core/file_snapshot.h"
#include "outfitter/core/load_ledger.h"
#include "outfitter/sets/change_lines.h"
#include "outfitter/sets/file_owner.h"
#include "outfitter/sets/load_summary.h"
#include "outfitter/sets/program_launch.h"
#include "outfitter/sets/set_click_plan.h"
#include "outfitter/sets/set_file_rules.h"
#include "outfitter/sets/set_installer.h"

#include "common/folder_listing.h"
#include "common/names.h"

#include <algorithm>

namespace outfitter {

SetBrowserPartners& noBrowserPartners() {
    static SetBrowserPartners alone;
    return alone;
}

namespace fs = std::filesystem;

namespace {

bool isFlightModelSet(const SetRow& row) {
    return !row.name.empty() && row.name.front() == 'F';
}

std::vector<MarkedName> markedNames(const std::vector<std::string>& names) {
    std::vector<MarkedName> out;
    out.reserve(names.size());
    for (const auto& name : names)
        out.push_back({name, true});
    return out;
}

} // namespace

bool hasPlaneSets(const fs::path& setFolder) {
    const auto folders = common::listFolders(setFolder);
    for (const auto& name : folders.value)
        if (name.rfind("P-", 0) == 0)
            return true;
    return false;
}

SetBrowser::SetBrowser(const StartupResult& startup, SetBrowserPartners* partners)
    : gameFolder_(startup.gameFolder), selectorFolder_(startup.selectorFolder),
      categories_(startup.categories), rows_(startup.sets.rows()), summary_(startup.summary),
      partners_(partners ? partners : &noBrowserPartners()) {
    // The start-up replay marked the rows; a loaded flight-model set brings its plane sets back.
    BrowserChange& change = startupChange_;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].loaded && isFlightModelSet(rows_[i]))
            flightModelLoaded(i, change);
    // A start that only reads leaves interrupted work and stale originals to one holding the lock.
    if (selectorFolder_.empty() || startup.readOnly)
        return;
    finishInterruptedWork(startup, change);
    // Originals no loaded owner holds are stale, but only a ledger whose every line is known here says
    // which owners are loaded: one naming a set that is gone leaves the store alone.
    const auto owners = loadedOwners(rows_.size());
    const bool ledgerKnown = std::all_of(summary_.begin(), summary_.end(), [&](const std::string& line) {
        return std::any_of(owners.begin(), owners.end(),
                           [&](const FileOwner& owner) { return owner.name == line; });
    });
    if (ledgerKnown) {
        const auto dropped = OriginalStore(gameFolder_, selectorFolder_).dropStale(owners);
        log(dropped.changes);
        change.work.add(dropped.work);
    }
}

SetFilterView SetBrowser::filter(std::size_t listPosition) const {
    return filterSets(rows_, categories_, listPosition);
}

SetDescription SetBrowser::describe(std::size_t row) const {
    if (row >= rows_.size())
        return {};
    return describeSet(common::pathFromText(rows_[row].path));
}

BrowserChange SetBrowser::click(std::size_t row, const ProgressCallback& progress) {
    BrowserChange change;
    if (refreshing_ || row >= rows_.size())
        return change;
    applyClick(row, progress, change);
    return change;
}

void SetBrowser::applyClick(std::size_t row, const ProgressCallback& progress, BrowserChange& change) {
    std::vector<SetClickRow> plainRows;
    plainRows.reserve(rows_.size());
    for (const auto& r : rows_)
        plainRows.push_back({r.name, r.loaded});
    const bool unloading = rows_[row].loaded;
    const bool flightModel = isFlightModelSet(rows_[row]);
    std::vector<std::size_t> nothingArrived;
    bool refused = false;

    for (const auto& step : planSetClick(plainRows, row, ready_)) {
        if (refused)
            break;
        auto& target = rows_[step.row];
        const fs::path folder = common::pathFromText(target.path);
        switch (step.kind) {
        case SetClickStep::Kind::Unmark:
        case SetClickStep::Kind::Mark:
            if (step.kind == SetClickStep::Kind::Mark &&
                std::find(nothingArrived.begin(), nothingArrived.end(), step.row) != nothingArrived.end())
                break;
            target.loaded = step.kind == SetClickStep::Kind::Mark;
            change.rowsChanged.push_back(step.row);
            break;
        case SetClickStep::Kind::MoveOut: {
            // A flight-model set making way takes its plane sets with it.
            if (flightModel && step.row != row)
                hidePlaneSets(change, step.row);
            const bool journaled = beginWork({WorkJournal::Kind::Unload, target.name}, change);
            const auto work = unloadRow(step.row, progress, change);
            if (!unloadFinished(work)) {
                target.loaded = true; // so the player can try again on what stayed
                change.rowsChanged.push_back(step.row);
                change.work.problems.push_back(stayedLoaded(folder, work));
            }
            // The ledger now says what this unload left, before any other set's files move.
            if (summaryRefresh(change) && journaled)
                endWork(change);
            break;
        }
        case SetClickStep::Kind::MoveIn: {
            // The journal comes first: an original kept by a load that then dies must belong to a load
            // the next start knows of, or it would later be put back over the player's newer file.
            const bool journaled = beginWork({WorkJournal::Kind::Load, target.name}, change);
            SetFileWork kept;
            if (!keepOriginals(step.row, change, kept)) {
                if (journaled)
                    endWork(change);
                // Loading now would overwrite a player's file that could not be kept.
                refused = true;
                if (target.loaded) {
                    target.loaded = false;
                    change.rowsChanged.push_back(step.row);
                }
                change.told.push_back(target.name +
                                      " was not loaded: the files it would replace could not be kept");
                break;
            }
            auto work = MoveIn(gameFolder_, folder, progress);
            logFiles(ChangeKind::Copy, work, "from " + target.name);
            if (!loadArrived(work)) {
                nothingArrived.push_back(step.row);
                if (target.loaded) { // a campaign is marked before its files move
                    target.loaded = false;
                    change.rowsChanged.push_back(step.row);
                }
                work.problems.push_back({folder, "loading", "nothing arrived, so it is not marked loaded"});
            } else {
                change.told.push_back(loadedLine(target.name, gameFolder_, work, kept));
            }
            change.work.add(work);
            break;
        }
        }
    }

    if (flightModel && unloading && !rows_[row].loaded)
        hidePlaneSets(change);
    else if (flightModel && !unloading && rows_[row].loaded)
        flightModelLoaded(row, change);
    if (summaryRefresh(change))
        endWork(change);
}

bool SetBrowser::beginWork(const WorkJournal& work, BrowserChange& change) {
    // Without the journal a crash part-way is not recovered at the next start; the work itself can
    // still be done, so it goes ahead and the player is told.
    if (auto failed = writeJournal(selectorFolder_, work)) {
        change.work.problems.push_back(std::move(*failed));
        return false;
    }
    journalOpen_ = true;
    return true;
}

void SetBrowser::endWork(BrowserChange& change) {
    if (!journalOpen_)
        return;
    if (auto failed = removeJournal(selectorFolder_))
        change.work.problems.push_back(std::move(*failed));
    // An aircraft's snapshot is only wanted until the ledger holds its outcome.
    for (auto& failed : dropSnapshot(selectorFolder_))
        change.work.problems.push_back(std::move(failed));
    journalOpen_ = false;
}

common::Problem stayedLoaded(const fs::path& setFolder, const FileWorkReport& unload) {
    if (unload.stayed.empty())
        return {setFolder, "unloading", "its files could not be listed, so it stays marked loaded"};
    std::string names;
    for (const auto& file : unload.stayed)
        names += (names.empty() ? "" : ", ") + common::pathText(file.filename());
    return {setFolder, "unloading", "it stays marked loaded; still in the game folder: " + names};
}

FileOwner SetBrowser::rowOwner(std::size_t row) const {
    return setOwner(rows_[row].name, common::pathFromText(rows_[row].path));
}

std::vector<FileOwner> SetBrowser::loadedOwners(std::size_t except, bool withPlaneSets,
                                                bool withSkins) const {
    std::vector<FileOwner> owners;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (i != except && rows_[i].loaded)
            owners.push_back(rowOwner(i));
    const auto add = [&](std::vector<FileOwner> more) {
        for (auto& owner : more)
            owners.push_back(std::move(owner));
    };
    if (withSkins)
        add(partners_->skinOwners());
    if (withPlaneSets && planeSetsShown_)
        add(partners_->planeSetOwners());
    return owners;
}

bool SetBrowser::keepOriginals(std::size_t row, BrowserChange& change, SetFileWork& kept) {
    const OriginalStore store(gameFolder_, selectorFolder_);
    kept = store.beforeLoad(rowOwner(row), loadedOwners(row));
    log(kept.changes);
    change.work.add(kept.work);
    if (const auto line = replacingLine(rows_[row].name, kept); !line.empty())
        change.told.push_back(line);
    return kept.work.ok();
}

FileWorkReport SetBrowser::unloadRow(std::size_t row, const ProgressCallback& progress,
                                     BrowserChange& change) {
    const fs::path folder = common::pathFromText(rows_[row].path);
    auto report =
        finishing_ ? MoveOutOwnCopies(gameFolder_, folder, progress) : MoveOut(gameFolder_, folder, progress);
    // A campaign's saves left "Savedata" for the set folder: moved, not lost.
    FileWorkReport moved;
    FileWorkReport deleted;
    for (const auto& file : report.done)
        (isCampaignSetFolder(folder) && file.parent_path() != gameFolder_ &&
                 common::toUpperAscii(common::pathText(file.extension())) == ".SVE"
             ? moved
             : deleted)
            .done.push_back(file);
    logFiles(ChangeKind::Rename, moved, "into " + rows_[row].name);
    logFiles(ChangeKind::Delete, deleted, "of " + rows_[row].name);
    const OriginalStore store(gameFolder_, selectorFolder_);
    const auto restored = store.afterUnload(rowOwner(row), loadedOwners(row));
    log(restored.changes);
    change.work.add(report);
    change.work.add(restored.work);
    change.told.push_back(unloadedLine(rows_[row].name, report, restored));
    return report;
}

void SetBrowser::log(const std::vector<Change>& changes) const {
    for (const auto& change : changes)
        partners_->logChange(change);
}

void SetBrowser::logFiles(ChangeKind kind, const FileWorkReport& work, const std::string& detail) const {
    for (const auto& file : work.done)
        partners_->logChange({kind, file, detail});
}

void SetBrowser::flightModelLoaded(std::size_t row, BrowserChange& change) {
    const fs::path folder = common::pathFromText(rows_[row].path);
    if (!hasPlaneSets(folder)) {
        hidePlaneSets(change);
        return;
    }
    auto problems = partners_->showPlaneSets(folder);
    change.work.problems.insert(change.work.problems.end(), problems.begin(), problems.end());
    planeSetsShown_ = true;
}

void SetBrowser::hidePlaneSets(BrowserChange& change, std::size_t leaving) {
    std::vector<FileOwner> leavingOwners;
    if (planeSetsShown_)
        leavingOwners = partners_->planeSetOwners();
    partners_->clearPlaneSets();
    planeSetsShown_ = false;
    // The aircraft patched files no set holds ("pnames.str", the menus); their originals go back now.
    // A flight-model set still in the game folder holds its own files, which its unload restores.
    auto stillLoaded = loadedOwners(rows_.size(), false);
    if (leaving < rows_.size())
        stillLoaded.push_back(rowOwner(leaving));
    const OriginalStore store(gameFolder_, selectorFolder_);
    for (auto owner = leavingOwners.rbegin(); owner != leavingOwners.rend(); ++owner) {
        const auto restored = store.afterUnload(*owner, stillLoaded);
        log(restored.changes);
        change.work.add(restored.work);
    }
}

BrowserChange SetBrowser::refreshSummary() {
    BrowserChange change;
    // The skin or aircraft work that called for this refresh is recorded once the ledger says so.
    if (summaryRefresh(change)) {
        journalOpen_ = true;
        endWork(change);
    }
    return change;
}

std::vector<FileOwner> SetBrowser::owners(bool withSkins, bool withPlaneSets) const {
    return loadedOwners(rows_.size(), withPlaneSets, withSkins);
}

bool SetBrowser::summaryRefresh(BrowserChange& change) {
    // While the ledger is replayed the marks are only being restored: the ledger already says so.
    if (!ready_)
        return false;
    std::vector<MarkedName> sets;
    sets.reserve(rows_.size());
    for (const auto& row : rows_)
        sets.push_back({row.name, row.loaded});
    const auto skins = markedNames(partners_->markedSkins());
    const auto planeSets = markedNames(partners_->markedPlaneSets());
    const auto summary = buildLoadSummary(sets, skins, planeSets, planeSetsShown_);
    summary_ = summary.lines;
    change.summaryChanged = true;
    if (auto problem = writeLoadSummary(selectorFolder_, summary)) {
        change.work.problems.push_back(std::move(*problem));
        return false;
    }
    return true;
}

common::Problems SetBrowser::beginRefresh() {
    common::Problems problems;
    ready_ = false;
    refreshing_ = true;
    // A category line added since start-up brings its sets in.
    categories_ = CategoryTable::load(selectorFolder_, problems);
    rows_ = SetCatalog::scan(selectorFolder_, categories_, problems).rows();
    return problems;
}

BrowserChange SetBrowser::finishRefresh() {
    BrowserChange change;
    if (!refreshing_)
        return change;
    const auto ledger = readLedger(selectorFolder_);
    if (!ledger.ok())
        change.work.problems.push_back(*ledger.problem);
    for (const auto& name : ledger.value)
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (rows_[i].name == name) {
                rows_[i].loaded = false;
                applyClick(i, {}, change);
            }
    refreshing_ = false;
    ready_ = true;
    return change;
}

std::optional<common::Problem> SetBrowser::launch(std::string_view program, common::WindowMode mode) const {
    auto problem = launchProgram(gameFolder_, program, mode);
    if (!problem)
        log({{ChangeKind::Launch, gameFolder_ / common::pathFromText(program), {}}});
    return problem;
}

} // namespace outfitter
