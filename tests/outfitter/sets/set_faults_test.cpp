// The set engine and the grid's marks under faults: refused copies and deletes, a full disk, a
// folder that cannot be written, and a load killed part-way followed by a restart. Each case checks
// that every game file holds its old bytes or the set's in full, that the marks and the ledger say
// what the game folder holds, and that the messages name the failure.

#include "outfitter/core/selector_startup.h"
#include "outfitter/core/work_journal.h"
#include "outfitter/sets/set_browser.h"
#include "outfitter/sets/set_installer.h"

#include "common/file_faults.h"

#include "game_fixture.h"
#include "test_support/child_process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/stat.h>

using namespace outfitter;
namespace fs = std::filesystem;
namespace faults = common::faults;

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

std::string allText(const common::Problems& problems) {
    std::string text;
    for (const auto& problem : problems)
        text += problem.text() + "\n";
    return text;
}

bool mentions(const common::Problems& problems, const std::string& part) {
    return allText(problems).find(part) != std::string::npos;
}

} // namespace

class SetFaults : public test_support::GameFixture {
  protected:
    SetBrowser open() { return SetBrowser(SelectorStartup::run(game_)); }
    std::string ledger() { return read(selector_ / "FoldersLoaded.txt"); }

    // A set of `count` files, each large enough to take several writes to copy, and a stock file of
    // the same name in the game folder for every other one.
    fs::path bigSet(const std::string& name, int count) {
        const auto folder = dir_.folder("EAW/QIV128/" + name);
        for (int i = 0; i < count; ++i) {
            const auto file = "part" + std::to_string(i) + ".dat";
            write(folder / file, std::string(150000, static_cast<char>('a' + i % 26)));
            if (i % 2 == 0)
                write(game_ / file, "stock " + file);
        }
        return folder;
    }

    // Every game file of the big set is the stock file or the set's copy, in full.
    void expectEachFileOldOrNew(const fs::path& setFolder, int count) {
        for (int i = 0; i < count; ++i) {
            const auto file = "part" + std::to_string(i) + ".dat";
            if (!exists(game_ / file))
                continue;
            const auto bytes = read(game_ / file);
            EXPECT_TRUE(bytes == "stock " + file || bytes == read(setFolder / file)) << file;
        }
    }

    void expectNoTemporaries() {
        for (const auto& folder : {game_, savedata_, music_, selector_})
            for (const auto& name : names(folder))
                EXPECT_TRUE(name.find(".part") == std::string::npos &&
                            name.find(".tmp") == std::string::npos && name != kJournalFileName)
                    << folder / name;
    }
};

TEST_F(SetFaults, ALoadOfWhichNothingArrivesLeavesTheRowUnmarkedAndOutOfTheLedger) {
    set("W-Summer", {"planes.dat", "sky.tpc"});
    auto browser = open();
    BrowserChange change;
    {
        const faults::Scope refused(faults::failAfter(faults::Operation::Write, 0, EACCES, game_));
        change = browser.click(rowNamed(browser, "W-Summer"));
    }
    EXPECT_TRUE(markedNames(browser).empty());
    EXPECT_EQ(ledger(), "\r\n");
    EXPECT_TRUE(browser.summary().empty());
    EXPECT_TRUE(mentions(change.work.problems, "planes.dat")) << allText(change.work.problems);
    EXPECT_TRUE(mentions(change.work.problems, std::strerror(EACCES)));
    EXPECT_TRUE(mentions(change.work.problems, "nothing arrived"));
    EXPECT_EQ(names(game_), (std::vector<std::string>{"MUSIC", "QIV128", "SaveData"}));
    expectNoTemporaries();

    // A campaign is marked before its files move; it must lose the mark again.
    set("C-Battle", {"camp.dat"});
    browser.beginRefresh();
    browser.finishRefresh();
    {
        const faults::Scope refused(faults::failAfter(faults::Operation::Write, 0, EACCES, game_));
        browser.click(rowNamed(browser, "C-Battle"));
    }
    EXPECT_TRUE(markedNames(browser).empty());
    EXPECT_EQ(ledger(), "\r\n");
}

TEST_F(SetFaults, AnUnloadThatLeavesFilesBehindKeepsTheMarkAndTheLedgerLineAndNamesWhatStayed) {
    set("W-Summer", {"a.dat", "b.dat", "c.dat"});
    set("W-Winter", {"snow.tpc"});
    auto browser = open();
    browser.click(rowNamed(browser, "W-Summer"));
    ASSERT_EQ(ledger(), "W-Summer\r\n\r\n");

    BrowserChange change;
    {
        // The first delete goes through, the others are refused.
        const faults::Scope refused(faults::failAfter(faults::Operation::Delete, 1, EACCES));
        change = browser.click(rowNamed(browser, "W-Summer"));
    }
    EXPECT_EQ(markedNames(browser), std::vector<std::string>{"W-Summer"});
    EXPECT_EQ(ledger(), "W-Summer\r\n\r\n");
    EXPECT_TRUE(mentions(change.work.problems, "still in the game folder: b.dat, c.dat"))
        << allText(change.work.problems);
    EXPECT_FALSE(exists(game_ / "a.dat"));

    // Loading the other set of the category: the old one cannot make way in full, so both stand.
    {
        const faults::Scope refused(faults::failAfter(faults::Operation::Delete, 0, EACCES));
        change = browser.click(rowNamed(browser, "W-Winter"));
    }
    EXPECT_EQ(markedNames(browser), (std::vector<std::string>{"W-Summer", "W-Winter"}));
    EXPECT_EQ(ledger(), "W-Summer\r\nW-Winter\r\n\r\n");
    EXPECT_TRUE(mentions(change.work.problems, "still in the game folder: b.dat, c.dat"));

    // Once the deletes are allowed, one click finishes the unload.
    browser.click(rowNamed(browser, "W-Summer"));
    EXPECT_EQ(markedNames(browser), std::vector<std::string>{"W-Winter"});
    EXPECT_FALSE(exists(game_ / "b.dat"));
    EXPECT_FALSE(exists(game_ / "c.dat"));
    expectNoTemporaries();
}

TEST_F(SetFaults, ResetAllKeepsTheMarkOfASetWhoseFilesTheCleanUpCouldNotDelete) {
    set("W-Summer", {"planes.dat"});
    set("G-Clouds", {"cloud.dat"});
    write(selector_ / "FoldersLoaded.txt", "W-Summer\r\nG-Clouds\r\n");
    write(game_ / "cloud.dat", "loaded");
    write(game_ / "planes.dat", "loaded");
    auto browser = open();

    BrowserChange change;
    {
        const faults::Scope refused(faults::failAfter(faults::Operation::Delete, 1, EACCES));
        change = browser.resetAll();
    }
    ASSERT_EQ(markedNames(browser).size(), 1u) << allText(change.work.problems);
    const auto kept = markedNames(browser)[0];
    EXPECT_EQ(ledger(), kept + "\r\n\r\n");
    EXPECT_TRUE(mentions(change.work.problems, "still in the game folder"));
    EXPECT_EQ(browser.summary(), std::vector<std::string>{kept});
}

TEST_F(SetFaults, AFullDiskPartWayThroughALoadKeepsEveryFileWholeAndSaysNoSpaceLeft) {
    const auto folder = bigSet("W-Big", 6);
    auto browser = open();
    BrowserChange change;
    {
        const faults::Scope full(faults::failAfter(faults::Operation::Write, 7, ENOSPC, game_));
        change = browser.click(rowNamed(browser, "W-Big"));
    }
    EXPECT_TRUE(mentions(change.work.problems, std::strerror(ENOSPC))) << allText(change.work.problems);
    EXPECT_FALSE(mentions(change.work.problems, "Input/output error"));
    EXPECT_FALSE(change.work.done.empty());
    // Some files arrived, so the set counts as loaded and one click takes them out again.
    EXPECT_EQ(markedNames(browser), std::vector<std::string>{"W-Big"});
    EXPECT_EQ(ledger(), "W-Big\r\n\r\n");
    expectEachFileOldOrNew(folder, 6);
    expectNoTemporaries();
}

#if !defined(_WIN32)

TEST_F(SetFaults, AReadOnlyGameFolderTakesNoFileAndTheRowStaysUnmarked) {
    set("W-Summer", {"planes.dat", "raid.msn"});
    write(game_ / "planes.dat", "stock");
    for (const auto& folder : {dir_.path(), game_, selector_, savedata_, music_, selector_ / "W-Summer"})
        ::chmod(folder.c_str(), 0777);
    for (const auto& file :
         {game_ / "planes.dat", selector_ / "W-Summer" / "planes.dat", selector_ / "W-Summer" / "raid.msn"})
        ::chmod(file.c_str(), 0644);
    auto browser = open();
    ::chmod(game_.c_str(), 0555);
    ::chmod(savedata_.c_str(), 0555);
    const auto outcome = testsupport::runInChild([&](const testsupport::Say& say) {
        if (!testsupport::dropRoot())
            return testsupport::kChildCannotSetUp;
        const auto change = browser.click(rowNamed(browser, "W-Summer"));
        say(std::to_string(markedNames(browser).size()) + "\n" + allText(change.work.problems));
        return 0;
    });
    ::chmod(game_.c_str(), 0755);
    ::chmod(savedata_.c_str(), 0755);
    if (outcome.exited && outcome.code == testsupport::kChildCannotSetUp)
        GTEST_SKIP() << "cannot drop root here";
    ASSERT_TRUE(outcome.exited) << outcome.signal;
    EXPECT_EQ(outcome.output.substr(0, 2), "0\n") << outcome.output;
    EXPECT_NE(outcome.output.find("planes.dat"), std::string::npos);
    EXPECT_NE(outcome.output.find(std::strerror(EACCES)), std::string::npos);
    EXPECT_EQ(ledger(), "\r\n");
    EXPECT_EQ(read(game_ / "planes.dat"), "stock");
    expectNoTemporaries();
}

TEST_F(SetFaults, ALoadKilledPartWayIsFoundAtTheNextStartMarkedLoadedAndCleanedUp) {
    const int count = 12;
    const auto folder = bigSet("W-Big", count);
    set("W-Small", {"tiny.dat"});
    write(selector_ / "FoldersLoaded.txt", "W-Small\r\n");
    write(game_ / "tiny.dat", "W-Small:tiny.dat");

    for (const int killAt : {1, 9, 20}) {
        SCOPED_TRACE(killAt);
        const auto outcome = testsupport::runInChild([&](const testsupport::Say& say) {
            auto browser = open();
            // Dies in the middle of a copy, with its temporary file half written.
            faults::install([&, seen = 0](faults::Operation operation, const fs::path& file) mutable {
                if (operation == faults::Operation::Write && file.parent_path() == game_ && ++seen == killAt)
                    std::raise(SIGKILL);
                return 0;
            });
            const auto change = browser.click(rowNamed(browser, "W-Big"));
            say(allText(change.work.problems)); // only when it was not killed
            return 0;
        });
        ASSERT_EQ(outcome.signal, SIGKILL) << outcome.output;
        ASSERT_TRUE(exists(selector_ / kJournalFileName));
        const auto before = names(game_);
        EXPECT_TRUE(std::any_of(before.begin(), before.end(), [](const std::string& name) {
            return name.find(".part") != std::string::npos;
        }));

        const auto restart = SelectorStartup::run(game_);
        EXPECT_TRUE(mentions(restart.problems, "The load of \"W-Big\" was interrupted"))
            << allText(restart.problems);
        ASSERT_EQ(restart.sets.size(), 2u);
        EXPECT_TRUE(restart.sets.rows()[0].loaded); // the one-at-a-time swap unloaded W-Small first
        EXPECT_EQ(ledger(), "W-Big\r\n\r\n");
        expectNoTemporaries();
        expectEachFileOldOrNew(folder, count);

        // One click unloads whatever arrived, and the stock files it had replaced come back.
        SetBrowser browser(restart);
        browser.click(rowNamed(browser, "W-Big"));
        for (int i = 0; i < count; ++i) {
            const auto file = "part" + std::to_string(i) + ".dat";
            if (i % 2 == 0)
                EXPECT_EQ(read(game_ / file), "stock " + file);
            else
                EXPECT_FALSE(exists(game_ / file)) << file;
        }
        EXPECT_EQ(ledger(), "\r\n");
        browser.click(rowNamed(browser, "W-Small"));
    }
}

TEST_F(SetFaults, AnUnloadKilledPartWayKeepsTheSetLoadedAfterTheRestart) {
    const int count = 8;
    bigSet("W-Big", count);
    auto first = open();
    first.click(rowNamed(first, "W-Big"));
    ASSERT_EQ(ledger(), "W-Big\r\n\r\n");

    const auto outcome = testsupport::runInChild([&](const testsupport::Say&) {
        auto browser = open();
        faults::install([seen = 0](faults::Operation operation, const fs::path&) mutable {
            if (operation == faults::Operation::Delete && ++seen == 3)
                std::raise(SIGKILL);
            return 0;
        });
        browser.click(rowNamed(browser, "W-Big"));
        return 0;
    });
    ASSERT_EQ(outcome.signal, SIGKILL) << outcome.code;

    const auto restart = SelectorStartup::run(game_);
    EXPECT_TRUE(mentions(restart.problems, "The unload of \"W-Big\" was interrupted"));
    EXPECT_TRUE(restart.sets.rows()[0].loaded);
    EXPECT_EQ(ledger(), "W-Big\r\n\r\n");
    EXPECT_FALSE(exists(selector_ / kJournalFileName));
}

#endif

TEST_F(SetFaults, AJournalOfAnotherProgramOrAVanishedSetIsHandledWithoutHarm) {
    set("W-Summer", {"planes.dat"});
    write(selector_ / kJournalFileName, "something else entirely\r\n");
    auto restart = SelectorStartup::run(game_);
    EXPECT_TRUE(mentions(restart.problems, "not a journal this program wrote"));
    EXPECT_FALSE(exists(selector_ / kJournalFileName));
    EXPECT_EQ(ledger(), "");
    EXPECT_EQ(restart.sets.size(), 1u); // the journal is no set

    ASSERT_FALSE(writeJournal(selector_, {WorkJournal::Kind::Load, "W-Gone"}));
    restart = SelectorStartup::run(game_);
    EXPECT_TRUE(mentions(restart.problems, "\"W-Gone\" was interrupted"));
    EXPECT_EQ(restart.summary, std::vector<std::string>{"W-Gone"});
    EXPECT_EQ(ledger(), "W-Gone\r\n\r\n");
}

TEST_F(SetFaults, RefreshReadsTheCategoryTableAgain) {
    write(selector_ / "qiv.ini", "Weather sets: W\r\n");
    set("W-Summer", {"planes.dat"});
    set("Q-Odd", {"odd.dat"});
    auto browser = open();
    ASSERT_EQ(browser.rows().size(), 1u);

    write(selector_ / "qiv.ini", "Weather sets: W\r\nOdd sets: Q\r\n");
    EXPECT_TRUE(browser.beginRefresh().empty());
    browser.finishRefresh();
    ASSERT_EQ(browser.rows().size(), 2u);
    EXPECT_EQ(browser.rows()[1].name, "Q-Odd");
    EXPECT_EQ(browser.categories().size(), 2u);
}
