#pragma once
// The selector's parts joined without a window: start-up run on the game folder, and the skin store
// and the plane-set grid answering the set browser's questions directly, as the window's grids do
// through their own actions, with every change written to the log.

#include "outfitter/core/change_log.h"
#include "outfitter/core/selector_startup.h"
#include "outfitter/planes/plane_set_grid.h"
#include "outfitter/planes/skin_store.h"
#include "outfitter/sets/set_browser.h"

#include <filesystem>

namespace outfitter {

class SelectorSession final {
  public:
    explicit SelectorSession(const std::filesystem::path& gameFolder);
    SelectorSession(const SelectorSession&) = delete; // the seams point into this object
    SelectorSession& operator=(const SelectorSession&) = delete;

    SetBrowser& browser() { return browser_; }
    const SkinStore& skins() const { return skins_; }
    SkinStore& skins() { return skins_; }
    const PlaneSetGrid& planeSets() const { return planeSets_; }
    PlaneSetGrid& planeSets() { return planeSets_; }
    const StartupResult& startup() const { return startup_; }
    ChangeLog& log() { return log_; }
    // What went wrong while starting: reading the skins, the start-up itself.
    const common::Problems& startupProblems() const { return startupProblems_; }
    // Work a killed run left, finished while starting: what was done and what failed.
    const BrowserChange& startupChange() const { return startupChange_; }

  private:
    SetBrowserSeams browserSeams();

    SkinStore skins_;
    PlaneSetGrid planeSets_;
    StartupResult startup_;
    ChangeLog log_;
    SetBrowser browser_;
    common::Problems startupProblems_;
    BrowserChange startupChange_;
};

} // namespace outfitter
