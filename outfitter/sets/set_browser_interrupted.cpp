// The set browser finishing what a run that died left half done: start-up found it in the journal
// but cannot link the engine, so the work is handed over here.

#include "outfitter/sets/set_browser.h"

#include "outfitter/sets/package_items.h"
#include "outfitter/sets/package_loader.h"

#include <algorithm>

namespace outfitter {

void SetBrowser::finishInterruptedWork(const StartupResult& startup, BrowserChange& change) {
    if (startup.interrupted) {
        const auto& work = *startup.interrupted;
        const auto row =
            std::find_if(rows_.begin(), rows_.end(), [&](const SetRow& r) { return r.name == work.set; });
        const auto index = static_cast<std::size_t>(row - rows_.begin());
        switch (work.kind) {
        case WorkJournal::Kind::Load:
            if (row != rows_.end() && row->loaded) {
                // Loading again puts every file in place; what arrived before is the set's own and is
                // never taken for an original.
                row->loaded = false;
                applyClick(index, {}, change);
            }
            break;
        case WorkJournal::Kind::Unload:
            if (row != rows_.end() && row->loaded) {
                finishing_ = true;
                applyClick(index, {}, change);
                finishing_ = false;
            }
            break;
        case WorkJournal::Kind::InstallSkin:
        case WorkJournal::Kind::RemoveSkin:
            if (const auto finished = partners_->finishSkinWork(work)) {
                beginWork(work, change);
                change.work.add(*finished);
                if (summaryRefresh(change))
                    endWork(change);
            }
            break;
        case WorkJournal::Kind::ResetAll:
            // Which owners were loaded went with the ledger the dead reset emptied: every kept original
            // goes back rather than being taken for stale.
            finishing_ = true;
            mergeChange(change, resetAll());
            finishing_ = false;
            break;
        case WorkJournal::Kind::InstallAircraft:
            break; // start-up put it back from its snapshot
        }
    }
    if (startup.interruptedPackage) {
        const auto& package = *startup.interruptedPackage;
        const auto contents = readPackage(common::pathFromText(package.file));
        if (contents.ok()) {
            PackageLoadOptions options;
            options.resetFirst = package.reset;
            options.refreshSummary = true;
            options.descriptionItems = contents.value.descriptionItems;
            options.packageFile = package.file;
            change.told.push_back("Loading the package " +
                                  common::pathText(common::pathFromText(package.file).filename()) +
                                  " was interrupted; it was loaded again in full");
            mergeChange(change, loadPackage(*this, contents.value.items, options));
        } else {
            change.work.problems.push_back(*contents.problem);
            if (auto failed = removePackageJournal(selectorFolder_))
                change.work.problems.push_back(std::move(*failed));
        }
    }
}

} // namespace outfitter
