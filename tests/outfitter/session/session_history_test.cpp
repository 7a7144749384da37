// Every change through the session is a step of the history that undo takes back byte for byte:
// random runs of loads, unloads, "Reset All", packages, skins, aircraft, settings saves, music
// switches and "Del MSN", with the player's own edits in between, undone step by step.

#include "outfitter/session/selector_session.h"

#include "make_demo_game/demo_game.h"
#include "test_support/temp_folder.h"

#include "common/names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>

namespace outfitter {
namespace {

namespace fs = std::filesystem;

using Snapshot = std::map<std::string, std::string>;

// Every file below the game folder with its bytes, but the selector's own records (history, log,
// locks), which undo does not take back.
Snapshot snapshot(const fs::path& game) {
    Snapshot files;
    for (auto it = fs::recursive_directory_iterator(game); it != fs::recursive_directory_iterator(); ++it) {
        auto rel = common::pathText(it->path().lexically_relative(game));
        std::replace(rel.begin(), rel.end(), '\\', '/'); // the same names on every system
        if (rel.rfind("QIV128/.history", 0) == 0 || rel.rfind("QIV128/outfitter.log", 0) == 0 ||
            rel == "QIV128/.qiv-lock" || rel == "QIV128/.qiv-window") {
            if (it->is_directory())
                it.disable_recursion_pending();
            continue;
        }
        if (it->is_directory())
            files[rel + "/"] = "";
        else {
            std::ifstream in(it->path(), std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            files[rel] = bytes.str();
        }
    }
    return files;
}

// The first entry where two snapshots differ, for a readable failure; the player's own edits made
// since are theirs, and an undo leaves them.
std::string firstDifference(const Snapshot& want, const Snapshot& got, const std::set<std::string>& edited) {
    for (const auto& [name, bytes] : want) {
        if (edited.count(name))
            continue;
        const auto found = got.find(name);
        if (found == got.end())
            return "missing " + name;
        if (found->second != bytes)
            return "differs " + name;
    }
    for (const auto& [name, bytes] : got)
        if (!want.count(name) && !edited.count(name))
            return "extra " + name;
    return {};
}

class SessionHistory : public ::testing::TestWithParam<unsigned> {
  protected:
    void SetUp() override {
        game_ = dir_.folder("EAW");
        ASSERT_TRUE(demo::writeDemoGame(game_).ok());
    }

    // One random change through the session, or a player's edit of a file in the game folder (named
    // in `edited`).
    void act(SelectorSession& session, std::mt19937& random, std::string& edited) {
        const auto pick = [&](std::size_t count) { return static_cast<std::size_t>(random() % count); };
        switch (random() % 9) {
        case 0:
        case 1:
            session.clickSet(pick(session.browser().rows().size()));
            break;
        case 2:
            session.resetAll();
            break;
        case 3:
            if (!session.skins().rows().empty())
                session.toggleSkin(pick(session.skins().rows().size()));
            break;
        case 4:
            if (!session.planeSets().rows().empty())
                session.installPlaneSet(pick(session.planeSets().rows().size()));
            break;
        case 5: {
            auto boxes = session.settings().values();
            boxes[0] = std::to_string(640 + 160 * pick(6));
            session.saveSettings(boxes, std::nullopt);
            break;
        }
        case 6: {
            const auto& music = session.music().available;
            if (!music.empty())
                session.switchMusic(music[pick(music.size())]);
            break;
        }
        case 7: {
            const auto names = session.packageNames();
            const auto package = session.readPackage(names[pick(names.size())]);
            if (package.ok())
                session.applyPackage(package.value.items, {.refreshSummary = true});
            break;
        }
        default: {
            // The player tunes a file by hand, or keeps a new one of their own.
            std::vector<fs::path> files;
            for (const auto& entry : fs::directory_iterator(game_))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            if (pick(3) == 0) {
                edited = "notes" + std::to_string(pick(100)) + ".txt";
                dir_.write(game_ / edited, "mine");
            } else {
                const auto file = files[pick(files.size())];
                edited = common::pathText(file.filename());
                std::ofstream(file, std::ios::binary | std::ios::app) << "tuned";
            }
            break;
        }
        }
    }

    testsupport::TempFolder dir_;
    fs::path game_;
};

TEST_P(SessionHistory, EveryStepUndoneGivesBackTheGameFolderAsItWasBeforeIt) {
    std::mt19937 random(GetParam());
    SelectorSession session(game_);
    struct Before {
        std::string title;
        Snapshot files;
        std::set<std::string> editedSince; // by the player, after the step began
    };
    std::vector<Before> before; // per step, newest last
    for (int i = 0; i < 30; ++i) {
        const auto was = snapshot(game_);
        const auto steps = session.history().size();
        std::string edited;
        act(session, random, edited);
        if (session.history().size() > steps)
            before.push_back({session.history().back().title, was, {}});
        if (!edited.empty())
            for (auto& step : before)
                step.editedSince.insert(edited);
        if (fs::exists(game_ / "QIV128" / ".qiv-journal"))
            ADD_FAILURE() << "a journal stayed after " << (before.empty() ? "" : before.back().title);
    }
    ASSERT_GE(before.size(), 10u);
    while (!before.empty()) {
        const auto undone = session.undo();
        ASSERT_TRUE(undone.step) << "nothing to undo for " << before.back().title;
        EXPECT_EQ(undone.step->title, before.back().title);
        EXPECT_TRUE(undone.problems.empty()) << undone.problems.front().text();
        const auto difference = firstDifference(before.back().files, snapshot(game_), before.back().editedSince);
        ASSERT_EQ(difference, "") << "after undoing " << before.back().title;
        before.pop_back();
    }
    // What the undos took away is set aside in the history, never deleted.
    EXPECT_FALSE(session.undo().step);
}

INSTANTIATE_TEST_SUITE_P(Seeds, SessionHistory, ::testing::Values(1u, 2u, 3u));

TEST(SessionHistoryLimits, TheOldestStepsGoPastTheLimitAndTheLogSaysSo) {
    testsupport::TempFolder dir;
    const auto game = dir.folder("EAW");
    ASSERT_TRUE(demo::writeDemoGame(game).ok());
    SelectorSession session(game);
    session.setHistoryLimits({.steps = 3, .bytes = 2'000'000'000});
    for (int i = 0; i < 5; ++i) {
        auto boxes = session.settings().values();
        boxes[0] = std::to_string(800 + i);
        session.saveSettings(boxes, std::nullopt);
    }
    ASSERT_EQ(session.history().size(), 3u);
    const auto log = dir.read(game / "QIV128" / "outfitter.log");
    EXPECT_NE(log.find("forget"), std::string::npos) << log;
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(session.undo().problems.empty());
    EXPECT_FALSE(session.undo().step); // the two oldest were let go
}

} // namespace
} // namespace outfitter
