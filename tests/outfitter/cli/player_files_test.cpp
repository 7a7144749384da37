// The player's own files on the demo game folder, through the same session the window and the command
// line use: skins and aircraft keep and restore originals as sets do, a stale original never wins over
// a newer file, "Reset All" leaves no set's leftovers to be taken for originals, two spellings of one
// name are refused, and work killed part-way is finished by the next start to the uninterrupted result.

#include "outfitter/cli/cli_runner.h"
#include "outfitter/core/work_journal.h"
#include "outfitter/session/selector_session.h"
#include "outfitter/settings/game_settings.h"

#include "common/file_faults.h"

#include "make_demo_game/demo_game.h"
#include "test_support/child_process.h"
#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <map>
#include <sstream>

using namespace outfitter;
namespace fs = std::filesystem;
namespace faults = common::faults;

namespace {

using Tree = std::map<std::string, std::string>;

// Every file below `folder` with its bytes, the log left out (its times differ from run to run).
[[maybe_unused]] Tree tree(const fs::path& folder) {
    Tree files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        const auto relative = common::pathText(fs::relative(entry.path(), folder));
        // The log, the history and the lock's holder record say who did what and when, not what the
        // game folder holds.
        if (relative.find("outfitter.log") != std::string::npos ||
            relative.find(".qiv-lock") != std::string::npos || relative.find(".history") != std::string::npos)
            continue;
        files[relative] = testsupport::slurp(entry.path());
    }
    return files;
}

[[maybe_unused]] std::string differences(const Tree& expected, const Tree& actual) {
    std::string out;
    for (const auto& [name, bytes] : expected) {
        const auto found = actual.find(name);
        if (found == actual.end())
            out += "missing " + name + "\n";
        else if (found->second != bytes)
            out += "differs " + name + "\n";
    }
    for (const auto& [name, bytes] : actual)
        if (!expected.count(name))
            out += "extra " + name + "\n";
    return out;
}

std::string allText(const common::Problems& problems) {
    std::string text;
    for (const auto& problem : problems)
        text += problem.text() + "\n";
    return text;
}

std::size_t rowOf(const SetBrowser& browser, const std::string& name) {
    for (std::size_t i = 0; i < browser.rows().size(); ++i)
        if (browser.rows()[i].name == name)
            return i;
    ADD_FAILURE() << "no set " << name;
    return browser.rows().size();
}

class PlayerFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        game_ = dir_.folder("EAW");
        ASSERT_TRUE(demo::writeDemoGame(game_).ok());
        selector_ = game_ / "QIV128";
        skins_ = selector_ / "SkinFolder";
    }
    std::string read(const std::string& relative) const { return testsupport::slurp(game_ / relative); }
    bool exists(const std::string& relative) const { return fs::exists(game_ / relative); }
    void write(const std::string& relative, const std::string& bytes) { dir_.write(game_ / relative, bytes); }
    std::size_t skinRow(SelectorSession& session, const std::string& name) {
        for (std::size_t i = 0; i < session.skins().rows().size(); ++i)
            if (session.skins().rows()[i].name == name)
                return i;
        ADD_FAILURE() << "no skin " << name;
        return 0;
    }
    // A skin of the player's that carries files of the same names as the player's own, in a folder
    // that no set holds a file of just now.
    void mySkin() {
        SelectorSession(game_).resetAll();
        dir_.write(skins_ / "My Skin" / "sk.tpc", "skin's sk.tpc");
        dir_.write(skins_ / "My Skin" / "planes.dat", "skin's planes.dat");
        write("sk.tpc", "player's sk");         // 11 bytes
        write("planes.dat", "player's planes"); // the player's own, not the stock one
    }
    void toggleSkin(SelectorSession& session, const std::string& name) {
        session.setIncludeFlightData(true);
        const auto change = session.toggleSkin(skinRow(session, name));
        EXPECT_TRUE(change.work.problems.empty()) << allText(change.work.problems);
        session.refreshSummary();
    }
    int cli(const std::vector<std::string>& args, std::string* said = nullptr) {
        CliRequest request;
        for (std::size_t i = 0; i < args.size(); ++i) {
            if (args[i] == "--apply")
                request.apply = args[++i];
            else if (args[i] == "--reset")
                request.reset = true;
        }
        std::ostringstream out, err;
        const int code = runCli(request, game_, out, err);
        if (said)
            *said = out.str() + err.str();
        return code;
    }

    testsupport::TempFolder dir_;
    fs::path game_, selector_, skins_;
};

} // namespace

TEST_F(PlayerFiles, ASkinKeepsThePlayersFilesAndGivesBackTheSetsCopyOrThePlayersOwn) {
    mySkin();
    {
        SelectorSession session(game_);
        toggleSkin(session, "My Skin");
        EXPECT_EQ(read("sk.tpc"), "skin's sk.tpc");
        toggleSkin(session, "My Skin");
        EXPECT_EQ(read("sk.tpc"), "player's sk");
        EXPECT_EQ(read("planes.dat"), "player's planes");
        EXPECT_FALSE(exists("QIV128/.originals/sk.tpc"));
    }
    {
        // Over a loaded set's file, the skin keeps nothing and gives the set's copy back.
        SelectorSession session(game_);
        session.clickSet(rowOf(session.browser(), "G-Desert Haze"));
        const auto setCopy = read("planes.dat");
        ASSERT_NE(setCopy, "player's planes");
        toggleSkin(session, "My Skin");
        EXPECT_EQ(read("planes.dat"), "skin's planes.dat");
        toggleSkin(session, "My Skin");
        EXPECT_EQ(read("planes.dat"), setCopy);
        session.clickSet(rowOf(session.browser(), "G-Desert Haze"));
        EXPECT_EQ(read("planes.dat"), "player's planes");
    }
    {
        // "Reset All" with the skin in place brings back the player's bytes, not nothing.
        SelectorSession session(game_);
        toggleSkin(session, "My Skin");
        session.resetAll();
        EXPECT_EQ(read("sk.tpc"), "player's sk");
        EXPECT_EQ(read("planes.dat"), "player's planes");
    }
}

TEST_F(PlayerFiles, AStaleOriginalNeverGoesBackOverTheHallOfFameWrittenSince) {
    // What an earlier version left when a load died after keeping "hof.dat" and before its journal.
    write("QIV128/.originals/hof.dat", "old hall of fame");
    write("hof.dat", "newer hall of fame");
    {
        SelectorSession session(game_); // nothing loaded holds "hof.dat": the entry is dropped
        EXPECT_FALSE(exists("QIV128/.originals/hof.dat"));
    }
    write("QIV128/.originals/hof.dat", "old hall of fame");
    {
        // A load meets it before any start could drop it: the file standing now is what is kept.
        auto startup = SelectorStartup::run(game_);
        SetBrowser browser(startup);
        browser.click(rowOf(browser, "G-Desert Haze"));
        EXPECT_EQ(read("QIV128/.originals/hof.dat"), "newer hall of fame");
        browser.click(rowOf(browser, "G-Desert Haze"));
        EXPECT_EQ(read("hof.dat"), "newer hall of fame");
    }
}

#if !defined(_WIN32)

TEST_F(PlayerFiles, AHallOfFameWrittenBetweenLoadsSurvivesAKilledLoadAndTheRestart) {
    write("hof.dat", "player's hall");
    const auto outcome = testsupport::runInChild([&](const testsupport::Say&) {
        SelectorSession session(game_);
        // Dies right after the original is kept, before the first file of the set arrives.
        faults::install([&, kept = false](faults::Operation operation, const fs::path& file) mutable {
            if (operation != faults::Operation::Write)
                return 0;
            if (common::pathText(file).find(".originals") != std::string::npos)
                kept = true;
            else if (kept && file.parent_path() == game_)
                std::raise(SIGKILL);
            return 0;
        });
        session.clickSet(rowOf(session.browser(), "G-Desert Haze"));
        return 0;
    });
    ASSERT_EQ(outcome.signal, SIGKILL);
    {
        SelectorSession session(game_); // finishes the load
        EXPECT_NE(allText(session.startupProblems()).find("was interrupted"), std::string::npos);
        EXPECT_TRUE(session.browser().rows()[rowOf(session.browser(), "G-Desert Haze")].loaded);
        session.clickSet(rowOf(session.browser(), "G-Desert Haze"));
        EXPECT_EQ(read("hof.dat"), "player's hall");
    }
    write("hof.dat", "newer hall"); // the game writes its hall of fame with no set of it loaded
    for (int restart = 0; restart < 2; ++restart) {
        SelectorSession session(game_);
        session.clickSet(rowOf(session.browser(), "G-Desert Haze"));
        if (restart == 0) {
            session.clickSet(rowOf(session.browser(), "G-Desert Haze"));
            EXPECT_EQ(read("hof.dat"), "newer hall");
        }
    }
    SelectorSession session(game_);
    session.clickSet(rowOf(session.browser(), "G-Desert Haze"));
    EXPECT_EQ(read("hof.dat"), "newer hall");
}

TEST_F(PlayerFiles, ASkinInstallOrRemovalKilledAtAnyStepIsFinishedByTheNextStart) {
    mySkin();
    const auto untouched = dir_.folder("Before");
    fs::copy(game_, untouched, fs::copy_options::recursive);
    Tree installed, removed;
    {
        SelectorSession session(game_);
        toggleSkin(session, "My Skin");
        installed = tree(game_);
        toggleSkin(session, "My Skin");
        removed = tree(game_);
    }
    for (const bool removing : {false, true})
        for (int killAt = 1; killAt < 8; ++killAt) {
            SCOPED_TRACE((removing ? "removing, kill " : "installing, kill ") + std::to_string(killAt));
            fs::remove_all(game_);
            fs::copy(untouched, game_, fs::copy_options::recursive);
            if (removing) {
                SelectorSession session(game_);
                toggleSkin(session, "My Skin");
            }
            const auto outcome = testsupport::runInChild([&](const testsupport::Say&) {
                SelectorSession session(game_);
                session.setIncludeFlightData(true);
                faults::install([&, seen = 0](faults::Operation, const fs::path&) mutable {
                    if (++seen == killAt)
                        std::raise(SIGKILL);
                    return 0;
                });
                session.toggleSkin(skinRow(session, "My Skin"));
                session.refreshSummary();
                return 0;
            });
            if (outcome.exited)
                break;
            // The next start finishes what the journal names; work killed before its journal never
            // began, and the same double-click again does it.
            SelectorSession restart(game_);
            if (restart.skins().rows()[skinRow(restart, "My Skin")].installed == removing)
                toggleSkin(restart, "My Skin");
            EXPECT_EQ(differences(removing ? removed : installed, tree(game_)), "");
        }
}

TEST_F(PlayerFiles, AnAircraftInstallKilledAtAnyStepIsPutBackWholeAndInstallsAgainToTheSameBytes) {
    {
        SelectorSession session(game_);
        session.clickSet(rowOf(session.browser(), "F-Fighter Pack"));
    }
    const auto before = tree(game_);
    const auto untouched = dir_.folder("Before");
    fs::copy(game_, untouched, fs::copy_options::recursive);
    // The uninterrupted install, in a copy of the folder.
    const auto reference = dir_.folder("Reference");
    fs::copy(game_, reference, fs::copy_options::recursive);
    {
        SelectorSession session(reference);
        session.installPlaneSet(0);
        session.refreshSummary();
    }
    const auto installed = tree(reference);
    ASSERT_NE(differences(before, installed), "");

    for (int killAt : {1, 2, 3, 4, 5, 6, 8}) {
        SCOPED_TRACE(killAt);
        const auto outcome = testsupport::runInChild([&](const testsupport::Say&) {
            SelectorSession session(game_);
            faults::install([&, seen = 0](faults::Operation operation, const fs::path& file) mutable {
                if (operation == faults::Operation::Write && file.parent_path() == game_ && ++seen == killAt)
                    std::raise(SIGKILL);
                return 0;
            });
            session.installPlaneSet(0);
            return 0;
        });
        if (outcome.exited)
            break; // fewer writes than that: every step has been tried
        SelectorSession session(game_);
        EXPECT_NE(allText(session.startupProblems()).find("were put back"), std::string::npos)
            << allText(session.startupProblems());
        EXPECT_EQ(differences(before, tree(game_)), "");
        session.installPlaneSet(0);
        session.refreshSummary();
        EXPECT_EQ(differences(installed, tree(game_)), "");
        fs::remove_all(game_);
        fs::copy(untouched, game_, fs::copy_options::recursive);
    }
}

TEST_F(PlayerFiles, ApplyWithResetKilledAtAnyStepReachesTheUninterruptedResultWhenRunAgain) {
    const auto pristine = dir_.folder("Pristine");
    fs::copy(game_, pristine, fs::copy_options::recursive);
    write("hof.dat", "player's hall");
    fs::copy_file(game_ / "hof.dat", pristine / "hof.dat", fs::copy_options::overwrite_existing);
    ASSERT_EQ(cli({"--apply", "Desert War", "--reset"}), 0);
    const auto expected = tree(game_);

    int points = 0;
    for (int killAt = 1; killAt < 400; killAt += 3) {
        fs::remove_all(game_);
        fs::copy(pristine, game_, fs::copy_options::recursive);
        const auto outcome = testsupport::runInChild([&](const testsupport::Say&) {
            faults::install([&, seen = 0](faults::Operation, const fs::path&) mutable {
                if (++seen == killAt)
                    std::raise(SIGKILL);
                return 0;
            });
            std::ostringstream out;
            CliRequest request;
            request.apply = "Desert War";
            request.reset = true;
            return runCli(request, game_, out, out);
        });
        if (outcome.exited)
            break;
        ++points;
        std::string said;
        EXPECT_EQ(cli({"--apply", "Desert War", "--reset"}, &said), 0) << killAt << ": " << said;
        EXPECT_EQ(differences(expected, tree(game_)), "") << "killed at step " << killAt << "\n" << said;
    }
    EXPECT_GT(points, 10);
}

#endif

TEST_F(PlayerFiles, ResetAllTakesTheSetsSavesAndMusicSoAReloadKeepsNoneOfThemAsOriginals) {
    ASSERT_TRUE(exists("SaveData/EagleDay.msn")); // the demo ledger has the Battle of Britain loaded
    std::string said;
    {
        SelectorSession session(game_);
        const auto preview = session.browser().previewResetAll();
        const auto change = session.resetAll();
        EXPECT_FALSE(exists("SaveData/EagleDay.msn"));
        EXPECT_FALSE(exists("Music/bobtheme.bgm"));
        // The question counted what went: the clean-up's files and the two of the set's places.
        EXPECT_NE(change.told.back().find(std::to_string(preview.filesToDelete) + " files"),
                  std::string::npos)
            << change.told.back() << " / " << preview.filesToDelete;
    }
    {
        SelectorSession session(game_);
        const auto change = session.clickSet(rowOf(session.browser(), "W-Battle of Britain 1940"));
        EXPECT_FALSE(exists("QIV128/.originals/Savedata/EagleDay.msn"));
        EXPECT_FALSE(exists("QIV128/.originals/Music/bobtheme.bgm"));
        session.clickSet(rowOf(session.browser(), "W-Battle of Britain 1940"));
        EXPECT_FALSE(exists("SaveData/EagleDay.msn"));
        EXPECT_FALSE(exists("Music/bobtheme.bgm"));
    }
}

TEST_F(PlayerFiles, TwoSpellingsOfOneNameAreToldAtStartAndRefusedByEveryWriter) {
#if defined(_WIN32)
    GTEST_SKIP() << "a Windows folder holds one spelling of a name";
#endif
    write("PLANES.DAT", "a second spelling");
    write("EAW.INI", "[Misc]\r\n");
    const auto planes = read("planes.dat");
    const auto ini = read("eaw.ini");
    SelectorSession session(game_);
    const auto told = allText(session.startupProblems());
    EXPECT_NE(told.find("\"PLANES.DAT\" and \"planes.dat\" differ only in letter case"), std::string::npos)
        << told;
    EXPECT_NE(told.find("\"EAW.INI\" and \"eaw.ini\""), std::string::npos) << told;

    const auto change = session.clickSet(rowOf(session.browser(), "G-Desert Haze"));
    EXPECT_NE(allText(change.work.problems).find("differ only in letter case"), std::string::npos);
    EXPECT_EQ(read("planes.dat"), planes);
    EXPECT_EQ(read("PLANES.DAT"), "a second spelling");

    GameSettings settings(game_);
    settings.IniRead();
    const auto saved = settings.inisave(settings.values(), true);
    ASSERT_TRUE(saved.problem.has_value());
    EXPECT_NE(saved.problem->text().find("differ only in letter case"), std::string::npos)
        << saved.problem->text();
    EXPECT_EQ(read("eaw.ini"), ini);
}

TEST_F(PlayerFiles, ApplyRefusesAFileThatIsNotAPackageWithoutReadingItAloud) {
    write("notes.txt", "secret words of the player\r\n");
    std::string said;
    EXPECT_EQ(cli({"--apply", common::pathText(game_ / "notes.txt")}, &said), 1);
    EXPECT_EQ(said.find("secret"), std::string::npos) << said;
    EXPECT_NE(said.find("is not a package"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(cli({"--apply", "desert war.SET"}, &said), 0) << said;
}
