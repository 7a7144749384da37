// Skins and plane sets: "Planes and Skins" installs, removes and renames through these calls, which
// apply the session's rules and write the log lines, so the tab only shows what came back.

#include "outfitter/session/selector_session.h"

#include "outfitter/sets/package_items.h"

namespace outfitter {

namespace fs = std::filesystem;

SkinChange SelectorSession::toggleSkin(std::size_t row, const ProgressCallback& progress) {
    const auto title = row < skins_.rows().size()
                           ? (skins_.rows()[row].installed ? "Remove the skin " : "Install the skin ") +
                                 skins_.rows()[row].name
                           : std::string();
    return skinChange(title, [&] { return skins_.toggle(row, progress); });
}

SkinChange SelectorSession::removeAllSkins(const ProgressCallback& progress) {
    return skinChange("Clear all skins", [&] { return skins_.Skinkill(progress); });
}

SkinChange SelectorSession::skinChange(const std::string& title, const std::function<SkinChange()>& change) {
    ChangeSpan span(*this, skins_.storeFolder(), "changing the skins in", title);
    if (auto refused = span.refused()) {
        SkinChange refusedChange;
        refusedChange.work.problems.push_back(std::move(*refused));
        return refusedChange;
    }
    auto done = change();
    recordFiles(sink(), done.work.done, "for a skin");
    for (const auto& kept : done.originals)
        record(kept);
    // The ledger names the skins: the change is whole once it is written (its journal ends there).
    bool ledgerWritten = false;
    if (done.summaryDue) {
        const auto refreshed = browser_.refreshSummary().work;
        ledgerWritten = refreshed.problems.empty();
        done.work.add(refreshed);
    }
    if (!done.work.problems.empty() && !ledgerWritten) {
        // Told it failed, the player gets the folder as it was, not a skin finished at the next start.
        // A skin that went in without a file the game folder refused is recorded, and stays, named.
        common::Problems problems;
        if (span.rollBack(problems)) {
            done.work.problems.push_back({skins_.storeFolder(), "changing the skins in",
                                          "it did not go through whole, so nothing was changed"});
            done.summaryDue = false;
            done.rowsChanged.clear();
        }
        done.work.problems.insert(done.work.problems.end(), problems.begin(), problems.end());
    }
    return done;
}

SkinRename SelectorSession::renameSkin(std::size_t row, const std::string& newName) {
    ChangeSpan span(*this, skins_.storeFolder(), "renaming a skin in",
                    row < skins_.rows().size() ? "Rename the skin " + skins_.rows()[row].name
                                               : std::string());
    if (auto refused = span.refused()) {
        SkinRename refusedRename;
        refusedRename.problem = std::move(refused);
        return refusedRename;
    }
    const std::string oldName = row < skins_.rows().size() ? skins_.rows()[row].name : std::string();
    auto outcome = skins_.rename(row, newName);
    if (outcome.renamed)
        record({ChangeKind::Rename, skins_.storeFolder() / common::pathFromText(skins_.rows()[row].name),
                "from the skin " + oldName});
    if (outcome.summaryDue) {
        auto refreshed = browser_.refreshSummary();
        if (!outcome.problem && !refreshed.work.problems.empty())
            outcome.problem = std::move(refreshed.work.problems.front());
    }
    return outcome;
}

PlaneInstallReport SelectorSession::installPlaneSet(std::size_t row) {
    if (row >= planeSets_.rows().size())
        return {};
    ChangeSpan span(*this, gameFolder_, "installing the aircraft in",
                    "Install the aircraft " + planeSets_.rows()[row].folder);
    if (auto refused = span.refused()) {
        PlaneInstallReport report;
        report.problems.push_back(std::move(*refused));
        return report;
    }
    const auto name = planeSets_.rows()[row].folder;
    auto outcome = planeSets_.install(row);
    recordFiles(sink(), outcome.written, "for " + name, ChangeKind::Patch);
    if (!outcome.problems.empty() && !outcome.written.empty()) {
        // Half an aircraft is worse than none: the game's aircraft, names and menus must agree.
        common::Problems problems;
        if (span.rollBack(problems)) {
            outcome.problems.push_back({gameFolder_, "installing " + name + " in",
                                        "it did not go through whole, so what it had written was taken "
                                        "back and nothing was changed"});
            outcome.recordWritten = false;
            outcome.written.clear();
        }
        outcome.problems.insert(outcome.problems.end(), problems.begin(), problems.end());
        return outcome;
    }
    if (outcome.recordWritten) {
        auto refreshed = browser_.refreshSummary();
        outcome.problems.insert(outcome.problems.end(), refreshed.work.problems.begin(),
                                refreshed.work.problems.end());
    }
    return outcome;
}

std::optional<common::Problem> SelectorSession::chooseFuel(int option) {
    if (planeSets_.fuelText().empty() || planeSets_.fuelPositionText().empty())
        return std::nullopt;
    ChangeSpan span(*this, gameFolder_, "choosing the fuel in", "Choose the fuel load");
    if (auto refused = span.refused())
        return refused;
    auto problem = planeSets_.chooseFuel(option);
    if (!problem)
        record({ChangeKind::Patch, gameFolder_ / common::pathFromText(kPlanesFile),
                "fuel, option " + std::to_string(option + 1)});
    return problem;
}

// A package's item installs every skin and aircraft it names that is not in yet, as the grids' own
// clicks would (the package's change holds the rules); the window is told which rows to paint.
SkinChange SelectorSession::installMatchingSkins(const std::string& item) {
    SkinChange all;
    for (std::size_t i = 0; i < skins_.rows().size(); ++i) {
        const auto& row = skins_.rows()[i];
        if (row.installed || !packageItemMatches(item, row.name))
            continue;
        const auto name = row.name;
        auto change = skins_.toggle(i);
        recordFiles(sink(), change.work.done, "for the skin " + name);
        for (const auto& kept : change.originals)
            record(kept);
        if (skinsChanged_)
            skinsChanged_(change);
        all.work.add(change.work);
        // The item named a skin, even if no file moved.
        all.work.done.push_back(skins_.storeFolder() / common::pathFromText(name));
    }
    return all;
}

FileWorkReport SelectorSession::installMatchingPlaneSets(const std::string& item) {
    FileWorkReport work;
    for (std::size_t i = 0; i < planeSets_.rows().size(); ++i) {
        const auto& row = planeSets_.rows()[i];
        if (row.marked || !packageItemMatches(item, row.folder))
            continue;
        const auto name = row.folder;
        auto installed = planeSets_.install(i, acceptsChanges());
        recordFiles(sink(), installed.written, "for " + name, ChangeKind::Patch);
        if (planeSetInstalled_)
            planeSetInstalled_(i, installed);
        work.problems.insert(work.problems.end(), installed.problems.begin(), installed.problems.end());
        work.done.push_back(planeSets_.setFolder() / common::pathFromText(name));
    }
    return work;
}

} // namespace outfitter
