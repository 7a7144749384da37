#include "common/folder_listing.h"

#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

using namespace common;
using testsupport::TempFolder;
using Names = std::vector<std::string>;

namespace {

void fillSetFolder(const TempFolder& dir) {
    for (const char* name : {"b.JPG", "A.bmp", "mypic", "contents.txt", "readme", "Z.Bmp", "pic.bmp.old"})
        dir.write(name, "x");
    dir.folder("Sub.bmp");
}

} // namespace

TEST(FolderListing, PatternListMatchesWithoutRegardToCaseInFileListOrder) {
    TempFolder dir;
    fillSetFolder(dir);
    const auto pictures = listFiles(dir.path(), "*.bmp;*.jpg;mypic");
    ASSERT_TRUE(pictures.ok());
    EXPECT_EQ(pictures.value, (Names{"A.bmp", "b.JPG", "mypic", "Z.Bmp"}));
    EXPECT_EQ(listFiles(dir.path(), " *.TXT ; ").value, Names{"contents.txt"});
}

TEST(FolderListing, StarDotStarListsEveryPlainFileIncludingThoseWithoutADot) {
    TempFolder dir;
    fillSetFolder(dir);
    const Names all{"A.bmp", "b.JPG", "contents.txt", "mypic", "pic.bmp.old", "readme", "Z.Bmp"};
    EXPECT_EQ(listFiles(dir.path(), "*.*").value, all);
    EXPECT_EQ(listFiles(dir.path(), "").value, all);
}

TEST(FolderListing, LinksCountAsWhatTheyPointTo) {
#if defined(_WIN32)
    GTEST_SKIP() << "making symbolic links needs administrator rights on Windows";
#endif
    TempFolder dir;
    const auto real = dir.write("real.exe", "x");
    const auto sub = dir.folder("Real");
    std::filesystem::create_symlink(real, dir.path() / "link.exe");
    std::filesystem::create_symlink(sub, dir.path() / "LinkedFolder");
    std::filesystem::create_symlink(dir.path() / "gone.exe", dir.path() / "dangling.exe");
    EXPECT_EQ(listFiles(dir.path(), "*.exe").value, (Names{"link.exe", "real.exe"}));
    EXPECT_EQ(listFolders(dir.path()).value, (Names{"LinkedFolder", "Real"}));
}

TEST(FolderListing, FoldersAreListedApartFromFilesAndSortedAlike) {
    TempFolder dir;
    for (const char* name : {"W-Battle", "c Campaign", "C-Campaign", "UNUSED", "Autoscripts"})
        dir.folder(name);
    dir.write("qiv.ini", "");
    EXPECT_EQ(listFolders(dir.path()).value,
              (Names{"Autoscripts", "c Campaign", "C-Campaign", "UNUSED", "W-Battle"}));
    EXPECT_EQ(listFiles(dir.path(), "*").value, Names{"qiv.ini"});
}

TEST(FolderListing, MissingFolderIsAProblemWithNoNames) {
    TempFolder dir;
    const auto files = listFiles(dir.path() / "Skinfolder", "*.*");
    ASSERT_FALSE(files.ok());
    EXPECT_TRUE(files.value.empty());
    EXPECT_EQ(files.problem->path, dir.path() / "Skinfolder");
    EXPECT_FALSE(listFolders(dir.write("file", "")).ok());
}
