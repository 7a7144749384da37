#include "common/write_check.h"

#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <system_error>
#if !defined(_WIN32)
#include <unistd.h>
#endif

using namespace common;
using testsupport::TempFolder;
namespace fs = std::filesystem;

TEST(WriteCheck, APlainWritableFileOrANewOneInAWritableFolderMayBeReplaced) {
    TempFolder dir;
    EXPECT_FALSE(replaceRefusal(dir.write("eaw.ini", "x"), "writing"));
    EXPECT_FALSE(replaceRefusal(dir.path() / "new.txt", "writing"));
    EXPECT_FALSE(isReadOnlyFile(dir.path() / "new.txt"));
}

TEST(WriteCheck, AReadOnlyFileIsRefusedWhoeverRunsTheCheck) {
    TempFolder dir;
    const auto file = dir.write("eaw.ini", "x");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(isReadOnlyFile(file));
    const auto refused = replaceRefusal(file, "writing");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->path, file);
    EXPECT_EQ(refused->text(), "writing " + file.string() + ": the file is read-only, so it was not replaced");
}

TEST(WriteCheck, AMissingFolderAFileInItsPlaceOrAFolderInTheFilesPlaceIsRefused) {
    TempFolder dir;
    auto refused = replaceRefusal(dir.path() / "Savedata" / "SingMiss.mpf", "writing");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->path, dir.path() / "Savedata");
    EXPECT_EQ(refused->reason, "the folder does not exist");

    dir.write("Savedata", "a file, not a folder");
    refused = replaceRefusal(dir.path() / "Savedata" / "SingMiss.mpf", "writing");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->reason, "it is not a folder");

    dir.folder("PEV/pevset.txt");
    refused = replaceRefusal(dir.path() / "PEV" / "pevset.txt", "writing");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->reason, "it is not a plain file");
}

TEST(WriteCheck, AFolderWithoutWritePermissionIsRefusedWithTheSystemsReason) {
#if defined(_WIN32)
    GTEST_SKIP() << "Windows keeps no write permission on a folder, so there is nothing to refuse";
#else
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write into any folder, so there is nothing to refuse";
#endif
    TempFolder dir;
    const auto folder = dir.folder("Savedata");
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    const auto refused = replaceRefusal(folder / "SingMiss.mpf", "writing");
    fs::permissions(folder, fs::perms::owner_all);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->path, folder);
    EXPECT_EQ(refused->reason, std::generic_category().message(EACCES));
}
