// What the Autoscripts tab, the package panel and `--apply` do, driven through the session calls they
// share: packages found by any spelling, loaded, saved, "Del MSN" run and the music switched, each
// change in the log.

#include "outfitter/session/selector_session.h"

#include "make_demo_game/demo_game.h"
#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

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

} // namespace
} // namespace outfitter
