// "pnames.str" loaded into the names table, changed by row and written back: the bytes the game
// reads, and the files a failure must leave alone.

#include "outfitter/planes/plane_names_table.h"

#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using outfitter::PlaneNamesTable;
using testsupport::TempFolder;

// Four little-endian bytes, the high two zero, written out by hand rather than by the codec.
std::string le32(unsigned value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8), '\0', '\0'};
}

std::string tableBytes(const std::vector<std::string>& names) {
    unsigned offset = 4 * static_cast<unsigned>(names.size());
    std::string offsets, text;
    for (const auto& name : names) {
        offsets += le32(offset);
        text += name + '\0';
        offset += static_cast<unsigned>(name.size()) + 1;
    }
    return le32(offset) + le32(static_cast<unsigned>(names.size())) + offsets + text;
}

TEST(PlaneNamesTable, WritesTheGameLayoutOfTwoShortNames) {
    TempFolder game;
    game.write("pnames.str", tableBytes({"x", "yy"}));
    PlaneNamesTable table;
    ASSERT_FALSE(table.LoadPnames(game.path()));
    ASSERT_TRUE(table.setName(0, "A"));
    ASSERT_TRUE(table.setName(1, "BC"));
    ASSERT_FALSE(table.SavePnames(game.path()));
    const std::string expected{"\x0d\0\0\0\x02\0\0\0\x08\0\0\0\x0a\0\0\0A\0BC\0", 21};
    EXPECT_EQ(game.read("pnames.str"), expected);
}

TEST(PlaneNamesTable, UnchangedTableAndEmptyNamesSurviveARoundTrip) {
    TempFolder game;
    const auto original = tableBytes({"P-38H Lightning", "", "Bf 109E-4", "\xe9lan"});
    game.write("PNAMES.STR", original); // any letter case is the same file
    PlaneNamesTable table;
    ASSERT_FALSE(table.LoadPnames(game.path()));
    EXPECT_EQ(table.rows(), (std::vector<std::string>{"P-38H Lightning", "", "Bf 109E-4", "\xe9lan"}));
    ASSERT_FALSE(table.SavePnames(game.path()));
    EXPECT_EQ(game.read("PNAMES.STR"), original);
    EXPECT_FALSE(testsupport::hasEntrySpelled(game.path(), "pnames.str"));
}

TEST(PlaneNamesTable, RenamingOneSlotMovesOnlyTheNamesAfterIt) {
    TempFolder game;
    std::vector<std::string> names;
    for (int i = 0; i < 30; ++i)
        names.push_back("Plane " + std::to_string(i));
    game.write("pnames.str", tableBytes(names));
    PlaneNamesTable table;
    ASSERT_FALSE(table.LoadPnames(game.path()));
    ASSERT_TRUE(table.setName(3, "A much longer name for slot three"));
    ASSERT_FALSE(table.SavePnames(game.path()));
    names[3] = "A much longer name for slot three";
    const auto written = game.read("pnames.str");
    EXPECT_EQ(written, tableBytes(names));
    // Offsets of names 0 to 3 are unchanged; the text of names 0 to 2 too.
    EXPECT_EQ(written.substr(8, 16), tableBytes(names).substr(8, 16));
    EXPECT_FALSE(table.setName(30, "no such slot"));
}

TEST(PlaneNamesTable, FailuresLeaveTheFileAsItWas) {
    TempFolder game;
    PlaneNamesTable table;
    // Missing: reported, and a save does not invent a table.
    EXPECT_TRUE(table.LoadPnames(game.path()));
    EXPECT_TRUE(table.SavePnames(game.path()));
    EXPECT_FALSE(std::filesystem::exists(game.path() / "pnames.str"));

    // An offset pointing outside the file.
    std::string corrupt = tableBytes({"one", "two"});
    corrupt[12] = '\x7f';
    game.write("pnames.str", corrupt);
    const auto problem = table.LoadPnames(game.path());
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->text().find("pnames.str"), std::string::npos);
    EXPECT_TRUE(table.rows().empty());
    EXPECT_TRUE(table.SavePnames(game.path()));
    EXPECT_EQ(game.read("pnames.str"), corrupt);

    // Past the two-byte limits.
    const auto good = tableBytes({"one", "two"});
    game.write("pnames.str", good);
    ASSERT_FALSE(table.LoadPnames(game.path()));
    ASSERT_TRUE(table.setName(1, std::string(70000, 'x')));
    EXPECT_TRUE(table.SavePnames(game.path()));
    EXPECT_EQ(game.read("pnames.str"), good);
}

} // namespace
