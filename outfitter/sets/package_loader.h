#pragma once
// Loading every item of an autoscript or package: the set rows it names through the browser's own
// click (so a later set of a one-at-a-time category replaces an earlier one), then the skins and the
// plane sets it names through the grids that own them.

#include "outfitter/sets/package_items.h"
#include "outfitter/sets/set_browser.h"

#include <string>
#include <vector>

namespace outfitter {

struct PackageLoadOptions {
    bool resetFirst = false;     // "Reset all before loading"
    bool refreshSummary = false; // one summary refresh at the end ("Load this package")
    // Leading items that only describe the package (PackageContents::descriptionItems): they are
    // still tried, but not reported when they name nothing.
    std::size_t descriptionItems = 0;
    // The package's file, when it is one: a journal names it until the whole package is in, so a load
    // that dies part-way is finished at the next start.
    std::string packageFile = {};
};

// Loads `items` in order. An item that names no set, skin or plane set is reported by name and
// the others still load.
BrowserChange loadPackage(SetBrowser& browser, const std::vector<std::string>& items,
                          const PackageLoadOptions& options = {}, const ProgressCallback& progress = {});

// Folds a later change into an earlier one, as the window redraws them together.
void mergeChange(BrowserChange& into, const BrowserChange& later);

} // namespace outfitter
