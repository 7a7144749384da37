// The three picture menus read, renamed and written back: every byte but the names kept, entries
// moving when a name grows or shrinks, and refused writes leaving the file alone.

#include "outfitter/planes/picture_menu.h"

#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using outfitter::PictureMenu;
using testsupport::TempFolder;

std::string header() {
    std::string bytes;
    for (int i = 0; i < 35; ++i)
        bytes += static_cast<char>(200 + i % 50);
    return bytes;
}

std::string trailing(int entry) {
    std::string bytes;
    for (int i = 0; i < 15; ++i)
        bytes += static_cast<char>(entry * 16 + i);
    return bytes;
}

std::string entry(const std::string& name, int index) {
    return std::string{static_cast<char>(name.size() + 1), '\0', '\0', '\0'} + name + '\0' + trailing(index);
}

std::vector<std::string> names(int count) {
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i)
        out.push_back("Plane" + std::to_string(i));
    return out;
}

std::string menuBytes(const std::vector<std::string>& entryNames) {
    std::string bytes = header();
    for (std::size_t i = 0; i < entryNames.size(); ++i)
        bytes += entry(entryNames[i], static_cast<int>(i));
    return bytes;
}

TEST(PictureMenu, UnchangedMenusAreWrittenBackWithoutTheBytesAfterTheLastEntry) {
    TempFolder game;
    const std::vector<int> counts = {9, 9, 11};
    for (int button = 0; button < 3; ++button) {
        const auto body = menuBytes(names(counts[static_cast<std::size_t>(button)]));
        game.write(outfitter::kMenuFiles[static_cast<std::size_t>(button)], body + "LEFTOVER");
        PictureMenu menu;
        menu.selectCountry(button);
        ASSERT_FALSE(menu.Pmensee(game.path()));
        ASSERT_EQ(menu.menu().entries.size(),
                  static_cast<std::size_t>(counts[static_cast<std::size_t>(button)]));
        EXPECT_EQ(menu.menu().entries.back().name,
                  "Plane" + std::to_string(counts[static_cast<std::size_t>(button)] - 1));
        ASSERT_FALSE(menu.pmenwrite(game.path()));
        EXPECT_EQ(game.read(outfitter::kMenuFiles[static_cast<std::size_t>(button)]), body);
    }
}

TEST(PictureMenu, ALongerOrShorterNameMovesEveryLaterEntry) {
    TempFolder game;
    auto entryNames = names(9);
    entryNames[0] = "Typhn"; // L = 6
    game.write("PicPlnB.mnu", menuBytes(entryNames));
    PictureMenu menu;
    ASSERT_FALSE(menu.Pmensee(game.path()));
    ASSERT_TRUE(menu.setName(0, "Typhoon Mk Ib")); // L = 14
    ASSERT_FALSE(menu.pmenwrite(game.path()));
    const auto written = game.read("PicPlnB.mnu");
    EXPECT_EQ(written.substr(35, 4), std::string("\x0e\0\0\0", 4));
    entryNames[0] = "Typhoon Mk Ib";
    EXPECT_EQ(written, menuBytes(entryNames));
    EXPECT_EQ(written.size(), menuBytes(names(9)).size() - 7 + 14); // "Plane0" had L = 7

    ASSERT_FALSE(menu.Pmensee(game.path()));
    ASSERT_TRUE(menu.setName(8, "B"));
    ASSERT_FALSE(menu.pmenwrite(game.path()));
    entryNames[8] = "B";
    EXPECT_EQ(game.read("PicPlnB.mnu"), menuBytes(entryNames));
    EXPECT_EQ(menu.position(8).substr(0, 7), " 128 12");
}

TEST(PictureMenu, ZeroBytesInsideANameFieldAreDroppedAndItsLengthShrinks) {
    TempFolder game;
    auto bytes = header();
    bytes += std::string{'\x08', '\0', '\0', '\0'} + std::string("Ab\0junk\0", 8) + trailing(0);
    for (int i = 1; i < 9; ++i)
        bytes += entry("N" + std::to_string(i), i);
    game.write("picplnb.mnu", bytes);
    PictureMenu menu;
    ASSERT_FALSE(menu.Pmensee(game.path()));
    EXPECT_EQ(menu.menu().entries[0].name, "Ab");
    ASSERT_FALSE(menu.pmenwrite(game.path()));
    auto expected = header() + entry("Ab", 0);
    for (int i = 1; i < 9; ++i)
        expected += entry("N" + std::to_string(i), i);
    EXPECT_EQ(game.read("picplnb.mnu"), expected);
}

TEST(PictureMenu, MissingShortOrUnwritableMenusAreReportedAndLeftAlone) {
    TempFolder game;
    PictureMenu menu;
    menu.selectCountry(2);
    EXPECT_TRUE(menu.Pmensee(game.path()));
    EXPECT_TRUE(menu.pmenwrite(game.path())); // nothing read: must not write an empty menu
    EXPECT_FALSE(std::filesystem::exists(game.path() / "picplng.mnu"));

    // Ten entries where the file needs eleven; and an entry whose name runs past the end.
    const auto shortMenu = menuBytes(names(10));
    game.write("picplng.mnu", shortMenu);
    const auto problem = menu.Pmensee(game.path());
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->text().find("entry 10"), std::string::npos);
    EXPECT_TRUE(menu.pmenwrite(game.path()));
    EXPECT_EQ(game.read("picplng.mnu"), shortMenu);

    const auto good = menuBytes(names(11));
    game.write("picplng.mnu", good);
    ASSERT_FALSE(menu.Pmensee(game.path()));
    ASSERT_TRUE(menu.setName(3, std::string(255, 'w')));
    EXPECT_TRUE(menu.pmenwrite(game.path()));
    EXPECT_EQ(game.read("picplng.mnu"), good);
    ASSERT_TRUE(menu.setName(3, std::string(254, 'w')));
    EXPECT_FALSE(menu.pmenwrite(game.path()));

    // The model holds the "picplng.mnu" just read; writing it as another country's menu is refused.
    game.write("picplna.mnu", menuBytes(names(9)));
    ASSERT_FALSE(menu.Pmensee(game.path()));
    menu.selectCountry(1);
    EXPECT_TRUE(menu.pmenwrite(game.path()));
    EXPECT_EQ(game.read("picplna.mnu"), menuBytes(names(9)));
}

} // namespace
