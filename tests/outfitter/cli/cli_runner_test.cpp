#include "outfitter/cli/cli_runner.h"

#include "make_demo_game/demo_game.h"
#include "test_support/stand_in_programs.h"
#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace outfitter;

namespace {

// The command line run on a fresh demo game, with what it printed.
class CommandLine : public ::testing::Test {
  protected:
    void SetUp() override {
        game_ = dir_.folder("EAW");
        ASSERT_TRUE(demo::writeDemoGame(game_).ok());
    }
    int run(const std::vector<std::string>& args, std::filesystem::path folder = {}) {
        out_.str({});
        err_.str({});
        std::ostringstream ignored;
        const auto start =
            eaw::startup::readCommandLine(args, eaw::startup::outfitterProgram(), dir_.path(), ignored, err_);
        if (start.exitCode)
            return *start.exitCode;
        std::string refusal;
        const auto request = cliRequest(start.options, refusal);
        if (!request || !refusal.empty()) {
            err_ << refusal;
            return 2;
        }
        return runCli(*request, folder.empty() ? game_ : folder, out_, err_);
    }
    std::string ledger() const { return dir_.read("EAW/QIV128/FoldersLoaded.txt"); }
    std::string log() const { return dir_.read("EAW/QIV128/outfitter.log"); }

    testsupport::TempFolder dir_;
    std::filesystem::path game_;
    std::ostringstream out_;
    std::ostringstream err_;
};

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST_F(CommandLine, ApplyLoadsAPackageAsTheWindowDoesAndLogsEachFile) {
    ASSERT_EQ(run({"--apply", "weather swap"}), 0) << err_.str();
    EXPECT_EQ(ledger(), "W-Desert Air War\r\nG-Cloud Textures\r\nG-Explosion Effects\r\n\r\n");
    EXPECT_TRUE(has(out_.str(), "Unloaded W-Battle of Britain 1940: ")) << out_.str();
    EXPECT_TRUE(has(out_.str(), "Loaded W-Desert Air War: 6 files, 1 into Savedata, 1 into Music"))
        << out_.str();
    EXPECT_TRUE(has(out_.str(), "Applied Weather Swap.set: 3 loaded in all"));
    EXPECT_TRUE(has(log(), " delete horizon.tpc of W-Battle of Britain 1940\r\n")) << log();
    EXPECT_TRUE(has(log(), " copy SaveData/Tobruk.msn from W-Desert Air War\r\n")) << log();
    EXPECT_EQ(err_.str(), "");

    // "--reset" cleans first: only the package's own sets stay loaded.
    ASSERT_EQ(run({"--apply=Desert War.set", "--reset", game_.string()}, game_), 0) << err_.str();
    EXPECT_EQ(ledger(), "W-Desert Air War\r\nN-Cannon Sounds\r\nS-Desert Camouflage\r\n\r\n");
    EXPECT_TRUE(has(out_.str(), "Reset All: ")) << out_.str();
}

TEST_F(CommandLine, LaunchStartsTheProgramAfterThePackageAndListShowsTheMarks) {
#if defined(_WIN32)
    // Windows starts the game itself: the stand-in is the game.
    testsupport::ReportFile report(dir_.path() / "report.txt");
    testsupport::installStandIn(game_ / "eaw.exe");

    ASSERT_EQ(run({"--apply", "Fighter Pilots", "--launch", "EAW.EXE"}), 0) << err_.str();
    const auto started = report.await();
    ASSERT_TRUE(started.arrived);
    EXPECT_EQ(testsupport::sameOr(started.folder, game_), game_);
    EXPECT_EQ(testsupport::sameOr(started.program, game_ / "eaw.exe"), game_ / "eaw.exe");
#else
    testsupport::ReportPipe pipe(dir_.path() / "report");
    testsupport::writeScript(dir_.path() / "bin" / "wine", pipe.reportLine());
    testsupport::PathOverride path(dir_.path() / "bin", true);

    ASSERT_EQ(run({"--apply", "Fighter Pilots", "--launch", "EAW.EXE"}), 0) << err_.str();
    EXPECT_EQ(pipe.awaitReport(), game_.string() + "|" + (game_ / "eaw.exe").string());
#endif
    EXPECT_TRUE(has(out_.str(), "Started EAW.EXE"));
    EXPECT_TRUE(has(log(), " launch EAW.EXE\r\n")) << log();

    ASSERT_EQ(run({"--list"}), 0) << err_.str();
    EXPECT_TRUE(has(out_.str(),
                    "W  Non-Career Complete Sets\n   S W-Battle of Britain 1940\n     W-Desert Air War\n"))
        << out_.str();
    EXPECT_TRUE(has(out_.str(), "   S F-Fighter Pack\n"));
    EXPECT_TRUE(has(out_.str(), "Plane sets:\n"));
}

TEST_F(CommandLine, EachFailureEndsNonZeroWithOneReasonAndChangesNothing) {
    const auto before = dir_.entries();
    EXPECT_EQ(run({"--apply", "No Such Package"}), 1);
    EXPECT_EQ(err_.str(), "outfitter: there is no package \"No Such Package\" in QIV128/Autoscripts\n");

    const auto empty = dir_.folder("Elsewhere");
    EXPECT_EQ(run({"--list"}, empty), 1);
    EXPECT_TRUE(has(err_.str(), "there is no eaw.exe in"));
    EXPECT_TRUE(std::filesystem::is_empty(empty));

    EXPECT_EQ(run({"--reset"}), 2);
    EXPECT_TRUE(has(err_.str(), "\"--reset\" works only with \"--apply\""));
    EXPECT_EQ(run({"--apply"}), 2);
    EXPECT_EQ(run({"--list", "--list"}), 2);

    testsupport::PathOverride path(dir_.path() / "nowhere", true);
    EXPECT_EQ(run({"--launch", "eaw.exe"}), 1);
#if defined(_WIN32)
    // Windows starts the game itself, so only a game that cannot be started is left to report.
    EXPECT_TRUE(has(err_.str(), "starting ") && has(err_.str(), "eaw.exe")) << err_.str();
#else
    EXPECT_TRUE(has(err_.str(), "wine")) << err_.str();
#endif
    auto after = dir_.entries();
    after.erase("Elsewhere/");
    after.erase("EAW/QIV128/qiv.ini");   // made by start-up, as the window makes it
    after.erase("EAW/QIV128/.qiv-lock"); // taken by "--apply" before it looked for the package
    for (const auto& entry : after)
        EXPECT_TRUE(before.count(entry)) << entry;
    for (const auto& entry : before)
        EXPECT_TRUE(after.count(entry)) << entry;
}

TEST_F(CommandLine, HelpListsTheSelectorsOwnOptions) {
    std::ostringstream out;
    std::ostringstream err;
    const auto start =
        eaw::startup::readCommandLine({"--help"}, eaw::startup::outfitterProgram(), dir_.path(), out, err);
    EXPECT_EQ(start.exitCode, 0);
    for (const char* option : {"--apply PACKAGE", "--reset", "--launch PROGRAM", "--list"})
        EXPECT_TRUE(has(out.str(), option)) << option;
}

TEST_F(CommandLine, UndoTakesBackTheNewestChangeAndHistoryListsWhatIsLeft) {
    const auto ledgerBefore = ledger();
    ASSERT_EQ(run({"--undo"}), 0) << err_.str();
    EXPECT_EQ(out_.str(), "Nothing to undo.\n");
    ASSERT_EQ(run({"--apply", "weather swap"}), 0) << err_.str();
    ASSERT_EQ(run({"--apply", "Desert War", "--reset"}), 0) << err_.str();

    ASSERT_EQ(run({"--history"}), 0) << err_.str();
    const auto listed = out_.str();
    EXPECT_LT(listed.find("Load a package"), listed.find("W-Desert Air War")) << listed;
    EXPECT_TRUE(has(listed, "FoldersLoaded.txt")) << listed;

    ASSERT_EQ(run({"--undo", "--list"}), 0) << err_.str();
    EXPECT_TRUE(has(out_.str(), "Undone: Load a package")) << out_.str();
    EXPECT_EQ(ledger(), "W-Desert Air War\r\nG-Cloud Textures\r\nG-Explosion Effects\r\n\r\n");
    ASSERT_EQ(run({"--undo"}), 0) << err_.str();
    EXPECT_EQ(ledger(), ledgerBefore);
    EXPECT_TRUE(has(log(), " undo ")) << log();
    EXPECT_EQ(run({"--undo", "--apply", "Desert War"}), 2); // one change at a time
}
