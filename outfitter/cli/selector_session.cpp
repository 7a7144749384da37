#include "outfitter/cli/selector_session.h"

#include "outfitter/sets/package_items.h"

namespace outfitter {

namespace fs = std::filesystem;

SelectorSession::SelectorSession(const fs::path& gameFolder) : skins_(gameFolder), planeSets_(gameFolder) {
    startupProblems_ = skins_.load();
    StartupSeams seams;
    seams.markSkin = [this](const std::string& line) { return skins_.markFromLedger(line); };
    seams.markPlaneSet = [this](const std::string& line) { return planeSets_.markFromLedger(line); };
    startup_ = SelectorStartup::run(gameFolder, seams);
    startupProblems_.insert(startupProblems_.end(), startup_.problems.begin(), startup_.problems.end());
    if (!startup_.selectorFolder.empty())
        log_ = ChangeLog(gameFolder, startup_.selectorFolder);
    skins_.setOtherOwners([this] { return browser_.owners(false, true); });
    planeSets_.setOtherOwners([this] { return browser_.owners(true, false); });
    browser_ = SetBrowser(startup_, browserSeams());
    planeSets_.endReplay();
    startupChange_ = browser_.takeStartupChange();
}

SetBrowserSeams SelectorSession::browserSeams() {
    SetBrowserSeams seams;
    seams.logChange = log_.sink();
    seams.markedSkins = [this] { return skins_.installedNames(); };
    seams.unloadMarkedSkins = [this](const ProgressCallback& progress) { return skins_.unloadAll(progress); };
    seams.loadMatchingSkins = [this](const std::string& item) {
        FileWorkReport work;
        for (std::size_t i = 0; i < skins_.rows().size(); ++i) {
            const auto& row = skins_.rows()[i];
            if (row.installed || !packageItemMatches(item, row.name))
                continue;
            const auto name = row.name;
            const auto change = skins_.toggle(i);
            recordFiles(log_.sink(), change.work.done, "for the skin " + name);
            work.add(change.work);
            work.done.push_back(skins_.storeFolder() /
                                common::pathFromText(name)); // the item named a skin, even if no file moved
        }
        return work;
    };
    seams.showPlaneSets = [this](const fs::path& folder) { return planeSets_.GridSet(folder); };
    seams.clearPlaneSets = [this] { planeSets_.clear(); };
    seams.markedPlaneSets = [this] { return planeSets_.markedFolders(); };
    seams.planeSetOwners = [this] { return planeSets_.owners(); };
    seams.skinOwners = [this] { return skins_.owners(); };
    seams.finishSkinWork = [this](const WorkJournal& work) { return skins_.finishWork(work); };
    seams.loadMatchingPlaneSets = [this](const std::string& item) {
        FileWorkReport work;
        for (std::size_t i = 0; i < planeSets_.rows().size(); ++i) {
            const auto& row = planeSets_.rows()[i];
            if (row.marked || !packageItemMatches(item, row.folder))
                continue;
            const auto name = row.folder;
            auto installed = planeSets_.install(i);
            recordFiles(log_.sink(), installed.written, "for " + name, ChangeKind::Patch);
            work.problems.insert(work.problems.end(), installed.problems.begin(), installed.problems.end());
            work.done.push_back(planeSets_.setFolder() / common::pathFromText(name));
        }
        return work;
    };
    return seams;
}

} // namespace outfitter
