#include "outfitter/session/selector_session.h"

#include "outfitter/core/load_ledger.h"
#include "outfitter/sets/package_items.h"
#include "outfitter/sets/package_loader.h"

#include "common/game_folder_lock.h"
#include "common/names.h"
#include "common/resolver.h"

#include <algorithm>
#include <cstdio>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

// How the selector names itself in the lock file, for the other programs' refusals.
constexpr const char* kProgramName = "outfitter";

} // namespace

SelectorSession::SelectorSession(const fs::path& gameFolder, bool startNow)
    : gameFolder_(gameFolder), settings_(gameFolder), skins_(gameFolder), planeSets_(gameFolder) {
    if (startNow)
        start();
}

void SelectorSession::record(const Change& change) {
    log_.record(change);
    if (logged_)
        logged_(change);
}

ImportPlan SelectorSession::planAdd(const fs::path& source, std::optional<std::string> letter,
                                    std::optional<std::string> name) const {
    return planImport(source, browser_.categories(), startup_.selectorFolder, std::move(letter),
                      std::move(name));
}

std::optional<common::Problem> SelectorSession::loadedClash(const ImportPlan& plan) const {
    for (const auto& set : plan.sets)
        for (const auto& row : browser_.rows())
            if (row.loaded && common::equalsIgnoreCase(row.name, set.folderName))
                return common::Problem{startup_.selectorFolder / common::pathFromText(row.name),
                                       "adding a set as",
                                       "that set is loaded; unload it first, then add it again"};
    return std::nullopt;
}

ImportResult SelectorSession::unpack(const ImportPlan& plan, bool replaceExisting,
                                     const std::function<bool(const ImportProgress&)>& progress) const {
    return importSets(plan, startup_.selectorFolder, replaceExisting, progress);
}

namespace {

std::string sizeText(std::uint64_t bytes) {
    char text[32];
    const double megabytes = static_cast<double>(bytes) / 1e6;
    if (bytes < 1000 * 1000)
        std::snprintf(text, sizeof text, "%llu KB", static_cast<unsigned long long>((bytes + 999) / 1000));
    else if (megabytes < 10)
        std::snprintf(text, sizeof text, "%.1f MB", megabytes);
    else
        std::snprintf(text, sizeof text, "%.0f MB", megabytes);
    return text;
}

} // namespace

SelectorSession::Added SelectorSession::finishAdd(const ImportPlan& plan, const ImportResult& result) {
    Added added;
    auto& change = added.change;
    change.work.problems = result.problems;
    if (result.cancelled || result.addedFolders.empty())
        return added;
    // The new folders become rows as "Refresh!" makes them: read again, marks replayed, nothing copied.
    change.work.problems = browser_.beginRefresh();
    mergeChange(change, browser_.finishRefresh());
    change.rowsChanged.clear();
    for (std::size_t i = 0; i < browser_.rows().size(); ++i)
        change.rowsChanged.push_back(i);
    change.summaryChanged = true;
    std::string names;
    for (const auto& folder : result.addedFolders) {
        names += (names.empty() ? "" : ", ") + folder;
        record({ChangeKind::Add, startup_.selectorFolder / common::pathFromText(folder),
                "from " + common::pathText(plan.source.filename())});
        for (std::size_t i = 0; i < browser_.rows().size(); ++i)
            if (browser_.rows()[i].name == folder)
                added.rows.push_back(i);
    }
    change.told.push_back("Added " + names + " from " + common::pathText(plan.source.filename()) + ": " +
                          std::to_string(result.files) + (result.files == 1 ? " file, " : " files, ") +
                          sizeText(result.bytes));
    return added;
}

ChangeSink SelectorSession::sink() {
    return [this](const Change& change) { record(change); };
}

bool SelectorSession::takeLock(std::chrono::milliseconds wait) {
    if (!lock_.held())
        lock_ = common::takeGameFolderLock(gameFolder_, kProgramName, wait);
    return lock_.held();
}

std::optional<common::LockHolder> SelectorSession::lockedElsewhere() const {
    if (lock_.held())
        return std::nullopt;
    return common::gameFolderLockHolder(gameFolder_);
}

void SelectorSession::start(SessionHooks hooks, StartupMode mode) {
    hooks_ = hooks;
    if (mode == StartupMode::Repair && !takeLock())
        mode = StartupMode::ReadOnly;
    // The skin grid is filled before the ledger replay marks its rows.
    startupProblems_ = skins_.load();
    if (mode == StartupMode::ReadOnly && lock_.problem())
        startupProblems_.push_back(*lock_.problem());
    fillSeams(hooks);
    logged_ = std::move(hooks.logged);
    planeSetsShown_ = std::move(hooks.planeSetsShown);
    planeSetsCleared_ = std::move(hooks.planeSetsCleared);
    skinsReset_ = std::move(hooks.skinsReset);
    skinsChanged_ = std::move(hooks.skinsChanged);
    planeSetInstalled_ = std::move(hooks.planeSetInstalled);
    historyChanged_ = std::move(hooks.historyChanged);
    restarted_ = std::move(hooks.restarted);
    // An undo a killed run began is finished before anything reads what it was putting back.
    std::vector<std::string> undoneAtStart;
    if (mode == StartupMode::Repair) {
        const auto selector = common::resolve(gameFolder_, kSelectorFolderName);
        if (selector.ok() && selector.value.exists) {
            history_ = ChangeHistory(gameFolder_, selector.value.path);
            if (auto undone = history_.finishInterruptedUndo()) {
                startupProblems_.insert(startupProblems_.end(), undone->problems.begin(),
                                        undone->problems.end());
                if (undone->step)
                    undoneAtStart.push_back("Undoing \"" + undone->step->title +
                                            "\" was interrupted; it was finished.");
            }
        }
    }
    startup_ = SelectorStartup::run(gameFolder_, hooks.startup, mode);
    startupProblems_.insert(startupProblems_.end(), startup_.problems.begin(), startup_.problems.end());
    if (!startup_.selectorFolder.empty()) {
        log_ = ChangeLog(gameFolder_, startup_.selectorFolder);
        history_ = ChangeHistory(gameFolder_, startup_.selectorFolder);
    }
    skins_.setOtherOwners([this] { return browser_.owners(false, true); });
    planeSets_.setOtherOwners([this] { return browser_.owners(true, false); });
    // Work a killed change left is finished into that change's own step, so one undo takes it back.
    if (mode == StartupMode::Repair && !step_) {
        step_ = history_.resumeUnfinished();
        if (step_)
            recording_ = std::make_unique<common::RecordingScope>(step_.get());
    }
    browser_ = SetBrowser(startup_, &partners_);
    planeSets_.endReplay();
    startupChange_ = browser_.takeStartupChange();
    startupChange_.told.insert(startupChange_.told.begin(), undoneAtStart.begin(), undoneAtStart.end());
    if (recording_)
        endStep();
}

SelectorSession::UndoReport SelectorSession::undo() {
    UndoReport report;
    ChangeSpan span(*this, gameFolder_, "undoing the last change in");
    if (auto refused = span.refused()) {
        report.problems.push_back(std::move(*refused));
        return report;
    }
    auto undone = history_.undoNewest();
    report.problems = std::move(undone.problems);
    report.step = std::move(undone.step);
    if (!report.step) {
        report.told.push_back("Nothing to undo.");
        return report;
    }
    const auto& title = report.step->title;
    record({ChangeKind::Undo, gameFolder_,
            "\"" + title + "\": " + std::to_string(undone.restored.size()) + " put back, " +
                std::to_string(undone.setAside.size()) + " set aside in " +
                common::pathText(history_.folder().filename()) + "/" + report.step->id});
    restart();
    report.problems.insert(report.problems.end(), startupProblems_.begin(), startupProblems_.end());
    report.told.push_back(report.problems.empty() ? "Undone: " + title
                                                  : "Undone in part: " + title + " (see below)");
    if (historyChanged_)
        historyChanged_();
    return report;
}

void SelectorSession::restart() {
    skins_ = SkinStore(gameFolder_);
    planeSets_ = PlaneSetGrid(gameFolder_);
    settings_ = GameSettings(gameFolder_);
    start(hooks_, StartupMode::Repair);
}

void SelectorSession::fillSeams(SessionHooks& hooks) {
    auto& startup = hooks.startup;
    if (!startup.iniRead)
        startup.iniRead = [this](const fs::path& eawIni) { return settings_.IniRead(eawIni); };
    if (!startup.markSkin)
        startup.markSkin = [this](const std::string& line) { return skins_.markFromLedger(line); };
    if (!startup.markPlaneSet)
        startup.markPlaneSet = [this](const std::string& line) { return planeSets_.markFromLedger(line); };
}

} // namespace outfitter

namespace outfitter {

std::vector<std::string> SelectorSession::BrowserPartners::markedSkins() const {
    return session_.skins_.installedNames();
}

FileWorkReport SelectorSession::BrowserPartners::unloadMarkedSkins(const ProgressCallback& progress) {
    auto report = session_.skins_.unloadAll(progress);
    if (session_.skinsReset_)
        session_.skinsReset_();
    return report;
}

std::vector<std::string> SelectorSession::BrowserPartners::markedPlaneSets() const {
    return session_.planeSets_.markedFolders();
}

common::Problems SelectorSession::BrowserPartners::showPlaneSets(const fs::path& flightModelSet) {
    auto problems = session_.planeSets_.GridSet(flightModelSet);
    // "Refresh!" rebuilt the grid while replaying the ledger: its plane-set lines mark again.
    if (!session_.browser_.ready()) {
        const auto ledger = readLedger(session_.startup_.selectorFolder);
        for (const auto& name : ledger.value)
            session_.planeSets_.markFromLedger(name);
    }
    if (session_.planeSetsShown_)
        session_.planeSetsShown_();
    return problems;
}

void SelectorSession::BrowserPartners::clearPlaneSets() {
    session_.planeSets_.clear();
    if (session_.planeSetsCleared_)
        session_.planeSetsCleared_();
}

std::vector<FileOwner> SelectorSession::BrowserPartners::skinOwners() const {
    return session_.skins_.owners();
}

std::vector<FileOwner> SelectorSession::BrowserPartners::planeSetOwners() const {
    return session_.planeSets_.owners();
}

std::optional<FileWorkReport> SelectorSession::BrowserPartners::finishSkinWork(const WorkJournal& work) {
    return session_.skins_.finishWork(work);
}

FileWorkReport SelectorSession::BrowserPartners::loadMatchingSkins(const std::string& item) {
    return session_.installMatchingSkins(item).work;
}

FileWorkReport SelectorSession::BrowserPartners::loadMatchingPlaneSets(const std::string& item) {
    return session_.installMatchingPlaneSets(item);
}

} // namespace outfitter
