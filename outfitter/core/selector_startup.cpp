#include "selector_startup.h"

#include "file_routines.h"
#include "load_ledger.h"

#include "common/atomic_file.h"
#include "common/folder_listing.h"
#include "common/resolver.h"

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

    ensureFolder(gameFolder, "Savedata", problems);
    ensureFolder(gameFolder, "Music", problems);

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
    }

    result.backgroundPicture = findFile(gameFolder, "background", problems);
    result.newPicture = findFile(gameFolder, "newpic", problems);
    result.music = MusicList::read(gameFolder, problems);
    return result;
}

} // namespace outfitter
