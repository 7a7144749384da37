#include "outfitter/sets/set_browser.h"

#include "outfitter/core/load_ledger.h"
#include "outfitter/sets/clean_up.h"
#include "outfitter/sets/game_targets.h"
#include "outfitter/sets/load_summary.h"
#include "outfitter/sets/program_launch.h"
#include "outfitter/sets/set_click_plan.h"
#include "outfitter/sets/set_installer.h"

#include "common/folder_listing.h"
#include "common/names.h"

#include <algorithm>

namespace outfitter {

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

SetBrowser::SetBrowser(const StartupResult& startup, SetBrowserSeams seams)
    : gameFolder_(startup.gameFolder), selectorFolder_(startup.selectorFolder),
      categories_(startup.categories), rows_(startup.sets.rows()), summary_(startup.summary),
      seams_(std::move(seams)) {
    // The start-up replay marked the rows; a loaded flight-model set brings its plane sets back.
    BrowserChange ignored;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].loaded && isFlightModelSet(rows_[i]))
            flightModelLoaded(i, ignored);
}

SetFilterView SetBrowser::filter(std::size_t listPosition) const {
    return filterSets(rows_, categories_, listPosition);
}

SetDescription SetBrowser::describe(std::size_t row) const {
    if (row >= rows_.size())
        return {};
    return describeSet(fs::path(rows_[row].path));
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

    for (const auto& step : planSetClick(plainRows, row, ready_)) {
        auto& target = rows_[step.row];
        const fs::path folder(target.path);
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
                hidePlaneSets();
            const bool journaled = beginWork({WorkJournal::Kind::Unload, target.name}, change);
            auto work = MoveOut(gameFolder_, folder, progress);
            if (!unloadFinished(work)) {
                target.loaded = true; // so the player can try again on what stayed
                change.rowsChanged.push_back(step.row);
                work.problems.push_back(stayedLoaded(folder, work));
            }
            change.work.add(work);
            // The ledger now says what this unload left, before any other set's files move.
            if (summaryRefresh(change) && journaled)
                endWork(change);
            break;
        }
        case SetClickStep::Kind::MoveIn: {
            beginWork({WorkJournal::Kind::Load, target.name}, change);
            auto work = MoveIn(gameFolder_, folder, progress);
            if (!loadArrived(work)) {
                nothingArrived.push_back(step.row);
                if (target.loaded) { // a campaign is marked before its files move
                    target.loaded = false;
                    change.rowsChanged.push_back(step.row);
                }
                work.problems.push_back({folder, "loading", "nothing arrived, so it is not marked loaded"});
            }
            change.work.add(work);
            break;
        }
        }
    }

    if (flightModel && unloading && !rows_[row].loaded)
        hidePlaneSets();
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
    journalOpen_ = false;
}

common::Problem stayedLoaded(const fs::path& setFolder, const FileWorkReport& unload) {
    if (unload.stayed.empty())
        return {setFolder, "unloading", "its files could not be listed, so it stays marked loaded"};
    std::string names;
    for (const auto& file : unload.stayed)
        names += (names.empty() ? "" : ", ") + file.filename().string();
    return {setFolder, "unloading", "it stays marked loaded; still in the game folder: " + names};
}

void SetBrowser::flightModelLoaded(std::size_t row, BrowserChange& change) {
    const fs::path folder(rows_[row].path);
    if (!hasPlaneSets(folder)) {
        hidePlaneSets();
        return;
    }
    if (seams_.showPlaneSets) {
        auto problems = seams_.showPlaneSets(folder);
        change.work.problems.insert(change.work.problems.end(), problems.begin(), problems.end());
    }
    planeSetsShown_ = true;
}

void SetBrowser::hidePlaneSets() {
    if (seams_.clearPlaneSets)
        seams_.clearPlaneSets();
    planeSetsShown_ = false;
}

BrowserChange SetBrowser::refreshSummary() {
    BrowserChange change;
    summaryRefresh(change);
    return change;
}

bool SetBrowser::summaryRefresh(BrowserChange& change) {
    // While the ledger is replayed the marks are only being restored: the ledger already says so.
    if (!ready_)
        return false;
    std::vector<MarkedName> sets;
    sets.reserve(rows_.size());
    for (const auto& row : rows_)
        sets.push_back({row.name, row.loaded});
    const auto skins = seams_.markedSkins ? markedNames(seams_.markedSkins()) : std::vector<MarkedName>{};
    const auto planeSets =
        seams_.markedPlaneSets ? markedNames(seams_.markedPlaneSets()) : std::vector<MarkedName>{};
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

BrowserChange SetBrowser::resetAll(const ProgressCallback& progress) {
    BrowserChange change;
    if (refreshing_)
        return change;
    ready_ = true;
    std::vector<std::size_t> wereLoaded;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].loaded) {
            rows_[i].loaded = false;
            wereLoaded.push_back(i);
            change.rowsChanged.push_back(i);
        }
    if (seams_.unloadMarkedSkins)
        change.work.add(seams_.unloadMarkedSkins(progress));
    hidePlaneSets();
    const auto work = resetAllFiles(gameFolder_, selectorFolder_, progress);
    change.work.add(work);
    summary_.clear();
    change.summaryChanged = true;

    // A set whose file the clean-up could not delete is still (partly) in the game folder.
    bool anyKept = false;
    for (const auto i : wereLoaded) {
        const fs::path folder(rows_[i].path);
        const auto names = setFileNames(folder);
        FileWorkReport left;
        for (const auto& file : work.stayed)
            for (const auto& name : names.value)
                if (common::equalsIgnoreCase(name, file.filename().string()))
                    left.stayed.push_back(file);
        if (!left.stayed.empty()) {
            rows_[i].loaded = true;
            anyKept = true;
            change.work.problems.push_back(stayedLoaded(folder, left));
        }
    }
    if (anyKept)
        summaryRefresh(change); // the ledger lists what stayed instead of nothing
    return change;
}

std::optional<common::Problem> SetBrowser::launch(std::string_view program, common::WindowMode mode) const {
    return launchProgram(gameFolder_, program, mode);
}

} // namespace outfitter
