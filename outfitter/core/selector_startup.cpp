#include "selector_startup.h"

#include "file_routines.h"
#include "load_ledger.h"
#include "stale_temporaries.h"
#include "work_journal.h"

#include "common/atomic_file.h"
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

std::string interruptedWorkText(const WorkJournal& work) {
    if (work.kind == WorkJournal::Kind::Load)
        return "The load of \"" + work.set +
               "\" was interrupted; it is marked loaded, so one click unloads whatever arrived";
    return "The unload of \"" + work.set +
           "\" was interrupted; it is marked loaded, so one click unloads the rest";
}

// A load or unload that died part-way may have left any number of the set's files in the game folder.
// Counting the set as loaded (grid and ledger) means the player can take them out again with one click.
void recoverInterruptedWork(StartupResult& result) {
    const auto journal = readJournal(result.selectorFolder);
    if (!journal.ok()) {
        result.problems.push_back(*journal.problem);
        if (auto failed = removeJournal(result.selectorFolder)) // it can tell nothing, now or later
            result.problems.push_back(*failed);
        return;
    }
    if (!journal.value)
        return;
    const auto& work = *journal.value;
    result.sets.markLoaded(work.set);
    if (std::find(result.summary.begin(), result.summary.end(), work.set) == result.summary.end())
        result.summary.push_back(work.set);
    result.problems.push_back({{}, {}, interruptedWorkText(work)});
    // Kept when the ledger cannot take the set, so the next start tries again.
    if (auto failed = writeLedger(result.selectorFolder, result.summary))
        result.problems.push_back(*failed);
    else if (auto notRemoved = removeJournal(result.selectorFolder))
        result.problems.push_back(*notRemoved);
}

} // namespace

StartupResult SelectorStartup::run(const std::filesystem::path& gameFolder, const StartupSeams& seams) {
    StartupResult result;
    result.gameFolder = gameFolder;
    auto& problems = result.problems;

    const auto selector = ensureFolder(gameFolder, kSelectorFolderName, problems);

    auto programs = common::listFiles(gameFolder, "*.exe");
    if (!programs.ok())
        problems.push_back(*programs.problem);
    result.programs = std::move(programs.value);

    const auto savedata = ensureFolder(gameFolder, "Savedata", problems);
    const auto music = ensureFolder(gameFolder, "Music", problems);

    if (selector) {
        result.selectorFolder = *selector;
        ensureFolder(*selector, "Autoscripts", problems);
        result.categories = CategoryTable::load(*selector, problems);
    }

    if (const auto eawIni = findFile(gameFolder, "eaw.ini", problems)) {
        result.gameSettingsFound = true;
        if (seams.iniRead) {
            auto settingsProblems = seams.iniRead(*eawIni);
            problems.insert(problems.end(), settingsProblems.begin(), settingsProblems.end());
        }
    }

    if (selector) {
        result.sets = SetCatalog::scan(*selector, result.categories, problems);
        ensureFolder(*selector, "Skinfolder", problems);
        ensureLedger(*selector, problems);
        replayLedger(result, seams);
        recoverInterruptedWork(result);
    }

    std::vector<std::filesystem::path> ours{gameFolder};
    for (const auto& folder : {savedata, music, selector})
        if (folder)
            ours.push_back(*folder);
    removeStaleTemporaries(ours, problems);

    result.backgroundPicture = findFile(gameFolder, "background", problems);
    result.newPicture = findFile(gameFolder, "newpic", problems);
    result.music = MusicList::read(gameFolder, problems);
    return result;
}

} // namespace outfitter
