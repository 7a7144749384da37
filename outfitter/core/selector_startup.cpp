#include "selector_startup.h"

#include "file_routines.h"
#include "file_snapshot.h"
#include "load_ledger.h"
#include "stale_temporaries.h"
#include "work_journal.h"

#include "common/atomic_file.h"
#include "common/folder_index.h"
#include "common/folder_listing.h"
#include "common/resolver.h"

#include <algorithm>

namespace outfitter {

namespace {

// Makes an empty ledger when there is none, so the game-side tools always find one.
void ensureLedger(const std::filesystem::path& selectorFolder, common::Problems& problems) {
    const auto where = common::resolve(selectorFolder, kLedgerFileName);
    if (!where.ok()) {
        problems.push_back(*where.problem);
        return;
    }
    if (!where.value.exists)
        if (auto failed = common::writeFileAtomically(where.value.path, ""))
            problems.push_back(*failed);
}

void replayLedger(StartupResult& result, const StartupSeams& seams) {
    auto ledger = readLedger(result.selectorFolder);
    if (!ledger.ok()) {
        result.problems.push_back(*ledger.problem);
        return;
    }
    for (const auto& name : ledger.value) {
        result.summary.push_back(name);
        // Every part is asked: a name may be a set, a skin and a plane set at once.
        bool matched = result.sets.markLoaded(name) > 0;
        if (seams.markSkin && seams.markSkin(name))
            matched = true;
        if (seams.markPlaneSet && seams.markPlaneSet(name))
            matched = true;
        if (!matched)
            result.problems.push_back({result.selectorFolder / kLedgerFileName, "replaying the load ledger",
                                       "\"" + name + "\" matches nothing here; it stays in the summary"});
    }
}

// A change of several files that died part-way may have left any number of its files in the game
// folder. Start-up does the book-keeping: a set or skin counts as loaded (grid and ledger), so that the
// work can be finished from there, and an aircraft install is put back from its snapshot. The engine,
// which start-up cannot link, finishes the rest from `result.interrupted`.
void recoverInterruptedWork(StartupResult& result, const StartupSeams& seams) {
    if (const auto package = readPackageJournal(result.selectorFolder); !package.ok()) {
        result.problems.push_back(*package.problem);
        if (auto failed = removePackageJournal(result.selectorFolder))
            result.problems.push_back(*failed);
    } else if (package.value) {
        result.interruptedPackage = package.value;
    }
    const auto journal = readJournal(result.selectorFolder);
    if (!journal.ok()) {
        result.problems.push_back(*journal.problem);
        if (auto failed = removeJournal(result.selectorFolder)) // it can tell nothing, now or later
            result.problems.push_back(*failed);
        return;
    }
    if (!journal.value) {
        // A snapshot without a journal belongs to an install whose outcome the ledger already holds.
        auto dropped = dropSnapshot(result.selectorFolder);
        result.problems.insert(result.problems.end(), dropped.begin(), dropped.end());
        return;
    }
    const auto& work = *journal.value;
    result.interrupted = work;
    bool counted = false;
    switch (work.kind) {
    case WorkJournal::Kind::Load:
    case WorkJournal::Kind::Unload:
        result.sets.markLoaded(work.set);
        counted = true;
        break;
    case WorkJournal::Kind::InstallSkin:
    case WorkJournal::Kind::RemoveSkin:
        counted = seams.markSkin && seams.markSkin(work.set);
        break;
    case WorkJournal::Kind::InstallAircraft: {
        common::Problems failed;
        restoreSnapshot(result.selectorFolder, failed);
        result.problems.insert(result.problems.end(), failed.begin(), failed.end());
        result.interrupted.reset(); // nothing left for the engine to do
        if (!failed.empty())
            return; // the journal stays, so the next start tries again
        break;
    }
    case WorkJournal::Kind::ResetAll:
        break;
    }
    if (counted && std::find(result.summary.begin(), result.summary.end(), work.set) == result.summary.end())
        result.summary.push_back(work.set);
    result.problems.push_back({{}, {}, interruptedWorkText(work)});
    // Kept when the ledger cannot take the set, so the next start tries again.
    if (counted)
        if (auto failed = writeLedger(result.selectorFolder, result.summary)) {
            result.problems.push_back(*failed);
            return;
        }
    if (auto notRemoved = removeJournal(result.selectorFolder))
        result.problems.push_back(*notRemoved);
}

} // namespace

StartupResult SelectorStartup::run(const std::filesystem::path& gameFolder, const StartupSeams& seams,
                                   StartupMode mode) {
    StartupResult result;
    result.gameFolder = gameFolder;
    result.readOnly = mode == StartupMode::ReadOnly;
    auto& problems = result.problems;
    const auto folder = [&](const std::filesystem::path& base, std::string_view name) {
        return result.readOnly ? findFolder(base, name, problems) : ensureFolder(base, name, problems);
    };

    const auto selector = folder(gameFolder, kSelectorFolderName);

    auto programs = common::listFiles(gameFolder, "*.exe");
    if (!programs.ok())
        problems.push_back(*programs.problem);
    result.programs = std::move(programs.value);

    const auto savedata = folder(gameFolder, "Savedata");
    const auto music = folder(gameFolder, "Music");

    if (selector) {
        result.selectorFolder = *selector;
        folder(*selector, "Autoscripts");
        result.categories = CategoryTable::load(*selector, problems, !result.readOnly);
    }

    if (const auto eawIni = findFile(gameFolder, "eaw.ini", problems)) {
        result.gameSettingsFound = true;
        if (seams.iniRead) {
            auto settingsProblems = seams.iniRead(*eawIni);
            problems.insert(problems.end(), settingsProblems.begin(), settingsProblems.end());
        }
    }

    if (selector) {
        // A replace killed part-way has put the old set back only once its import folder is cleared.
        if (!result.readOnly)
            removeStaleImportFolders(*selector, problems);
        result.sets = SetCatalog::scan(*selector, result.categories, problems);
        folder(*selector, "Skinfolder");
        if (!result.readOnly)
            ensureLedger(*selector, problems);
        replayLedger(result, seams);
        if (!result.readOnly)
            recoverInterruptedWork(result, seams);
    }

    std::vector<std::filesystem::path> ours{gameFolder};
    for (const auto& folder : {savedata, music, selector})
        if (folder)
            ours.push_back(*folder);
    if (!result.readOnly)
        removeStaleTemporaries(ours, problems);
    // Told once here; every writer and load refuses such a name until the player settles it.
    for (const auto& folder : {std::optional(gameFolder), savedata, music}) {
        if (!folder)
            continue;
        const auto listing = common::FolderIndex::scan(*folder);
        for (const auto& names : common::caseClashes(listing.value))
            problems.push_back(common::caseClashProblem(*folder, names, "checking the names in"));
    }

    result.backgroundPicture = findFile(gameFolder, "background", problems);
    result.newPicture = findFile(gameFolder, "newpic", problems);
    result.music = MusicList::read(gameFolder, problems);
    return result;
}

} // namespace outfitter
