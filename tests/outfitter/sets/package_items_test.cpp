#include "outfitter/sets/package_items.h"
#include "outfitter/sets/package_picture.h"

#include "game_fixture.h"

#include <gtest/gtest.h>

using namespace outfitter;

namespace {

using Items = std::vector<std::string>;

TEST(PackageItems, FieldsSplitAtCommasAndLinesWithQuotesRemovedAndPathsCut) {
    const auto package = parsePackage("W-Desert Air War, G-Cloud Textures\r\n"
                                      "\"C:\\Games\\EAW\\QIV128\\T-Winter Terrain\"\r\n"
                                      "  \"N-Merlin, Engine Sounds\"  ,S-Dunkirk 1940\n"
                                      "\r\n"
                                      "D:\\sets\\Q-Channel Strike Missions\r\n"
                                      "\"unclosed quote, kept whole");
    EXPECT_EQ(package.items,
              (Items{"W-Desert Air War", "G-Cloud Textures", "T-Winter Terrain", "N-Merlin, Engine Sounds",
                     "S-Dunkirk 1940", "Q-Channel Strike Missions", "unclosed quote, kept whole"}));
    EXPECT_TRUE(package.description.empty());
    EXPECT_EQ(package.descriptionItems, 0u);
}

TEST(PackageItems, TheItemsBeforeTheMarkerDescribeThePackageAndAllAreStillItems) {
    const auto package = parsePackage("Summer over the Channel\r\nwith Spitfires\r\n******\r\nW-Summer\r\n"
                                      "*****\r\nG-Clouds\r\n");
    EXPECT_EQ(package.description, (Items{"Summer over the Channel", "with Spitfires"}));
    EXPECT_EQ(package.descriptionItems, 3u);
    EXPECT_EQ(package.items, (Items{"Summer over the Channel", "with Spitfires", "******", "W-Summer",
                                    "*****", "G-Clouds"}));
}

TEST(PackageItems, AnItemMatchesWithItsFirstCharacterExactAndTheRestInAnyCase) {
    EXPECT_TRUE(packageItemMatches("W-desert AIR war", "W-Desert Air War"));
    EXPECT_FALSE(packageItemMatches("w-Desert Air War", "W-Desert Air War"));
    EXPECT_FALSE(packageItemMatches("W-Desert Air", "W-Desert Air War"));
    EXPECT_FALSE(packageItemMatches("", ""));
    EXPECT_TRUE(packageItemMatches("s", "s"));
}

class PackagePicture : public test_support::GameFixture {};

TEST_F(PackagePicture, TheFirstPicturedCategoryItemWithAPictureGivesThePackagePicture) {
    set("G-Clouds", {"cloud.jpg"}); // not a pictured category
    set("W-Summer", {"sky.tpc"});   // no picture
    set("w-Lower", {"lower.jpg"});  // the letter is compared exactly
    set("Q Strikes", {"strike.bmp", "a.msn"});
    set("B-Screen", {"screen.jpg"});
    common::Problems problems;
    const auto picture = findPackagePicture(
        selector_, {"G-Clouds", "W-Missing", "W-SUMMER", "w-Lower", "Q strikes", "B-Screen"}, problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(picture, selector_ / "Q Strikes" / "strike.bmp");
    EXPECT_FALSE(findPackagePicture(selector_, {"G-Clouds", "T-Terrain"}, problems));
}

TEST_F(PackagePicture, AnItemShowsItsPictureAndDescriptionAndOneNamingNoFolderIsReported) {
    set("W-Summer", {"sky.tpc", "view.jpg"});
    write(selector_ / "W-Summer" / "Contents.txt", "Long days\r\nClear skies\r\n");
    const auto shown = describePackageItem(selector_, "w-summer");
    EXPECT_EQ(shown.lines, (Items{"Long days", "Clear skies"}));
    EXPECT_EQ(shown.picture, selector_ / "W-Summer" / "view.jpg");
    EXPECT_TRUE(shown.problems.empty());

    for (const char* item : {"W-Gone", "..", "W-Summer/..", ""}) {
        const auto missing = describePackageItem(selector_, item);
        EXPECT_TRUE(missing.lines.empty()) << item;
        EXPECT_FALSE(missing.picture) << item;
        ASSERT_EQ(missing.problems.size(), 1u) << item;
        EXPECT_NE(missing.problems[0].text().find("no set folder"), std::string::npos);
    }
}

} // namespace
