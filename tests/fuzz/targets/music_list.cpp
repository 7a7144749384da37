// "Music.ini" in a game folder with a few music folders of its own.
#include "fuzz_input.h"

#include "outfitter/core/music_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto& scratch = fuzzing::Scratch::instance();
    const auto game = scratch.folder() / "game";
    static const bool folders = [&] {
        for (const char* name : {"Music", "Music1", "Jazz", "Swing"})
            std::filesystem::create_directories(game / name);
        return true;
    }();
    (void)folders;
    scratch.write("game/Music.ini", fuzzing::asBytes(data, size));
    common::Problems problems;
    const auto list = outfitter::MusicList::read(game, problems);
    if (list.available.size() > outfitter::kMusicNameCount)
        fuzzing::broken("more music folders offered than names read");
    return 0;
}
