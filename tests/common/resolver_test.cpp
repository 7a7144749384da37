#include "common/resolver.h"

#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

using namespace common;
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
