#include "outfitter/core/original_store.h"

#include "outfitter/core/selector_startup.h"
#include "outfitter/sets/package_loader.h"
#include "outfitter/sets/set_browser.h"
#include "partner_stand_in.h"

#include "game_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace outfitter;
namespace fs = std::filesystem;

namespace {

class KeptFiles : public test_support::GameFixture {
  protected:
    SetBrowser& open() {
        partners_.logged = [this](const Change& change) { logged_.push_back(change); };
        browser_ = SetBrowser(SelectorStartup::run(game_), &partners_);
        return browser_;
    }
    BrowserChange click(const std::string& name) {
        for (std::size_t i = 0; i < browser_.rows().size(); ++i)
            if (browser_.rows()[i].name == name)
                return browser_.click(i);
        ADD_FAILURE() << "no row " << name;
        return {};
    }
    bool loaded(const std::string& name) const {
        return std::any_of(browser_.rows().begin(), browser_.rows().end(),
                           [&](const SetRow& row) { return row.name == name && row.loaded; });
    }
    std::size_t kept() const { return OriginalStore(game_, selector_).count(); }
    bool logged(ChangeKind kind, const fs::path& path) const {
        return std::any_of(logged_.begin(), logged_.end(),
                           [&](const Change& c) { return c.kind == kind && c.path == path; });
    }
    static std::string problems(const BrowserChange& change) {
        std::string text;
        for (const auto& problem : change.work.problems)
            text += problem.text() + "\n";
        return text;
    }

    test_support::PartnerStandIn partners_;
    SetBrowser browser_;
    std::vector<Change> logged_;
};

} // namespace

TEST_F(KeptFiles, APlayersHallOfFameAndStockNamesComeBackWhenTheSetIsUnloaded) {
    write(game_ / "HOF.DAT", "my hall of fame");
    write(game_ / "pnames.str", "stock names");
    write(savedata_ / "desert.msn", "my mission");
    set("W-Desert Air War", {"hof.dat", "pnames.str", "desert.msn", "sand.tpc"});
    open();

    const auto load = click("W-Desert Air War");
    EXPECT_TRUE(load.work.ok()) << problems(load);
    EXPECT_EQ(read(game_ / "HOF.DAT"), "W-Desert Air War:hof.dat");
    EXPECT_EQ(read(savedata_ / "desert.msn"), "W-Desert Air War:desert.msn");
    EXPECT_EQ(read(selector_ / ".originals" / "HOF.DAT"), "my hall of fame");
    EXPECT_EQ(read(selector_ / ".originals" / "Savedata" / "desert.msn"), "my mission");
    EXPECT_EQ(load.told.back(), "Loaded W-Desert Air War: 4 files, 1 into Savedata; kept 3 originals");
    EXPECT_TRUE(logged(ChangeKind::Keep, game_ / "HOF.DAT"));
    EXPECT_TRUE(logged(ChangeKind::Copy, game_ / "sand.tpc"));

    const auto unload = click("W-Desert Air War");
    EXPECT_TRUE(unload.work.ok()) << problems(unload);
    EXPECT_EQ(read(game_ / "HOF.DAT"), "my hall of fame");
    EXPECT_EQ(read(game_ / "pnames.str"), "stock names");
    EXPECT_EQ(read(savedata_ / "desert.msn"), "my mission");
    EXPECT_FALSE(exists(game_ / "sand.tpc"));
    EXPECT_EQ(kept(), 0u);
    EXPECT_EQ(unload.told.back(), "Unloaded W-Desert Air War: 4 files deleted; put back 3 originals");
    EXPECT_TRUE(logged(ChangeKind::Delete, game_ / "sand.tpc"));
    EXPECT_TRUE(logged(ChangeKind::Restore, game_ / "HOF.DAT"));
}

TEST_F(KeptFiles, ASwapKeepsTheFirstOriginalAndResetAllPutsItBackAfterTheCleanUp) {
    write(game_ / "hof.dat", "my hall of fame");
    write(game_ / "pnames.str", "stock names");
    set("W-Desert", {"hof.dat", "pnames.str"});
    set("W-Channel", {"hof.dat"});
    open();
    click("W-Desert");

    // Unloading the first set puts the original back, and the second set keeps it again.
    const auto swap = click("W-Channel");
    EXPECT_TRUE(swap.work.ok()) << problems(swap);
    EXPECT_FALSE(loaded("W-Desert"));
    EXPECT_EQ(read(game_ / "hof.dat"), "W-Channel:hof.dat");
    EXPECT_EQ(read(game_ / "pnames.str"), "stock names");
    EXPECT_EQ(read(selector_ / ".originals" / "hof.dat"), "my hall of fame");
    EXPECT_EQ(kept(), 1u);

    click("W-Desert");
    EXPECT_EQ(read(game_ / "pnames.str"), "W-Desert:pnames.str");
    const auto preview = browser_.previewResetAll();
    EXPECT_EQ(preview.filesToDelete, 1u); // "hof.dat" is protected from the clean-up
    EXPECT_EQ(preview.originals, 2u);

    const auto reset = browser_.resetAll();
    EXPECT_TRUE(reset.work.ok()) << problems(reset);
    EXPECT_EQ(read(game_ / "hof.dat"), "my hall of fame");
    EXPECT_EQ(read(game_ / "pnames.str"), "stock names");
    EXPECT_EQ(kept(), 0u);
    EXPECT_EQ(read(selector_ / "FoldersLoaded.txt"), "");
    EXPECT_EQ(reset.told.back(), "Reset All: 1 file deleted; put back 2 originals");
}

TEST_F(KeptFiles, TwoSetsSharingAFileEachFindTheirCopyInPlaceWhateverTheOrder) {
    write(game_ / "planes.dat", "stock");
    set("W-Desert", {"planes.dat", "sand.tpc"});
    set("G-Clouds", {"Planes.DAT", "cloud.tpc"});
    open();
    const std::vector<std::pair<std::string, std::string>> orders{{"W-Desert", "G-Clouds"},
                                                                  {"G-Clouds", "W-Desert"}};
    for (const auto& [first, second] : orders)
        for (const bool firstLeavesFirst : {true, false}) {
            SCOPED_TRACE(first + " then " + second + (firstLeavesFirst ? ", first out" : ", second out"));
            click(first);
            const auto load = click(second);
            EXPECT_EQ(load.told.front(), second + " replaces 1 file of " + first);
            EXPECT_EQ(read(game_ / "planes.dat"),
                      second + ":" + (second[0] == 'G' ? "Planes.DAT" : "planes.dat"));
            EXPECT_EQ(kept(), 1u);

            const auto& out = firstLeavesFirst ? first : second;
            const auto& stays = firstLeavesFirst ? second : first;
            const auto unload = click(out);
            EXPECT_TRUE(unload.work.ok()) << problems(unload);
            EXPECT_TRUE(loaded(stays));
            const auto spelled = stays[0] == 'G' ? "Planes.DAT" : "planes.dat";
            ASSERT_TRUE(exists(game_ / spelled));
            EXPECT_EQ(read(game_ / spelled), stays + ":" + spelled);
            EXPECT_EQ(unload.told.back(),
                      "Unloaded " + out + ": 2 files deleted; put back 1 file of a loaded set");

            click(stays);
            EXPECT_EQ(names(game_), (std::vector<std::string>{"MUSIC", "QIV128", "SaveData", "planes.dat"}));
            EXPECT_EQ(read(game_ / "planes.dat"), "stock");
            EXPECT_EQ(kept(), 0u);
        }
}

TEST_F(KeptFiles, ASetIsNotLoadedWhenThePlayersFileCannotBeKept) {
    write(game_ / "hof.dat", "my hall of fame");
    write(selector_ / ".originals", "a file where the folder belongs");
    set("W-Desert", {"hof.dat", "sand.tpc"});
    open();

    const auto load = click("W-Desert");
    EXPECT_FALSE(load.work.ok());
    EXPECT_FALSE(loaded("W-Desert"));
    EXPECT_EQ(read(game_ / "hof.dat"), "my hall of fame");
    EXPECT_FALSE(exists(game_ / "sand.tpc"));
    EXPECT_EQ(load.told.back(), "W-Desert was not loaded: the files it would replace could not be kept");
}

TEST_F(KeptFiles, AnOriginalNeverReplacesAFileThePlayerChangedSinceTheLoad) {
    // Saves stay in "Savedata" when a non-campaign set is unloaded, so the original can only take
    // the place of the set's own, unchanged copy.
    write(savedata_ / "pilot.sve", "my career");
    write(savedata_ / "other.sve", "my other career");
    set("W-Desert", {"pilot.sve", "other.sve"});
    open();
    click("W-Desert");
    write(savedata_ / "pilot.sve", "flown on since");

    const auto unload = click("W-Desert");
    EXPECT_EQ(read(savedata_ / "pilot.sve"), "flown on since");
    EXPECT_EQ(read(selector_ / ".originals" / "Savedata" / "pilot.sve"), "my career");
    EXPECT_EQ(read(savedata_ / "other.sve"), "my other career");
    ASSERT_EQ(unload.work.problems.size(), 1u);
    EXPECT_EQ(unload.work.problems.front().path, savedata_ / "pilot.sve");
}

TEST_F(KeptFiles, ACampaignsCareersGoHomeBeforeThePlayersSaveComesBack) {
    write(savedata_ / "pilot.sve", "my career");
    const auto campaign = set("C-Desert", {"pilot.sve"});
    open();
    click("C-Desert");
    write(savedata_ / "pilot.sve", "campaign flown on");

    click("C-Desert");
    EXPECT_EQ(read(campaign / "pilot.sve"), "campaign flown on");
    EXPECT_EQ(read(savedata_ / "pilot.sve"), "my career");
    EXPECT_EQ(kept(), 0u);
}

TEST_F(KeptFiles, TheStoreIsNeverASetAndAPackageLoadsThroughTheSameKeeping) {
    write(selector_ / "qiv.ini", "Sets: W\r\nHidden: .\r\n");
    write(game_ / "hof.dat", "my hall of fame");
    set("W-Desert", {"hof.dat"});
    set("W-Channel", {"hof.dat"});
    open();
    loadPackage(browser_, {"W-Desert", "W-Channel"}, {});
    EXPECT_TRUE(exists(selector_ / ".originals" / "hof.dat"));

    browser_.beginRefresh();
    browser_.finishRefresh();
    for (const auto& row : browser_.rows())
        EXPECT_NE(row.name.front(), '.');
    PackageLoadOptions reset;
    reset.resetFirst = true;
    loadPackage(browser_, {"W-Desert"}, reset);
    EXPECT_EQ(read(game_ / "hof.dat"), "W-Desert:hof.dat");
    EXPECT_EQ(read(selector_ / ".originals" / "hof.dat"), "my hall of fame");
}
