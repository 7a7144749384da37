#include "outfitter/sets/package_loader.h"

#include <algorithm>

namespace outfitter {

namespace {

bool anyMatch(const std::vector<std::string>& names, const std::string& item) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& name) { return packageItemMatches(item, name); });
}

// Runs one item through the three grids; true when it named something in any of them.
bool loadItem(SetBrowser& browser, const std::string& item, const ProgressCallback& progress,
              BrowserChange& change) {
    bool named = false;
    for (std::size_t row = 0; row < browser.rows().size(); ++row) {
        if (!packageItemMatches(item, browser.rows()[row].name))
            continue;
        named = true;
        if (!browser.rows()[row].loaded)
            mergeChange(change, browser.click(row, progress));
    }

    auto& partners = browser.partners();
    {
        const auto work = partners.loadMatchingSkins(item);
        named =
            named || !work.done.empty() || !work.problems.empty() || anyMatch(partners.markedSkins(), item);
        change.work.add(work);
    }
    if (browser.planeSetsShown()) {
        const auto work = partners.loadMatchingPlaneSets(item);
        named = named || !work.done.empty() || !work.problems.empty() ||
                anyMatch(partners.markedPlaneSets(), item);
        change.work.add(work);
    }
    return named;
}

} // namespace

void mergeChange(BrowserChange& into, const BrowserChange& later) {
    for (const auto row : later.rowsChanged)
        if (std::find(into.rowsChanged.begin(), into.rowsChanged.end(), row) == into.rowsChanged.end())
            into.rowsChanged.push_back(row);
    into.summaryChanged = into.summaryChanged || later.summaryChanged;
    into.work.add(later.work);
    into.told.insert(into.told.end(), later.told.begin(), later.told.end());
}

BrowserChange loadPackage(SetBrowser& browser, const std::vector<std::string>& items,
                          const PackageLoadOptions& options, const ProgressCallback& progress) {
    BrowserChange change;
    if (browser.refreshing())
        return change;
    const bool journaled = !options.packageFile.empty() && !browser.selectorFolder().empty();
    if (journaled)
        if (auto failed =
                writePackageJournal(browser.selectorFolder(), {options.packageFile, options.resetFirst}))
            change.work.problems.push_back(std::move(*failed));
    if (options.resetFirst)
        mergeChange(change, browser.resetAll(progress));
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (loadItem(browser, items[i], progress, change) || i < options.descriptionItems)
            continue;
        change.work.problems.push_back(
            {{}, "loading the package item \"" + items[i] + "\"", "no set, skin or plane set of this name"});
    }
    if (options.refreshSummary && !items.empty())
        mergeChange(change, browser.refreshSummary());
    if (journaled)
        if (auto failed = removePackageJournal(browser.selectorFolder()))
            change.work.problems.push_back(std::move(*failed));
    return change;
}

} // namespace outfitter
