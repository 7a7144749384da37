// The file layer under faults: a full disk, a read-only file or folder. Every case checks that the
// file concerned holds its old bytes or its new bytes in full, that no temporary is left, and that
// the reason is the system's own.

#include "common/atomic_file.h"
#include "common/file_faults.h"
#include "common/game_file_ops.h"

#include "test_support/child_process.h"
#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#if defined(_WIN32)
#include <windows.h>
#endif

using namespace common;
using testsupport::slurp;
using testsupport::TempFolder;

namespace {

std::vector<std::string> entries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Several copy chunks, so a failure can come part-way.
std::string bigBytes(std::size_t size, char seed) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(seed + static_cast<char>(i % 251));
    return bytes;
}

const std::string kNoSpace = std::strerror(ENOSPC);

} // namespace

TEST(FullDisk, ACopyThatRunsOutOfSpacePartWayKeepsTheOldFileAndSaysSo) {
    TempFolder dir;
    const auto source = dir.write("set/planes.dat", bigBytes(300000, 'a'));
    const auto game = dir.write("game/planes.dat", "stock");
    const faults::Scope full(faults::failAfter(faults::Operation::Write, 2, ENOSPC));

    const auto problem = copyReplacing(source, game);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->reason, kNoSpace);
    EXPECT_EQ(problem->path, game);
    EXPECT_NE(problem->text().find("planes.dat"), std::string::npos);
    EXPECT_EQ(slurp(game), "stock");
    EXPECT_EQ(entries(dir.path() / "game"), std::vector<std::string>{"planes.dat"});
}

TEST(FullDisk, AnAtomicWriteThatRunsOutOfSpaceKeepsTheOldFileAndSaysSo) {
    TempFolder dir;
    const auto target = dir.write("eaw.ini", "old");
    for (const std::string temp : {"", "eaw.ink"}) {
        const faults::Scope full(faults::failAfter(faults::Operation::Write, 0, ENOSPC));
        const auto problem = writeFileAtomically(target, bigBytes(5000, 'x'), temp);
        ASSERT_TRUE(problem) << temp;
        EXPECT_EQ(problem->reason, kNoSpace);
        EXPECT_EQ(slurp(target), "old");
        EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"eaw.ini"});
    }
}

TEST(FullDisk, TheWritersTemporaryNamesAreRecognisedAsOursAndNothingElseIs) {
    TempFolder dir;
    const auto target = dir.write("FoldersLoaded.txt", "");
    std::vector<std::string> seen;
    {
        // Look at the folder while the write is under way, to catch the temporary's real name.
        const faults::Scope peek([&](faults::Operation, const std::filesystem::path&) {
            seen = entries(dir.path());
            return 0;
        });
        ASSERT_FALSE(writeFileAtomically(target, "W-One\r\n"));
        ASSERT_FALSE(copyReplacing(target, dir.path() / "copy.txt"));
    }
    const auto temporary = std::find_if(seen.begin(), seen.end(), [](const std::string& name) {
        return name.find(".part") != std::string::npos;
    });
    ASSERT_NE(temporary, seen.end());
    EXPECT_TRUE(isPartialCopyName(*temporary));
    EXPECT_EQ(*temporary, ".qiv-copy.txt.part");

    std::vector<std::string> atomicTemps;
    {
        const faults::Scope peek([&](faults::Operation, const std::filesystem::path&) {
            atomicTemps = entries(dir.path());
            return 0;
        });
        ASSERT_FALSE(writeFileAtomically(target, "W-Two\r\n"));
    }
    const auto atomicTemp = std::find_if(atomicTemps.begin(), atomicTemps.end(), [](const std::string& name) {
        return name.size() > 4 && name.substr(name.size() - 4) == ".tmp";
    });
    ASSERT_NE(atomicTemp, atomicTemps.end());
    EXPECT_TRUE(isAtomicTemporaryName(*atomicTemp)) << *atomicTemp;

    for (const char* name : {"eaw.ini", ".tmp", ".eaw.ini.tmp", ".eaw.ini.1-2.tmp", "eaw.ini.1-2-3.tmp",
                             ".eaw.ini.1-x-3.tmp", "pevini", ".qiv-.part", "qiv-a.part", ".qiv-journal"}) {
        EXPECT_FALSE(isAtomicTemporaryName(name)) << name;
        EXPECT_FALSE(isPartialCopyName(name)) << name;
    }
}

TEST(FullDisk, ARealSmallDiskGivesTheSameReasonsAndLeavesItsFilesWhole) {
#if defined(_WIN32)
    GTEST_SKIP() << "needs a private mount namespace";
#else
    TempFolder dir;
    const auto disk = dir.folder("disk");
    const auto source = dir.write("planes.dat", bigBytes(200000, 'q'));
    const auto outcome = testsupport::runInChild([&](const testsupport::Say& say) {
        if (!testsupport::mountSmallDisk(disk, 64 * 1024))
            return testsupport::kChildCannotSetUp;
        const auto game = disk / "planes.dat";
        const auto ini = disk / "eaw.ini";
        {
            std::FILE* f = std::fopen(game.c_str(), "wb");
            std::fputs("stock", f);
            std::fclose(f);
        }
        if (writeFileAtomically(ini, "old"))
            return 2;
        const auto copied = copyReplacing(source, game);
        const auto written = writeFileAtomically(ini, bigBytes(200000, 'w'));
        say((copied ? copied->reason : "copied") + "\n" + (written ? written->reason : "written") + "\n");
        say(slurp(game) + "\n" + slurp(ini) + "\n");
        for (const auto& name : entries(disk))
            say(name + ";");
        return 0;
    });
    if (outcome.exited && outcome.code == testsupport::kChildCannotSetUp)
        GTEST_SKIP() << "no private tmpfs here (needs root and mount namespaces)";
    ASSERT_TRUE(outcome.exited);
    ASSERT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.output, kNoSpace + "\n" + kNoSpace + "\nstock\nold\neaw.ini;planes.dat;");
#endif
}

TEST(ReadOnly, AReadOnlyGameFileIsNotReplacedAndKeepsItsAttribute) {
    TempFolder dir;
    const auto source = dir.write("set/planes.dat", "new");
    const auto game = dir.write("game/PLANES.DAT", "stock");
    std::filesystem::permissions(game,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::group_read);

    const auto problem = copyReplacing(source, game);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->reason, kReadOnlyRefusal);
    EXPECT_NE(problem->text().find("PLANES.DAT"), std::string::npos);
    EXPECT_EQ(slurp(game), "stock");
    EXPECT_EQ(std::filesystem::status(game).permissions() & std::filesystem::perms::owner_write,
              std::filesystem::perms::none);
    EXPECT_EQ(entries(dir.path() / "game"), std::vector<std::string>{"PLANES.DAT"});
}

TEST(ReadOnly, AReadOnlyFolderRefusesCopiesWritesAndDeletesAndStaysAsItWas) {
#if defined(_WIN32)
    GTEST_SKIP() << "POSIX permissions";
#else
    TempFolder dir;
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    const auto folder = dir.folder("locked");
    const auto source = dir.write("planes.dat", "new");
    const auto game = dir.write("locked/planes.dat", "stock");
    ::chmod(source.c_str(), 0644);
    ::chmod(game.c_str(), 0644);
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    const auto outcome = testsupport::runInChild([&](const testsupport::Say& say) {
        if (!testsupport::dropRoot())
            return testsupport::kChildCannotSetUp;
        const auto copied = copyReplacing(source, game);
        const auto written = writeFileAtomically(folder / "eaw.ini", "new");
        const auto deleted = deleteFile(game);
        say(copied ? copied->reason + "\n" : "copied\n");
        say(written ? written->reason + "\n" : "written\n");
        say(deleted ? deleted->reason + "\n" : "deleted\n");
        return 0;
    });
    ::chmod(folder.c_str(), 0755);
    if (outcome.exited && outcome.code == testsupport::kChildCannotSetUp)
        GTEST_SKIP() << "cannot drop root here";
    ASSERT_TRUE(outcome.exited);
    const std::string denied = std::strerror(EACCES);
    EXPECT_EQ(outcome.output, denied + "\n" + denied + "\n" + denied + "\n");
    EXPECT_EQ(slurp(game), "stock");
    EXPECT_EQ(entries(folder), std::vector<std::string>{"planes.dat"});
#endif
}

TEST(HeldOpen, AFileTheGameHoldsOpenIsNotReplacedOrDeletedAndThePlayerIsToldWhy) {
#if !defined(_WIN32)
    GTEST_SKIP() << "only Windows keeps an open file from being replaced";
#else
    TempFolder dir;
    const auto source = dir.write("set/planes.dat", "new");
    const auto game = dir.write("game/PLANES.DAT", "stock");
    const auto ini = dir.write("game/eaw.ini", "old");
    // As the game's C runtime opens its files: others may read and write, not delete or rename.
    for (const auto& held : {game, ini}) {
        const HANDLE handle = ::CreateFileW(held.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(handle, INVALID_HANDLE_VALUE);
        const auto copied = copyReplacing(source, held);
        const auto written = writeFileAtomically(held, "new");
        const auto deleted = deleteFile(held);
        ::CloseHandle(handle);
        for (const auto& problem : {copied, written, deleted}) {
            ASSERT_TRUE(problem);
            EXPECT_EQ(problem->reason, kHeldOpenReason) << problem->text();
            EXPECT_NE(problem->text().find(held.filename().string()), std::string::npos) << problem->text();
        }
    }
    EXPECT_EQ(slurp(game), "stock");
    EXPECT_EQ(slurp(ini), "old");
    EXPECT_EQ(entries(dir.path() / "game"), (std::vector<std::string>{"PLANES.DAT", "eaw.ini"}));
    // Let go of, the same file is replaced as usual.
    EXPECT_FALSE(copyReplacing(source, game));
    EXPECT_EQ(slurp(game), "new");
#endif
}
