#include "common/names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace common;

TEST(Names, CaseFoldingTouchesOnlyAsciiLetters) {
    EXPECT_EQ(toUpperAscii("Savedata\\x1_\xe9"), "SAVEDATA\\X1_\xe9");
    EXPECT_EQ(toLowerAscii("EAW.INI"), "eaw.ini");
    EXPECT_TRUE(equalsIgnoreCase("Planes.DAT", "planes.dat"));
    EXPECT_FALSE(equalsIgnoreCase("planes.dat", "planes.da"));
    EXPECT_FALSE(equalsIgnoreCase("\xc9", "\xe9"));
}

TEST(Wildcards, MatchWithoutRegardToCase) {
    EXPECT_TRUE(wildcardMatch("*.exe", "EAW.EXE"));
    EXPECT_TRUE(wildcardMatch("p*.3dz", "P51D.3DZ"));
    EXPECT_TRUE(wildcardMatch("mypic", "MyPic"));
    EXPECT_FALSE(wildcardMatch("mypic", "mypic.bmp"));
    EXPECT_TRUE(wildcardMatch("f?.lox", "f1.lox"));
    EXPECT_FALSE(wildcardMatch("f?.lox", "f.lox"));
    EXPECT_FALSE(wildcardMatch("*.exe", "eaw.exe.bak"));
    EXPECT_TRUE(wildcardMatch("*a*b*c", "xxaxxbxxbxc"));
    EXPECT_FALSE(wildcardMatch("*a*b*c", std::string(5000, 'a') + "b"));
}

TEST(Wildcards, StarDotStarMatchesNamesWithAndWithoutADot) {
    EXPECT_TRUE(wildcardMatch("*.*", "eaw.ini"));
    EXPECT_TRUE(wildcardMatch("*.*", "mypic"));
    EXPECT_TRUE(wildcardMatch("readme.*", "README"));
    EXPECT_TRUE(wildcardMatch("readme.*", "readme.txt"));
    EXPECT_FALSE(wildcardMatch("readme.*", "readme2"));
    EXPECT_TRUE(wildcardMatch("*", "anything.at.all"));
}

TEST(FileListOrder, SortsWithoutRegardToCaseAndStaysTotal) {
    std::vector<std::string> names{"b.txt", "A.txt", "a.txt", "C-Campaign", "c Campaign", "_x", "10", "9"};
    std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return fileListLess(a, b); });
    const std::vector<std::string> expected{"10",    "9",     "_x",         "A.txt",
                                            "a.txt", "b.txt", "c Campaign", "C-Campaign"};
    EXPECT_EQ(names, expected);
    EXPECT_FALSE(fileListLess("same", "same"));
    EXPECT_TRUE(fileListLess("A", "a") != fileListLess("a", "A"));
}

