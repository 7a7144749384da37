// Two processes on one game folder: the one holding its lock is changing it, so the command line's
// changes are refused in one line naming that process, and what only reads repairs nothing of its work.

#include "outfitter/cli/cli_runner.h"
#include "outfitter/core/stale_temporaries.h"
#include "outfitter/core/work_journal.h"

#include "command_line.h"

#include "make_demo_game/demo_game.h"
#include "test_support/temp_folder.h"

#if !defined(_WIN32)
#include "test_support/child_process.h"
#endif

#include <gtest/gtest.h>

#include <sstream>

using namespace outfitter;
namespace fs = std::filesystem;

namespace {

class GameFolderLockCli : public ::testing::Test {
  protected:
    void SetUp() override {
        game_ = dir_.folder("EAW");
        ASSERT_TRUE(demo::writeDemoGame(game_).ok());
        selector_ = game_ / "QIV128";
        source_ = dir_.folder("Downloads/Sahara");
        dir_.write("Downloads/Sahara/sand.tpc", "sand");
    }
    int run(const std::vector<std::string>& args) {
        return outfitter::testing::runCommandLine(args, dir_.path(), game_, out_, err_, {},
                                                  std::chrono::milliseconds(0));
    }
    // What a load in progress has in the selector folder: its journal and an import being unpacked.
    void leaveWorkUnderWay() {
        ASSERT_FALSE(writeJournal(selector_, {WorkJournal::Kind::Load, "W-Desert Air War"}));
        const auto import = selector_ / newImportFolderName();
        fs::create_directories(import / kImportStagedFolder / "W-Big");
        import_ = import;
    }
    bool workStillThere() const {
        const auto journal = readJournal(selector_);
        return journal.ok() && journal.value && fs::exists(import_);
    }
    std::string ledger() const { return dir_.read("EAW/QIV128/FoldersLoaded.txt"); }
    bool has(const std::string& text, const std::string& part) const { return text.find(part) != std::string::npos; }

    testsupport::TempFolder dir_;
    fs::path game_, selector_, source_, import_;
    std::ostringstream out_, err_;
};

} // namespace

TEST_F(GameFolderLockCli, ReadingCommandsRepairNothingAndMakeNothingEvenWithNobodyHoldingTheLock) {
    leaveWorkUnderWay();
    for (const auto& args : {std::vector<std::string>{"--list"}, {"--check"},
                                                {"--files", "W-Desert Air War"}}) {
        run(args);
        EXPECT_TRUE(workStillThere()) << args.front();
        EXPECT_FALSE(has(out_.str(), "interrupted")) << out_.str();
        EXPECT_FALSE(has(out_.str(), "is changing this game folder")) << out_.str();
    }

    const auto bare = dir_.folder("Bare");
    dir_.write("Bare/eaw.exe", "MZ");
    EXPECT_EQ(outfitter::testing::runCommandLine({"--list"}, dir_.path(), bare, out_, err_), 1);
    EXPECT_EQ(err_.str(), "outfitter: there is no QIV128 in " + common::pathText(bare) +
                              ": nothing has been added or loaded there yet\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(bare), fs::directory_iterator()), 1) << "made a folder";

    // The next change holds the lock, so it may finish what was left.
    ASSERT_EQ(run({"--add", source_.string(), "--category", "W"}), 0) << err_.str();
    EXPECT_FALSE(fs::exists(import_));
    EXPECT_FALSE(readJournal(selector_).value);
}

#if !defined(_WIN32)

TEST_F(GameFolderLockCli, ChangesAreRefusedWhileAnotherProcessHoldsTheLockAndReadsLeaveItsWorkAlone) {
    const auto ledgerBefore = ledger();
    leaveWorkUnderWay(); // the holder's, as far as anyone else can tell
    testsupport::ChildBeside holder([&](const testsupport::Say& say, const testsupport::ChildBeside::Hear& hear) {
        const auto lock = common::takeGameFolderLock(game_, "outfitter");
        say(lock.held() ? "held\n" : "refused\n");
        hear(); // killed mid-work
        return 0;
    });
    ASSERT_TRUE(holder.heard("held\n"));
    const std::string pid = std::to_string(holder.pid());
    const std::string refusal = "outfitter: outfitter is already changing " + common::pathText(game_) +
                                " (process " + pid + "); try again when it has finished\n";

    EXPECT_EQ(run({"--apply", "weather swap"}), 1);
    EXPECT_EQ(err_.str(), refusal);
    EXPECT_EQ(out_.str(), "");
    EXPECT_EQ(run({"--add", source_.string(), "--category", "W"}), 1);
    EXPECT_EQ(err_.str(), refusal);
    EXPECT_FALSE(fs::exists(selector_ / "W-Sahara"));
    EXPECT_EQ(ledger(), ledgerBefore);

    for (const auto& args : {std::vector<std::string>{"--list"}, {"--check"}}) {
        run(args);
        EXPECT_EQ(out_.str().substr(0, out_.str().find('\n') + 1),
                  "Another outfitter (process " + pid + ") is changing this game folder; what is listed may change.\n");
        EXPECT_FALSE(has(out_.str(), "interrupted")) << out_.str();
        EXPECT_TRUE(workStillThere()) << "a read repaired live work: " << args.front();
    }

    // Killed, it holds nothing: the next change goes ahead at once and finishes the dead work.
    holder.kill();
    EXPECT_EQ(holder.finish(), -SIGKILL);
    ASSERT_EQ(run({"--apply", "weather swap"}), 0) << err_.str();
    EXPECT_TRUE(has(out_.str(), "W-Desert Air War")) << out_.str();
    EXPECT_FALSE(fs::exists(import_));
    EXPECT_FALSE(readJournal(selector_).value);
}

TEST_F(GameFolderLockCli, AMissionBuilderWritingIsNamedInTheRefusal) {
    testsupport::ChildBeside holder([&](const testsupport::Say& say, const testsupport::ChildBeside::Hear& hear) {
        const auto write = common::takeLockForWrite(game_, "sortie");
        say(write.lock.held() ? "held\n" : "refused\n");
        hear();
        return 0;
    });
    ASSERT_TRUE(holder.heard("held\n"));
    EXPECT_EQ(run({"--apply", "weather swap"}), 1);
    EXPECT_EQ(err_.str(), "outfitter: sortie is writing to " + common::pathText(game_) + " (process " +
                              std::to_string(holder.pid()) + "); try again when it has finished\n");
    holder.goOn();
    EXPECT_EQ(holder.finish(), 0);
    EXPECT_EQ(run({"--apply", "weather swap"}), 0) << err_.str();
}

#endif
