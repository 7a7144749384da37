#include "outfitter/sets/set_browser.h"
#include "partner_stand_in.h"

#include "outfitter/core/selector_startup.h"

#include "game_fixture.h"

#include <gtest/gtest.h>

using namespace outfitter;

namespace {

std::vector<std::string> markedNames(const SetBrowser& browser) {
    std::vector<std::string> out;
    for (const auto& row : browser.rows())
        if (row.loaded)
            out.push_back(row.name);
    return out;
}

std::size_t rowNamed(const SetBrowser& browser, const std::string& name) {
    for (std::size_t i = 0; i < browser.rows().size(); ++i)
        if (browser.rows()[i].name == name)
            return i;
    ADD_FAILURE() << "no row " << name;
    return browser.rows().size();
}

} // namespace

class SetBrowserGame : public test_support::GameFixture {
  protected:
    SetBrowser open(SetBrowserPartners* partners = nullptr) {
        return SetBrowser(SelectorStartup::run(game_), partners);
    }
    std::string ledger() { return read(selector_ / "FoldersLoaded.txt"); }
};

TEST_F(SetBrowserGame, AnEditedLedgerNamingTwoSetsOfOneCategoryKeepsBothMarkedAndTouchesNoFile) {
    set("W-Summer", {"planes.dat", "sky.tpc"});
    set("W-Winter", {"planes.dat", "snow.tpc"});
    for (const char* file : {"planes.dat", "sky.tpc", "snow.tpc"})
        write(game_ / file, "loaded");
    write(selector_ / "FoldersLoaded.txt", "W-Summer\r\nW-Winter\r\n");

    auto browser = open();
    EXPECT_EQ(markedNames(browser), (std::vector<std::string>{"W-Summer", "W-Winter"}));
    EXPECT_TRUE(browser.beginRefresh().empty());
    EXPECT_FALSE(browser.ready());
    EXPECT_TRUE(markedNames(browser).empty());
    const auto change = browser.finishRefresh();
    EXPECT_TRUE(browser.ready());
    EXPECT_FALSE(change.summaryChanged);
    EXPECT_TRUE(change.work.done.empty());
    EXPECT_EQ(markedNames(browser), (std::vector<std::string>{"W-Summer", "W-Winter"}));
    EXPECT_EQ(names(game_),
              (std::vector<std::string>{"MUSIC", "QIV128", "SaveData", "planes.dat", "sky.tpc", "snow.tpc"}));
    EXPECT_EQ(ledger(), "W-Summer\r\nW-Winter\r\n");

    // The next load in the category unloads only the lower of the two.
    set("W-Spring", {"grass.tpc"});
    browser.beginRefresh();
    browser.finishRefresh();
    browser.click(rowNamed(browser, "W-Spring"));
    EXPECT_EQ(markedNames(browser), (std::vector<std::string>{"W-Spring", "W-Summer"}));
    EXPECT_EQ(ledger(), "W-Spring\r\nW-Summer\r\n\r\n");
}

TEST_F(SetBrowserGame, RefreshDropsAVanishedSetKeepsItsLedgerLineAndIgnoresClicksMeanwhile) {
    set("G-Clouds", {"cloud.tpc"});
    const auto gone = set("G-Water", {"water.tpc"});
    write(selector_ / "FoldersLoaded.txt", "G-Water\r\nG-Clouds\r\n");
    auto browser = open();

    std::filesystem::remove_all(gone);
    browser.beginRefresh();
    EXPECT_EQ(browser.rows().size(), 1u);
    EXPECT_TRUE(browser.click(0).rowsChanged.empty());
    browser.finishRefresh();
    EXPECT_EQ(markedNames(browser), std::vector<std::string>{"G-Clouds"});
    EXPECT_EQ(browser.summary(), (std::vector<std::string>{"G-Water", "G-Clouds"}));
    EXPECT_EQ(ledger(), "G-Water\r\nG-Clouds\r\n");

    set("G-Haze", {"haze.tpc"});
    browser.beginRefresh();
    browser.finishRefresh();
    const auto change = browser.click(rowNamed(browser, "G-Haze"));
    EXPECT_TRUE(change.summaryChanged);
    EXPECT_EQ(ledger(), "G-Clouds\r\nG-Haze\r\n\r\n");
    EXPECT_TRUE(exists(game_ / "haze.tpc"));
}

TEST_F(SetBrowserGame, AFlightModelSetWithPlaneSetsFillsThePlaneSetGridAndTakesItAlongWhenUnloaded) {
    const auto pack = set("F-Fighters", {"fighters.flt"});
    dir_.folder(pack / "P-Spitfire");
    set("F-Plain", {"plain.flt"});
    std::vector<std::filesystem::path> shown;
    int cleared = 0;
    test_support::PartnerStandIn seams;
    seams.showPlanes = [&](const std::filesystem::path& folder) {
        shown.push_back(folder);
        return common::Problems{};
    };
    seams.clearPlanes = [&] { ++cleared; };
    seams.planeSetsMarked = [] { return std::vector<std::string>{"P-Spitfire"}; };
    auto browser = open(&seams);

    browser.click(rowNamed(browser, "F-Fighters"));
    EXPECT_EQ(shown, std::vector<std::filesystem::path>{pack});
    EXPECT_TRUE(browser.planeSetsShown());
    EXPECT_EQ(ledger(), "F-Fighters\r\nP-Spitfire\r\n\r\n");

    // A flight-model set without plane sets replaces it and the plane-set grid goes.
    browser.click(rowNamed(browser, "F-Plain"));
    EXPECT_FALSE(browser.planeSetsShown());
    EXPECT_GE(cleared, 1);
    EXPECT_EQ(ledger(), "F-Plain\r\n\r\n");
    EXPECT_FALSE(exists(game_ / "fighters.flt"));

    browser.click(rowNamed(browser, "F-Fighters"));
    const int before = cleared;
    browser.click(rowNamed(browser, "F-Fighters"));
    EXPECT_EQ(cleared, before + 1);
    EXPECT_FALSE(browser.planeSetsShown());
    EXPECT_EQ(ledger(), "\r\n");
}

TEST_F(SetBrowserGame, ResetAllUnmarksEveryRowUnloadsTheSkinsAndLeavesAnEmptyLedger) {
    set("W-Summer", {"planes.dat"});
    set("G-Clouds", {"cloud.wav"});
    write(selector_ / "FoldersLoaded.txt", "W-Summer\r\nG-Clouds\r\nSpitfire skin\r\n");
    write(game_ / "planes.dat", "loaded");
    write(game_ / "cloud.wav", "loaded");
    bool skinsUnloaded = false;
    test_support::PartnerStandIn seams;
    seams.unloadSkins = [&](const ProgressCallback&) {
        skinsUnloaded = true;
        return FileWorkReport{};
    };
    auto browser = open(&seams);

    const auto change = browser.resetAll();
    EXPECT_TRUE(skinsUnloaded);
    EXPECT_EQ(change.rowsChanged.size(), 2u);
    EXPECT_TRUE(markedNames(browser).empty());
    EXPECT_TRUE(browser.summary().empty());
    EXPECT_EQ(ledger(), "");
    EXPECT_FALSE(exists(game_ / "planes.dat"));
    EXPECT_TRUE(exists(game_ / "cloud.wav")); // ".wav" is no pattern of the clean-up
}

TEST(SetFilter, ShowAllHidesDashedCampaignsAndReservedNamesAndCategoriesMatchLetterThenDashOrBlank) {
    common::Problems problems;
    const auto table = CategoryTable::parse({"Sets: W", "Campaigns: C", "Graphics: G"}, "qiv.ini", problems);
    const std::vector<SetRow> rows{
        {"", "W-Summer", true},  {"", "W Winter", false},   {"", "Wx", false},       {"", "C-Malta", false},
        {"", "C Desert", false}, {"", "Skinfolder", false}, {"", "G-Clouds", false}, {"", "w-lower", false}};

    const auto all = filterSets(rows, table, 0);
    EXPECT_EQ(all.visible, (std::vector<bool>{true, true, true, false, true, false, true, true}));
    EXPECT_EQ(all.header, "All folders are available");
    EXPECT_EQ(all.letter, "");
    EXPECT_EQ(filterSets(rows, table, 1).visible,
              (std::vector<bool>{true, false, false, false, false, false, false, false}));

    const auto w = filterSets(rows, table, 2);
    EXPECT_EQ(w.visible, (std::vector<bool>{true, true, false, false, false, false, false, false}));
    EXPECT_EQ(w.header, "Only one selection can be made!");
    EXPECT_EQ(w.letter, "W");
    const auto g = filterSets(rows, table, 4);
    EXPECT_EQ(g.header, "Multiple selections are allowed!");
    EXPECT_EQ(filterSets(rows, table, 3).visible[3], true);
}

TEST_F(SetBrowserGame, TheDescriptionIsTheContentsFileAndTheFirstPictureInListOrder) {
    const auto folder = set("W-Summer", {"Zeta.JPG", "alpha.bmp", "planes.dat"});
    write(folder / "Contents.TXT", "Summer 1940.\r\nOver the Channel.\r\n");
    const auto described = describeSet(folder);
    EXPECT_EQ(described.lines, (std::vector<std::string>{"Summer 1940.", "Over the Channel."}));
    ASSERT_TRUE(described.picture.has_value());
    EXPECT_EQ(described.picture->filename(), "alpha.bmp");

    const auto bare = describeSet(set("W-Bare", {"planes.dat"}));
    EXPECT_TRUE(bare.lines.empty());
    EXPECT_FALSE(bare.picture.has_value());
    EXPECT_TRUE(bare.problems.empty());
}

// A set's name and its files' names beyond ASCII (UTF-8 text on Windows, the folder's bytes on Linux)
// reach the game folder, the ledger and the unload as the same names.
TEST_F(SetBrowserGame, ASetWhoseNamesAreBeyondAsciiLoadsAndUnloadsItsOwnFiles) {
    const std::string name = common::pathText(std::filesystem::path(u8"W-D\u00fcppel \u00dcbung"));
    const std::string file = common::pathText(std::filesystem::path(u8"K\u00f6ln.tpc"));
    set(name, {file, "planes.dat"});
    write(game_ / "planes.dat", "stock");
    auto browser = open();

    browser.click(rowNamed(browser, name));
    EXPECT_EQ(markedNames(browser), std::vector<std::string>{name});
    EXPECT_EQ(read(game_ / common::pathFromText(file)), name + ":" + file);
    EXPECT_EQ(ledger().substr(0, name.size() + 2), name + "\r\n");

    browser.click(rowNamed(browser, name));
    EXPECT_TRUE(markedNames(browser).empty());
    EXPECT_FALSE(exists(game_ / common::pathFromText(file)));
    EXPECT_EQ(read(game_ / "planes.dat"), "stock");
}
