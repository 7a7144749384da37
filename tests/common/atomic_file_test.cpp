#include "common/atomic_file.h"
#include "common/text_file.h"

#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
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

} // namespace

TEST(AtomicWrite, ReplacesTheFileAndLeavesNoTemporaryBehind) {
    TempFolder dir;
    const auto target = dir.write("eaw.ini", "old contents that are longer than the new ones");
    EXPECT_FALSE(writeFileAtomically(target, std::string("new\0bytes", 9)));
    EXPECT_EQ(slurp(target), std::string("new\0bytes", 9));
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"eaw.ini"});

    EXPECT_FALSE(writeFileAtomically(dir.path() / "fresh.txt", ""));
    EXPECT_TRUE(std::filesystem::is_regular_file(dir.path() / "fresh.txt"));
    EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"eaw.ini", "fresh.txt"}));
}

TEST(AtomicWrite, NamedTemporaryOverwritesAStaleOneAndIsGoneAfterwards) {
    TempFolder dir;
    const auto target = dir.write("eaw.ini", "Width=640\r\n");
    dir.write("eaw.ink", "stale remains of a crash, much longer than the new text");
    EXPECT_FALSE(writeFileAtomically(target, "Width=800\r\n", "eaw.ink"));
    EXPECT_EQ(slurp(target), "Width=800\r\n");
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"eaw.ini"});
}

TEST(AtomicWrite, KeepsThePermissionsOfTheReplacedFile) {
#if defined(_WIN32)
    GTEST_SKIP() << "Windows files have no POSIX permission bits";
#else
    TempFolder dir;
    const auto target = dir.write("run.sh", "#!/bin/sh\n");
    ASSERT_EQ(::chmod(target.c_str(), 0750), 0);
    EXPECT_FALSE(writeFileAtomically(target, "#!/bin/sh\nexit 0\n"));
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0750u);
#endif
}

TEST(AtomicWrite, FailureLeavesTargetAsItWasAndNoTemporary) {
    TempFolder dir;
    // A folder where the file should be: the rename is refused after the temporary was written.
    const auto blocked = dir.folder("pnames.str");
    dir.write("pnames.str/inside", "kept");
    const auto refused = writeFileAtomically(blocked, "bytes", "pevini");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->path, blocked);
    EXPECT_FALSE(refused->reason.empty());
    EXPECT_EQ(slurp(blocked / "inside"), "kept");
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"pnames.str"});

    const auto unnamed = writeFileAtomically(blocked, "bytes");
    ASSERT_TRUE(unnamed);
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"pnames.str"});

    const auto noParent = writeFileAtomically(dir.path() / "Missing" / "eaw.ini", "bytes");
    ASSERT_TRUE(noParent);
    EXPECT_EQ(noParent->reason, testsupport::notFoundText(true));
}

TEST(AtomicWrite, ReadOnlyFolderIsReportedAndLeftClean) {
#if defined(_WIN32)
    GTEST_SKIP() << "a read-only attribute does not stop creating files in a Windows folder";
#else
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    TempFolder dir;
    const auto folder = dir.folder("locked");
    const auto target = dir.write("locked/eaw.ini", "old");
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    const auto problem = writeFileAtomically(target, "new");
    ::chmod(folder.c_str(), 0755);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->reason, "Permission denied");
    EXPECT_EQ(slurp(target), "old");
    EXPECT_EQ(entries(folder), std::vector<std::string>{"eaw.ini"});
#endif
}

TEST(AtomicWrite, RefusesATemporaryNameThatIsNoPlainNameOrIsTheTargetItself) {
    TempFolder dir;
    const auto target = dir.write("eaw.ini", "old");
    EXPECT_TRUE(writeFileAtomically(target, "new", "eaw.ini"));
    EXPECT_TRUE(writeFileAtomically(target, "new", "../eaw.ink"));
    EXPECT_EQ(slurp(target), "old");
}

TEST(AtomicWrite, TheLongestNameAFolderHoldsIsWrittenThroughAShorterTemporary) {
    TempFolder dir;
    std::string accented = "a"; // a cut at the 24th byte would split a character
    while (accented.size() + 2 <= 255)
        accented += "\xc3\xa9";
    for (const std::string& name : {std::string(255, 'x'), accented}) {
        const auto target = dir.path() / name;
        EXPECT_FALSE(writeFileAtomically(target, "first"));
        EXPECT_FALSE(writeFileAtomically(target, "second")) << "replacing as well as making";
        EXPECT_EQ(slurp(target), "second");
    }
    EXPECT_EQ(entries(dir.path()).size(), 2u) << "no temporary is left beside them";
}

TEST(AtomicWrite, NamesOutsideTheCodePageAreWrittenReadAndReportedWhole) {
    TempFolder dir;
    const std::filesystem::path name(u8"J\u00e4ger \u0141\u00f3d\u017a \u6e2c\u8a66.ini");
    const auto target = dir.path() / name;
    ASSERT_FALSE(writeFileAtomically(target, "bytes"));
    EXPECT_EQ(readFileBytes(target).value, "bytes");
    ASSERT_FALSE(writeFileAtomically(target, "again", "eaw.ink"));
    EXPECT_EQ(readFileBytes(target).value, "again");

    // The message names the folder in UTF-8; on Windows path::string() would have thrown here.
    const auto problem = writeFileAtomically(dir.path() / u8"\u0141\u00f3d\u017a" / name, "x");
    ASSERT_TRUE(problem);
    const auto* folder = reinterpret_cast<const char*>(u8"\u0141\u00f3d\u017a");
    EXPECT_NE(problem->text().find(folder), std::string::npos) << problem->text();
}

#if defined(_WIN32)
TEST(AtomicWrite, ATargetHeldOpenWithoutDeleteSharingKeepsItsBytesAndLeavesNoTemporary) {
    TempFolder dir;
    const auto target = dir.write("pnames.str", "old");
    // Another program (the game) holding the file this way stops the replace; the old file must stay.
    const HANDLE held = ::CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const auto problem = writeFileAtomically(target, "new");
    ::CloseHandle(held);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->action, "replacing");
    EXPECT_EQ(slurp(target), "old");
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"pnames.str"});
}
#endif

TEST(AtomicWrite, AReadOnlyFileOrOneOfTwoSpellingsOfANameIsNeverReplaced) {
    TempFolder dir;
    const auto locked = dir.write("Loadout.dat", "the player's own");
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                             std::filesystem::perms::others_read);
    const auto refused = writeFileAtomically(locked, "new");
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->text().find("read-only"), std::string::npos);
    std::filesystem::permissions(locked, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    EXPECT_EQ(slurp(locked), "the player's own");

#if !defined(_WIN32) // one folder cannot hold both spellings on Windows
    const auto lower = dir.write("eaw.ini", "lower");
    dir.write("EAW.INI", "upper");
    const auto clash = writeFileAtomically(lower, "new");
    ASSERT_TRUE(clash);
    EXPECT_NE(clash->text().find("\"EAW.INI\" and \"eaw.ini\" differ only in letter case"), std::string::npos)
        << clash->text();
    EXPECT_EQ(slurp(lower), "lower");
    EXPECT_EQ(slurp(dir.path() / "EAW.INI"), "upper");
#endif
}
