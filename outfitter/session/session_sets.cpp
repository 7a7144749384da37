// The rules every change of the game folder obeys, and the changes of the "Complete Sets" and
// "General Settings" tabs: loads and unloads, "Refresh!", "Reset All" and the "eaw.ini" saves.

#include "outfitter/session/selector_session.h"

#include "outfitter/core/file_snapshot.h"
#include "outfitter/core/work_journal.h"

#include "common/game_folder_lock.h"

namespace outfitter {

namespace fs = std::filesystem;

SelectorSession::ChangeSpan::ChangeSpan(SelectorSession& session, const fs::path& what,
                                        const std::string& action, const std::string& title)
    : session_(session) {
    if (!session.acceptsChanges())
        refused_ = common::Problem{what, action,
                                   "the selector is still reading the game folder; try again in a moment"};
    else if (const auto running = session.changeRefusal())
        refused_ = common::Problem{what, action, *running};
    else if (!session.holdsLock()) {
        took_ = session.takeLock();
        if (!took_)
            refused_ = common::Problem{what, action, session.lockRefusal()};
    }
    if (refused_ || title.empty() || session.step_)
        return;
    common::Problems problems;
    session.step_ = session.history_.begin(title, problems);
    if (!session.step_) {
        // What the change would take away could not be kept for its undo.
        if (!problems.empty())
            refused_ = common::Problem{what, action, problems.front().text() + ". Nothing was changed."};
        return;
    }
    session.recording_ = std::make_unique<common::RecordingScope>(session.step_.get());
    stepBegun_ = true;
}

SelectorSession::ChangeSpan::~ChangeSpan() {
    if (stepBegun_)
        session_.endStep();
    if (took_)
        session_.releaseLock();
}

bool SelectorSession::ChangeSpan::rollBack(common::Problems& problems) {
    if (!stepBegun_)
        return false;
    stepBegun_ = false;
    auto& session = session_;
    session.recording_.reset();
    session.history_.finish(std::move(session.step_), session.historyLimits_);
    auto undone = session.history_.undoNewest();
    problems.insert(problems.end(), undone.problems.begin(), undone.problems.end());
    const auto selector = session.startup_.selectorFolder;
    if (auto problem = removeJournal(selector))
        problems.push_back(std::move(*problem));
    const auto dropped = dropSnapshot(selector);
    problems.insert(problems.end(), dropped.begin(), dropped.end());
    session.restart();
    if (session.restarted_)
        session.restarted_();
    if (session.historyChanged_)
        session.historyChanged_();
    return undone.problems.empty();
}

void SelectorSession::endStep() {
    recording_.reset();
    for (const auto& title : history_.finish(std::move(step_), historyLimits_))
        record({ChangeKind::Forget, history_.folder(), "the oldest step kept, \"" + title + "\""});
    if (historyChanged_)
        historyChanged_();
}

std::string SelectorSession::lockRefusal() const {
    if (lock_.problem())
        return lock_.problem()->text() + ". Nothing was changed.";
    const auto& holder = lock_.holder();
    const bool selector = holder.program.empty() || holder.program == "outfitter";
    const auto who = selector ? std::string("Another outfitter") : holder.program;
    return who + common::processText(holder) +
           " is changing this game folder: try again when it has finished. Nothing was changed.";
}

namespace {

BrowserChange refusedChange(std::optional<common::Problem>&& refused) {
    BrowserChange change;
    change.work.problems.push_back(std::move(*refused));
    return change;
}

} // namespace

BrowserChange SelectorSession::clickSet(std::size_t row, const ProgressCallback& progress) {
    const bool known = row < browser_.rows().size();
    const fs::path set = known ? common::pathFromText(browser_.rows()[row].path) : gameFolder_;
    const auto title = known ? (browser_.rows()[row].loaded ? "Unload " : "Load ") + browser_.rows()[row].name
                             : std::string();
    ChangeSpan span(*this, set, "loading or unloading", title);
    if (auto refused = span.refused())
        return refusedChange(std::move(refused));
    return browser_.click(row, progress);
}

common::Problems SelectorSession::beginRefresh() {
    return browser_.beginRefresh();
}

BrowserChange SelectorSession::finishRefresh() {
    return browser_.finishRefresh();
}

BrowserChange SelectorSession::resetAll(const ProgressCallback& progress) {
    ChangeSpan span(*this, gameFolder_, "resetting", "Reset All");
    if (auto refused = span.refused())
        return refusedChange(std::move(refused));
    return browser_.resetAll(progress);
}

std::optional<common::Problem> SelectorSession::launch(std::string_view program,
                                                       common::WindowMode mode) const {
    return browser_.launch(program, mode);
}

SelectorSession::SettingsSave SelectorSession::saveSettings(const IniValues& boxes,
                                                            std::optional<std::size_t> enteredKey) {
    SettingsSave save;
    if (!acceptsChanges()) {
        save.outcome = settings_.inisave(boxes, false);
        return save;
    }
    ChangeSpan span(*this, gameFolder_ / "eaw.ini", "saving", "Save the settings in eaw.ini");
    if (auto refused = span.refused()) {
        save.outcome.status = IniSaveOutcome::Status::Failed;
        save.outcome.problem = std::move(refused);
        return save;
    }
    save.outcome = settings_.inisave(boxes, true);
    if (save.outcome.status != IniSaveOutcome::Status::Saved)
        return save;
    // Enter on an unchanged box still saves it; the line names that box then.
    auto keys = save.outcome.changed;
    if (keys.empty() && enteredKey && *enteredKey < kIniKeyCount)
        keys.push_back(*enteredKey);
    for (const auto k : keys)
        save.lines += (save.lines.empty() ? "" : ", ") + std::string(kIniKeys[k].key) + boxes[k];
    record({ChangeKind::Patch, save.outcome.file, save.lines});
    return save;
}

IniSaveOutcome SelectorSession::saveIniText(std::string_view text) {
    ChangeSpan span(*this, gameFolder_ / "eaw.ini", "saving", "Save eaw.ini from the editor");
    if (auto refused = span.refused()) {
        IniSaveOutcome outcome;
        outcome.status = IniSaveOutcome::Status::Failed;
        outcome.problem = std::move(refused);
        return outcome;
    }
    auto outcome = settings_.InSaver(text);
    if (outcome.status == IniSaveOutcome::Status::Saved)
        record({ChangeKind::Patch, outcome.file, "the whole file from the editor"});
    return outcome;
}

} // namespace outfitter
