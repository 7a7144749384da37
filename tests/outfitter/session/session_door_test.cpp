// What the Autoscripts tab, the package panel and `--apply` do, driven through the session calls they
// share: packages found by any spelling, loaded, saved, "Del MSN" run and the music switched, each
// change in the log.

#include "outfitter/session/selector_session.h"

#include "common/file_faults.h"
#include "common/game_folder_lock.h"
#include "make_demo_game/demo_game.h"
#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

namespace outfitter {
namespace {

namespace fs = std::filesystem;

TEST(SessionDoor, PackagesAutoscriptsAndDelMsnAreOneCallEachAndLogged) {
    testsupport::TempFolder dir;
    const auto game = dir.folder("EAW");
    ASSERT_TRUE(demo::writeDemoGame(game).ok());
    dir.write(game / "SaveData" / "Default1.msn", "mission");
    dir.write(game / "SaveData" / "default2.MSN", "mission");
    SelectorSession session(game);

    const auto names = session.packageNames();
    ASSERT_NE(std::find(names.begin(), names.end(), "Desert War.set"), names.end());
    const auto file = session.findPackage("desert WAR");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->filename(), "Desert War.set");
    EXPECT_FALSE(session.findPackage("../eaw.exe")); // a path must name a package by its extension
    EXPECT_FALSE(session.findPackage("No Such Package"));

    const auto package = session.readPackage("Desert War.set");
    ASSERT_TRUE(package.ok());
    ASSERT_FALSE(package.value.items.empty());
    PackageLoadOptions options;
    options.refreshSummary = true;
    options.descriptionItems = package.value.descriptionItems;
    const auto change = session.applyPackage(package.value.items, options);
    EXPECT_TRUE(change.work.problems.empty());
    EXPECT_FALSE(session.browser().summary().empty());

    EXPECT_EQ(session.saveAutoscript("Mine", "W-Desert Air War", false).outcome,
              AutoscriptStore::Outcome::Saved);
    EXPECT_EQ(session.saveAutoscript("MINE", "again", false).outcome, AutoscriptStore::Outcome::NameTaken);
    const auto after = session.packageNames();
    EXPECT_NE(std::find(after.begin(), after.end(), "Mine.set"), after.end());

    common::Problems problems;
    const auto missions = session.defaultMissions(problems);
    EXPECT_GE(missions.size(), 2u); // ours, beside the demo's own
    const auto deleted = session.deleteDefaultMissions(missions);
    EXPECT_EQ(deleted.done.size(), missions.size());
    EXPECT_FALSE(fs::exists(game / "SaveData" / "Default1.msn"));

    const auto before = session.music().current;
    const auto& available = session.music().available;
    const auto other =
        std::find_if(available.begin(), available.end(), [&](const auto& name) { return name != before; });
    ASSERT_NE(other, available.end());
    const std::string chosen = *other;
    EXPECT_TRUE(session.switchMusic(chosen).switched);
    EXPECT_EQ(session.music().current, chosen); // the session knows what is active now
    EXPECT_TRUE(fs::is_directory(game / before));

    const auto log = dir.read(game / "QIV128" / "outfitter.log");
    EXPECT_NE(log.find("(music switched)"), std::string::npos);
    EXPECT_NE(log.find("autoscript saved"), std::string::npos);
    EXPECT_NE(log.find("Default1.msn by Del MSN"), std::string::npos) << log;
}

// Every change is refused whole while another program holds the game folder's lock, and otherwise
// holds the lock only for its own span; the window's and the command line's calls are the same.
TEST(SessionDoor, ChangesTakeTheLockForTheirOwnSpanAndAreRefusedWhileAnotherHoldsIt) {
    testsupport::TempFolder dir;
    const auto game = dir.folder("EAW");
    ASSERT_TRUE(demo::writeDemoGame(game).ok());
    SelectorSession session(game);
    session.releaseLock(); // as a window does after its start
    const auto& rows = session.browser().rows();
    const auto row = static_cast<std::size_t>(
        std::find_if(rows.begin(), rows.end(), [](const SetRow& r) { return r.name == "W-Desert Air War"; }) -
        rows.begin());
    ASSERT_LT(row, rows.size());
    const auto iniBefore = dir.read(game / "eaw.ini");

    {
        auto other = common::takeGameFolderLock(game, "sortie", std::chrono::milliseconds(0));
        ASSERT_TRUE(other.held());
        const auto click = session.clickSet(row);
        ASSERT_EQ(click.work.problems.size(), 1u);
        EXPECT_NE(click.work.problems[0].reason.find("sortie"), std::string::npos);
        EXPECT_NE(click.work.problems[0].reason.find("Nothing was changed."), std::string::npos);
        EXPECT_FALSE(session.browser().rows()[row].loaded);
        auto boxes = session.settings().values();
        boxes[0] = "800";
        EXPECT_EQ(session.saveSettings(boxes, std::nullopt).outcome.status, IniSaveOutcome::Status::Failed);
        EXPECT_EQ(dir.read(game / "eaw.ini"), iniBefore);
        EXPECT_FALSE(session.resetAll().work.problems.empty());
    }

    const auto click = session.clickSet(row);
    EXPECT_TRUE(click.work.problems.empty());
    EXPECT_TRUE(session.browser().rows()[row].loaded);
    EXPECT_FALSE(session.holdsLock()); // let go again: an idle window does not stop the builder
    EXPECT_TRUE(session.resetAll().work.problems.empty());
    EXPECT_FALSE(session.browser().rows()[row].loaded);
    EXPECT_FALSE(session.holdsLock());
}

// A loaded set's tune stays in the active "Music" whichever music is chosen, so the check still finds
// it and unloading takes it; undo puts the folders back as they were.
TEST(SessionDoor, SwitchingTheMusicLeavesALoadedSetsTuneWhereTheSetPutIt) {
    testsupport::TempFolder dir;
    const auto game = dir.folder("EAW");
    ASSERT_TRUE(demo::writeDemoGame(game).ok());
    SelectorSession session(game);
    const auto& rows = session.browser().rows();
    const auto row = static_cast<std::size_t>(
        std::find_if(rows.begin(), rows.end(), [](const SetRow& r) { return r.name == "W-Desert Air War"; }) -
        rows.begin());
    ASSERT_TRUE(session.clickSet(row).work.problems.empty());
    ASSERT_TRUE(fs::exists(game / "Music" / "desert.bgm"));
    const auto before = session.music().current;
    const auto& available = session.music().available;
    const auto other =
        std::find_if(available.begin(), available.end(), [&](const auto& name) { return name != before; });
    ASSERT_NE(other, available.end());
    const auto switched = session.switchMusic(*other);
    ASSERT_TRUE(switched.switched);
    EXPECT_TRUE(switched.problems.empty()) << switched.problems.front().text();
    EXPECT_TRUE(fs::exists(game / "Music" / "desert.bgm"));
    EXPECT_FALSE(fs::exists(game / before / "desert.bgm"));
    EXPECT_TRUE(session.checkGameFolder().allAsLoaded());

    EXPECT_TRUE(session.undo().problems.empty());
    EXPECT_EQ(session.music().current, before);
    EXPECT_TRUE(fs::exists(game / "Music" / "desert.bgm"));
    EXPECT_TRUE(session.checkGameFolder().allAsLoaded());
}

// An aircraft install that cannot write every file it needs (after "Reset All" the game folder holds
// no loose name table) leaves nothing half-written: what it wrote is taken back at once.
TEST(SessionDoor, AnAircraftInstallThatFailsPartWayChangesNothing) {
    testsupport::TempFolder dir;
    const auto game = dir.folder("EAW");
    ASSERT_TRUE(demo::writeDemoGame(game).ok());
    SelectorSession session(game);
    session.resetAll();
    const auto& rows = session.browser().rows();
    const auto row = static_cast<std::size_t>(
        std::find_if(rows.begin(), rows.end(), [](const SetRow& r) { return r.name == "F-Fighter Pack"; }) -
        rows.begin());
    ASSERT_LT(row, rows.size());
    session.clickSet(row);
    ASSERT_FALSE(session.planeSets().rows().empty());
    const auto before = dir.read(game / "planes.dat");
    const auto loadoutBefore = fs::exists(game / "loadout.dat") ? dir.read(game / "loadout.dat") : "";
    const auto steps = session.history().size();
    const auto outcome = session.installPlaneSet(0);
    if (outcome.problems.empty()) {
        EXPECT_TRUE(outcome.recordWritten); // this demo's files were all there: a whole install
        return;
    }
    EXPECT_FALSE(outcome.recordWritten);
    EXPECT_EQ(dir.read(game / "planes.dat"), before);
    EXPECT_EQ(fs::exists(game / "loadout.dat") ? dir.read(game / "loadout.dat") : "", loadoutBefore);
    EXPECT_NE(outcome.problems.back().text().find("nothing was changed"), std::string::npos)
        << outcome.problems.back().text();
    EXPECT_EQ(session.history().size(), steps); // nothing left to undo of it
    EXPECT_FALSE(fs::exists(game / "QIV128" / ".qiv-journal"));
    EXPECT_TRUE(session.planeSets().markedFolders().empty());
}

// A skin install the disk stops part-way is taken back at once: the player was told it failed, so the
// next start finds nothing to finish and the skin is not in.
TEST(SessionDoor, ASkinInstallTheDiskStopsIsTakenBackNotFinishedLater) {
    testsupport::TempFolder dir;
    const auto game = dir.folder("EAW");
    ASSERT_TRUE(demo::writeDemoGame(game).ok());
    const auto planes = dir.read(game / "planes.dat");
    {
        SelectorSession session(game);
        ASSERT_FALSE(session.skins().rows().empty());
        const auto name = session.skins().rows()[0].name;
        SkinChange change;
        {
            common::faults::Scope full(
                common::faults::failAfter(common::faults::Operation::Write, 1, ENOSPC));
            change = session.toggleSkin(0);
        }
        ASSERT_FALSE(change.work.problems.empty());
        EXPECT_NE(change.work.problems.back().text().find("nothing was changed"), std::string::npos)
            << change.work.problems.back().text();
        EXPECT_FALSE(session.skins().rows()[0].installed);
        EXPECT_FALSE(fs::exists(game / "QIV128" / ".qiv-journal"));
    }
    SelectorSession again(game);
    EXPECT_TRUE(again.startupChange().told.empty());
    EXPECT_FALSE(again.skins().rows()[0].installed);
    EXPECT_EQ(dir.read(game / "planes.dat"), planes);
}

} // namespace
} // namespace outfitter
