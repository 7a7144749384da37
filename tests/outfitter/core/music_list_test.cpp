#include "outfitter/core/music_list.h"

#include "temp_game_folder.h"

#include <gtest/gtest.h>

namespace outfitter {
namespace {

using testing::TempGameFolder;

TEST(MusicList, NamesWithAFolderAreOfferedAndTheOneWithoutIsCurrent) {
    TempGameFolder game;
    game.folder("Music");
    game.folder("ORCHESTRA");
    game.folder("Jazz");
    game.write("music.ini", "Orchestra\r\nStock\r\n\r\nJazz\r\n");
    common::Problems problems;
    const auto music = MusicList::read(game.path(), problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(music.available, (std::vector<std::string>{"Orchestra", "Jazz"}));
    EXPECT_EQ(music.current, "Stock");
    EXPECT_EQ(music.names[1], "Stock");
    EXPECT_EQ(music.names[2], "");
}

TEST(MusicList, OnlyElevenLinesAreHeldAndTheRestReported) {
    TempGameFolder game;
    std::string text;
    for (int i = 0; i < 14; ++i) {
        game.folder("m" + std::to_string(i));
        text += "m" + std::to_string(i) + "\r\n";
    }
    game.write("Music.ini", text);
    common::Problems problems;
    const auto music = MusicList::read(game.path(), problems);
    EXPECT_EQ(music.available.size(), 11u);
    EXPECT_EQ(music.names[10], "m10");
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].reason.find("3 more"), std::string::npos);
}

} // namespace
} // namespace outfitter
