#include "outfitter/sets/package_loader.h"

#include "outfitter/core/selector_startup.h"

#include "game_fixture.h"
#include "partner_stand_in.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace outfitter;

namespace {

using Names = std::vector<std::string>;

Names markedSets(const SetBrowser& browser) {
    Names out;
    for (const auto& row : browser.rows())
        if (row.loaded)
            out.push_back(row.name);
    return out;
}

std::string joined(const Names& names) {
    std::string out;
    for (const auto& name : names)
        out += (out.empty() ? "" : ",") + name;
    return out;
}

// Stand-ins for the skin and plane-set grids: rows that the stand-in marks when a package item names
// them, and a log of what was asked, in order, with the sets marked at that moment.
struct FakeGrids {
    Names skinRows = {"Hurricane I 303 Sqn", "Spitfire IX 92 Sqn"};
    Names planeRows = {"P-Spitfire IX", "P-Fw 190A-8"};
    Names skinsMarked, planesMarked;
    Names log;
    const SetBrowser* browser = nullptr;

    static FileWorkReport mark(const std::string& item, const Names& rows, Names& marked) {
        FileWorkReport work;
        for (const auto& row : rows)
            if (packageItemMatches(item, row) &&
                std::find(marked.begin(), marked.end(), row) == marked.end()) {
                marked.push_back(row);
                work.done.emplace_back(row);
            }
        return work;
    }

    test_support::PartnerStandIn partners;

    FakeGrids() {
        auto& s = partners;
        s.skinsMarked = [this] { return skinsMarked; };
        s.planeSetsMarked = [this] { return planesMarked; };
        s.showPlanes = [](const std::filesystem::path&) { return common::Problems{}; };
        s.clearPlanes = [this] { planesMarked.clear(); };
        s.unloadSkins = [this](const ProgressCallback&) {
            skinsMarked.clear();
            return FileWorkReport{};
        };
        s.matchSkins = [this](const std::string& item) {
            log.push_back("skins " + item + " after " + joined(markedSets(*browser)));
            return mark(item, skinRows, skinsMarked);
        };
        s.matchPlaneSets = [this](const std::string& item) {
            log.push_back("planes " + item);
            return mark(item, planeRows, planesMarked);
        };
    }
};

class PackageLoad : public test_support::GameFixture {
  protected:
    SetBrowser open(SetBrowserPartners* partners = nullptr) {
        return SetBrowser(SelectorStartup::run(game_), partners);
    }
    std::string ledger() { return read(selector_ / "FoldersLoaded.txt"); }
};

TEST_F(PackageLoad, ALaterSetOfAOneAtATimeCategoryReplacesTheEarlierAndPathsAndCaseStillMatch) {
    set("W-Summer", {"summer.tpc"});
    set("W-Winter", {"winter.tpc"});
    set("G-Clouds", {"cloud.tpc"});
    set("G-Haze", {"haze.tpc"});
    set("T-Terrain", {"ground.ter"});
    auto browser = open();
    const auto package = parsePackage("W-Summer,\"C:\\Games\\EAW\\QIV128\\W-WINTER\"\r\n"
                                      "G-clouds\r\ng-Haze\r\nQIV128\\T-Terrain\r\n");

    const auto change = loadPackage(browser, package.items, {.refreshSummary = true});
    EXPECT_EQ(markedSets(browser), (Names{"W-Winter", "T-Terrain", "G-Clouds"}));
    EXPECT_FALSE(exists(game_ / "summer.tpc"));
    EXPECT_TRUE(exists(game_ / "winter.tpc"));
    EXPECT_FALSE(exists(game_ / "haze.tpc"));
    EXPECT_TRUE(change.summaryChanged);
    // The item with the wrong first letter is the only one reported, and by name.
    ASSERT_EQ(change.work.problems.size(), 1u);
    EXPECT_NE(change.work.problems[0].text().find("\"g-Haze\""), std::string::npos);
    EXPECT_EQ(ledger(), "W-Winter\r\nT-Terrain\r\nG-Clouds\r\n\r\n");
}

TEST_F(PackageLoad, EachItemLoadsSetRowsThenSkinsThenPlaneSetsAndTheSummaryComesLast) {
    const auto fighters = set("F-Fighters", {"fighters.flt"});
    dir_.folder(fighters / "P-Spitfire IX");
    set("W-Summer", {"summer.tpc"});
    FakeGrids grids;
    auto browser = open(&grids.partners);
    grids.browser = &browser;

    const auto change = loadPackage(browser,
                                    {"Channel package", "*****", "W-Summer", "Hurricane i 303 SQN",
                                     "F-Fighters", "P-spitfire ix", "Spitfire IX 92 Sqn"},
                                    {.refreshSummary = true, .descriptionItems = 2});
    // Until the flight-model set is loaded there is no plane-set grid to ask.
    EXPECT_EQ(
        grids.log,
        (Names{"skins Channel package after ", "skins ***** after ", "skins W-Summer after W-Summer",
               "skins Hurricane i 303 SQN after W-Summer", "skins F-Fighters after W-Summer,F-Fighters",
               "planes F-Fighters", "skins P-spitfire ix after W-Summer,F-Fighters", "planes P-spitfire ix",
               "skins Spitfire IX 92 Sqn after W-Summer,F-Fighters", "planes Spitfire IX 92 Sqn"}));
    EXPECT_EQ(grids.skinsMarked, (Names{"Hurricane I 303 Sqn", "Spitfire IX 92 Sqn"}));
    EXPECT_EQ(grids.planesMarked, (Names{"P-Spitfire IX"}));
    // The description items name nothing and are not reported; nothing else is either.
    EXPECT_TRUE(change.work.problems.empty()) << change.work.problems.front().text();
    // Only the final refresh can have written the skin named last.
    EXPECT_EQ(ledger(),
              "W-Summer\r\nF-Fighters\r\nHurricane I 303 Sqn\r\nSpitfire IX 92 Sqn\r\nP-Spitfire IX\r\n\r\n");
}

TEST_F(PackageLoad, ResetFirstClearsEverythingAndItemsAlreadyLoadedAreLeftAlone) {
    set("W-Summer", {"summer.tpc"});
    set("G-Haze", {"haze.tpc"});
    FakeGrids grids;
    auto browser = open(&grids.partners);
    grids.browser = &browser;
    grids.skinsMarked = {"Hurricane I 303 Sqn"};
    loadPackage(browser, {"G-Haze"});
    ASSERT_TRUE(exists(game_ / "haze.tpc"));

    // Loading again without reset: the marked row is not clicked, so it stays loaded.
    loadPackage(browser, {"G-Haze", "Hurricane I 303 Sqn"});
    EXPECT_EQ(markedSets(browser), Names{"G-Haze"});
    EXPECT_EQ(grids.skinsMarked, Names{"Hurricane I 303 Sqn"});

    const auto change = loadPackage(browser, {"W-Summer"}, {.resetFirst = true, .refreshSummary = true});
    EXPECT_EQ(markedSets(browser), Names{"W-Summer"});
    EXPECT_TRUE(grids.skinsMarked.empty());
    EXPECT_FALSE(exists(game_ / "haze.tpc"));
    EXPECT_TRUE(exists(game_ / "summer.tpc"));
    EXPECT_TRUE(std::find(change.rowsChanged.begin(), change.rowsChanged.end(), 0u) !=
                change.rowsChanged.end());
    EXPECT_EQ(ledger(), "W-Summer\r\n\r\n");
}

TEST_F(PackageLoad, AnEmptyPackageChangesNothingButTheResetAndMissingGridsAreSkipped) {
    set("W-Summer", {"summer.tpc"});
    auto browser = open();
    loadPackage(browser, {"W-Summer"});
    EXPECT_TRUE(loadPackage(browser, {}, {.refreshSummary = true}).rowsChanged.empty());
    EXPECT_EQ(markedSets(browser), Names{"W-Summer"});
    // Without skin and plane-set grids a skin name simply names nothing.
    const auto change = loadPackage(browser, {"Hurricane I 303 Sqn"});
    ASSERT_EQ(change.work.problems.size(), 1u);
    loadPackage(browser, {}, {.resetFirst = true});
    EXPECT_TRUE(markedSets(browser).empty());
}

TEST_F(PackageLoad, ASkinThatFailsToInstallIsReportedOnceNotAsNamingNothing) {
    test_support::PartnerStandIn seams;
    seams.matchSkins = [](const std::string& item) {
        FileWorkReport work;
        if (item == "Hurricane I 303 Sqn")
            work.problems.push_back({"hurrskin.tpc", "copying", "disk full"});
        return work;
    };
    auto browser = open(&seams);
    const auto change = loadPackage(browser, {"Hurricane I 303 Sqn", "Nothing At All"});
    ASSERT_EQ(change.work.problems.size(), 2u);
    EXPECT_EQ(change.work.problems[0].reason, "disk full");
    EXPECT_NE(change.work.problems[1].text().find("\"Nothing At All\""), std::string::npos);
}

} // namespace
