#include "common/text_file.h"

#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace common;
using testsupport::TempFolder;

TEST(TextLines, SplitOnCrLfOrLfAlike) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(splitLines("a\r\nb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines("\n"), Lines{""});
    EXPECT_EQ(splitLines("x\ry\r\n"), Lines{"x\ry"});
    EXPECT_EQ(splitLines("end\r"), Lines{"end\r"});
    EXPECT_EQ(splitLines(std::string("nul\0byte\n", 9)), Lines{std::string("nul\0byte", 8)});
}

TEST(TextLines, AreWrittenWholeWithCrLf) {
    EXPECT_EQ(joinLinesCrLf({"[Main]", "", "Width=640"}), "[Main]\r\n\r\nWidth=640\r\n");
    EXPECT_EQ(joinLinesCrLf({}), "");
    std::ostringstream out;
    writeLinesCrLf(out, {"1", "2"});
    EXPECT_EQ(out.str(), "1\r\n2\r\n");
}

TEST(TextFiles, RoundTripThroughTheDiskKeepsEveryByte) {
    TempFolder dir;
    std::string high;
    for (int c = 1; c < 256; ++c)
        if (c != '\n' && c != '\r')
            high += static_cast<char>(c);
    const auto file = dir.path() / "eaw.ini";
    ASSERT_FALSE(writeLinesAtomically(file, {"first", high, ""}));
    EXPECT_EQ(testsupport::slurp(file), "first\r\n" + high + "\r\n\r\n");
    const auto lines = readLines(file);
    ASSERT_TRUE(lines.ok());
    EXPECT_EQ(lines.value, (std::vector<std::string>{"first", high, ""}));
}

TEST(TextFiles, MissingOrUnreadableFileIsAProblemNotAnEmptySuccess) {
    TempFolder dir;
    const auto missing = readLines(dir.path() / "qiv.ini");
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.value.empty());
    EXPECT_EQ(missing.problem->path, dir.path() / "qiv.ini");
    EXPECT_EQ(missing.problem->text(),
              "reading " + (dir.path() / "qiv.ini").string() + ": " + testsupport::notFoundText());

    const auto folder = readFileBytes(dir.path());
    EXPECT_FALSE(folder.ok());
    EXPECT_TRUE(folder.value.empty());
}
