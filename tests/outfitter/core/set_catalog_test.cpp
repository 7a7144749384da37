#include "outfitter/core/set_catalog.h"

#include "temp_game_folder.h"

#include <gtest/gtest.h>

namespace outfitter {
namespace {

using testing::TempGameFolder;

std::vector<std::string> names(const SetCatalog& catalog) {
    std::vector<std::string> out;
    for (const auto& row : catalog.rows())
        out.push_back(row.name);
    return out;
}

TEST(SetCatalog, RowsFollowCategoryOrderThenFolderOrderAndSkipWhatIsNoSet) {
    TempGameFolder selector;
    for (const char* folder : {"W-Zulu", "c-Convoys", "C-Campaign", "W-alpha", "unused", "Skinfolder",
                               "AUTOSCRIPTS", "Unusedstuff", "x-NoCategory", "G-Graphics", "G-aaa"})
        selector.folder(folder);
    selector.write("W-NotAFolder.txt", "file, not a set");

    common::Problems problems;
    const auto table = CategoryTable::parse(
        {"Graphics: G", "Sets: W", "Campaigns: C", "Convoys: c", "Units: U"}, "qiv.ini", problems);
    const auto catalog = SetCatalog::scan(selector.path(), table, problems);
    EXPECT_TRUE(problems.empty());
    // "Unusedstuff" is no reserved name and "U" is a category, so it is a set.
    EXPECT_EQ(names(catalog), (std::vector<std::string>{"G-aaa", "G-Graphics", "W-alpha", "W-Zulu",
                                                        "C-Campaign", "c-Convoys", "Unusedstuff"}));
    EXPECT_EQ(catalog.rows()[0].path, (selector.path() / "G-aaa").string());
    for (const auto& row : catalog.rows())
        EXPECT_FALSE(row.loaded);
}

TEST(SetCatalog, ALetterOnTwoLinesListsItsSetsTwiceAndMarksBoth) {
    common::Problems problems;
    const auto table = CategoryTable::parse({"First: N", "Other: B", "Again: N"}, "qiv.ini", problems);
    auto catalog = SetCatalog::build("/sel", {"N-Sounds", "B-Screen"}, table);
    EXPECT_EQ(names(catalog), (std::vector<std::string>{"N-Sounds", "B-Screen", "N-Sounds"}));

    EXPECT_EQ(catalog.markLoaded("N-Sounds"), 2u);
    EXPECT_EQ(catalog.markLoaded("b-screen"), 0u); // ledger names match exactly
    EXPECT_TRUE(catalog.rows()[0].loaded);
    EXPECT_FALSE(catalog.rows()[1].loaded);
    EXPECT_TRUE(catalog.rows()[2].loaded);
}

} // namespace
} // namespace outfitter
