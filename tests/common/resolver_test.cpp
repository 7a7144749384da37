#include "common/resolver.h"

#include "common/folder_index.h"
#include "common/folder_listing.h"
#include "common/game_file_ops.h"
#include "common/names.h"

#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

using namespace common;
using testsupport::slurp;
using testsupport::TempFolder;

TEST(Resolver, FindsEntriesWhateverTheirLetterCase) {
    TempFolder dir;
    dir.write("Savedata/SingMiss.mpf", "m");
    const auto found = resolve(dir.path(), "\\SAVEDATA\\singmiss.MPF");
    ASSERT_TRUE(found.ok()) << found.problem->text();
    EXPECT_TRUE(found.value.exists);
    EXPECT_EQ(found.value.path, dir.path() / "Savedata" / "SingMiss.mpf");

    const auto slashes = resolve(dir.path(), "/savedata//SINGMISS.mpf");
    ASSERT_TRUE(slashes.ok());
    EXPECT_EQ(slashes.value.path, dir.path() / "Savedata" / "SingMiss.mpf");
}

TEST(Resolver, ExactSpellingWinsOverOtherCaseVariants) {
#if defined(_WIN32)
    GTEST_SKIP() << "names that differ only in letter case cannot both exist on Windows";
#endif
    TempFolder dir;
    dir.write("Music/a.bgm", "");
    dir.write("MUSIC/b.bgm", "");
    const auto found = resolve(dir.path(), "MUSIC\\b.bgm");
    ASSERT_TRUE(found.ok());
    EXPECT_TRUE(found.value.exists);
    EXPECT_EQ(found.value.path, dir.path() / "MUSIC" / "b.bgm");
}

TEST(Resolver, CaseOnlyTwinsWithoutAnExactMatchAreAProblemNotAGuess) {
#if defined(_WIN32)
    GTEST_SKIP() << "names that differ only in letter case cannot both exist on Windows";
#endif
    TempFolder dir;
    dir.write("Music/a.bgm", "");
    dir.write("MUSIC/b.bgm", "");
    const auto found = resolve(dir.path(), "music\\a.bgm");
    ASSERT_FALSE(found.ok());
    EXPECT_FALSE(found.value.exists);
    EXPECT_NE(found.problem->reason.find("differ only in letter case"), std::string::npos);
    EXPECT_NE(found.problem->text().find("\"MUSIC\""), std::string::npos);
}

TEST(Resolver, NewPartsKeepTheCallersSpellingBelowTheExistingOnes) {
    TempFolder dir;
    dir.folder("QIV128");
    const auto found = resolve(dir.path(), "qiv128\\Autoscripts\\My.set");
    ASSERT_TRUE(found.ok());
    EXPECT_FALSE(found.value.exists);
    EXPECT_EQ(found.value.path, dir.path() / "QIV128" / "Autoscripts" / "My.set");

    const auto none = resolve(dir.path() / "NoGame", "eaw.ini");
    ASSERT_TRUE(none.ok());
    EXPECT_FALSE(none.value.exists);
    EXPECT_EQ(none.value.path, dir.path() / "NoGame" / "eaw.ini");
}

TEST(Resolver, AFileInTheMiddleMeansTheRestDoesNotExist) {
    TempFolder dir;
    dir.write("eaw.ini", "");
    const auto found = resolve(dir.path(), "EAW.INI\\inside");
    ASSERT_TRUE(found.ok());
    EXPECT_FALSE(found.value.exists);
    EXPECT_EQ(found.value.path, dir.path() / "eaw.ini" / "inside");
}

TEST(Resolver, RefusesNamesThatLeaveTheBase) {
    TempFolder dir;
    dir.folder("Savedata");
    for (const char* name :
         {"..\\eaw.ini", "Savedata\\..\\..\\x", ".\\eaw.ini", "C:\\eaw.ini", "\\\\server\\share"}) {
        const auto found = resolve(dir.path(), name);
        EXPECT_FALSE(found.ok()) << name;
        EXPECT_FALSE(found.value.exists) << name;
    }
}

// Listed names are kept as text and joined back onto folders by the resolver and the copy. On Windows
// that text is UTF-8, and it must lead back to the same file, not to one spelt in the ANSI code page.
TEST(Resolver, NamesBeyondAsciiLeadBackToTheFilesTheyWereListedFrom) {
    namespace fs = std::filesystem;
    TempFolder dir;
    const fs::path folderPath(u8"Spiele J\u00f6rg");
    const fs::path filePath(u8"W-D\u00fcppel \u65e5\u672c.txt");
    dir.write(folderPath / filePath, "bytes");
    const std::string file = pathText(filePath);

    const auto listed = listFiles(dir.path() / folderPath, "*.txt");
    ASSERT_TRUE(listed.ok()) << listed.problem->text();
    EXPECT_EQ(listed.value, std::vector<std::string>{file});
    const auto folders = listFolders(dir.path());
    ASSERT_TRUE(folders.ok());
    EXPECT_EQ(folders.value, std::vector<std::string>{pathText(folderPath)});
    const auto index = FolderIndex::scan(dir.path() / folderPath);
    ASSERT_TRUE(index.ok());
    ASSERT_EQ(index.value.entries().size(), 1u);
    EXPECT_EQ(index.value.entries()[0].name, file);

    const auto found = resolve(dir.path(), toUpperAscii(folders.value[0]) + "\\" + toLowerAscii(file));
    ASSERT_TRUE(found.ok()) << found.problem->text();
    EXPECT_TRUE(found.value.exists);
    EXPECT_EQ(found.value.path, dir.path() / folderPath / filePath);

    const auto copy = resolve(dir.path(), folders.value[0] + "\\Kopie " + file);
    ASSERT_TRUE(copy.ok());
    EXPECT_FALSE(copy.value.exists);
    ASSERT_FALSE(copyReplacing(found.value.path, copy.value.path));
    EXPECT_EQ(slurp(dir.path() / folderPath / fs::path(u8"Kopie W-D\u00fcppel \u65e5\u672c.txt")), "bytes");
    EXPECT_EQ(listFiles(dir.path() / folderPath, "*.*").value.size(), 2u) << "no partial copy is left";
}
