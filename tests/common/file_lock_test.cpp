#include "common/game_folder_lock.h"

#include "test_support/temp_folder.h"

#if defined(_WIN32)
#include <process.h>
#else
#include "test_support/child_process.h"
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace common;
using testsupport::TempFolder;

namespace {

long ourProcessId() {
#if defined(_WIN32)
    return static_cast<long>(_getpid());
#else
    return static_cast<long>(::getpid());
#endif
}

} // namespace

TEST(FileLock, HasOneHolderAtATimeWhomARefusalNames) {
    TempFolder dir;
    const auto file = dir.path() / ".qiv-lock";
    EXPECT_FALSE(lockHeldElsewhere(file)) << "a missing lock file is a lock nobody holds";
    EXPECT_FALSE(std::filesystem::exists(file));

    auto first = FileLock::take(file, "outfitter");
    ASSERT_TRUE(first.held());
    const auto second = FileLock::take(file, "sortie");
    EXPECT_EQ(second.outcome(), FileLock::Outcome::HeldElsewhere);
    EXPECT_EQ(second.holder().processId, ourProcessId());
    EXPECT_EQ(second.holder().program, "outfitter");
    const auto probed = lockHeldElsewhere(file);
    ASSERT_TRUE(probed);
    EXPECT_EQ(probed->processId, ourProcessId());

    first.release();
    EXPECT_FALSE(lockHeldElsewhere(file));
    EXPECT_EQ(readLockHolder(file).processId, 0) << "a released lock names nobody";
    auto third = FileLock::take(file, "sortie");
    EXPECT_TRUE(third.held());
    auto moved = std::move(third);
    EXPECT_TRUE(moved.held());
    EXPECT_EQ(FileLock::take(file, "outfitter").outcome(), FileLock::Outcome::HeldElsewhere);
}

TEST(FileLock, FailsWithTheReasonWhereNoFileCanBeMade) {
    TempFolder dir;
    const auto lock = FileLock::take(dir.path() / "missing" / ".qiv-lock", "outfitter");
    EXPECT_EQ(lock.outcome(), FileLock::Outcome::Failed);
    ASSERT_TRUE(lock.problem());
    EXPECT_FALSE(lock.problem()->reason.empty());
}

TEST(GameFolderLock, LivesInTheSelectorFolderWhateverItsCaseAndWritersMakeNothing) {
    TempFolder game;
    EXPECT_FALSE(gameFolderLockHolder(game.path()));
    {
        auto write = takeLockForWrite(game.path(), "sortie");
        EXPECT_TRUE(write.mayWrite()) << "a game folder the selector never used has nobody to wait for";
        EXPECT_FALSE(write.lock.held());
    }
    EXPECT_FALSE(std::filesystem::exists(game.path() / "QIV128"));

    std::filesystem::create_directory(game.path() / "qiv128");
    auto held = takeGameFolderLock(game.path(), "outfitter");
    ASSERT_TRUE(held.held());
    EXPECT_TRUE(std::filesystem::is_regular_file(game.path() / "qiv128" / kGameFolderLockName));
    // No second spelling was made beside it (on Windows "QIV128" names the same folder anyway).
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(game.path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"qiv128"});
    const auto write = takeLockForWrite(game.path(), "sortie");
    EXPECT_TRUE(write.refused);
    EXPECT_FALSE(write.mayWrite());
    EXPECT_EQ(write.lock.holder().program, "outfitter");
    // The window's own lock is another file: holding one says nothing of the other.
    EXPECT_TRUE(takeGameFolderLock(game.path(), "outfitter", {}, kWindowLockName).held());
}

#if !defined(_WIN32)

TEST(FileLock, IsRefusedToOtherProcessesAndFreeTheMomentItsHolderIsKilled) {
    TempFolder game;
    testsupport::ChildBeside holder([&](const testsupport::Say& say, const testsupport::ChildBeside::Hear& hear) {
        const auto lock = takeGameFolderLock(game.path(), "outfitter");
        say(lock.held() ? "held\n" : "refused\n");
        hear(); // never told: it is killed holding the lock
        return 0;
    });
    ASSERT_TRUE(holder.started());
    ASSERT_TRUE(holder.heard("held\n"));

    const auto refused = takeGameFolderLock(game.path(), "outfitter");
    EXPECT_EQ(refused.outcome(), FileLock::Outcome::HeldElsewhere);
    EXPECT_EQ(refused.holder().processId, static_cast<long>(holder.pid()));
    const auto probed = gameFolderLockHolder(game.path());
    ASSERT_TRUE(probed);
    EXPECT_EQ(probed->processId, static_cast<long>(holder.pid()));

    holder.kill();
    EXPECT_EQ(holder.finish(), -SIGKILL);
    EXPECT_FALSE(gameFolderLockHolder(game.path()));
    EXPECT_TRUE(takeGameFolderLock(game.path(), "outfitter").held());
}

TEST(FileLock, WaitsForAHolderThatLetsGoWithinTheWait) {
    TempFolder game;
    testsupport::ChildBeside holder([&](const testsupport::Say& say, const testsupport::ChildBeside::Hear& hear) {
        auto lock = takeGameFolderLock(game.path(), "outfitter");
        say(lock.held() ? "held\n" : "refused\n");
        hear();
        lock.release();
        hear();
        return 0;
    });
    ASSERT_TRUE(holder.heard("held\n"));
    EXPECT_FALSE(takeGameFolderLock(game.path(), "outfitter").held()) << "no wait: refused at once";
    holder.goOn(); // lets go while (or before) the next take waits
    EXPECT_TRUE(takeGameFolderLock(game.path(), "outfitter", kGameFolderLockWait).held());
    holder.goOn();
    EXPECT_EQ(holder.finish(), 0);
}

#endif
