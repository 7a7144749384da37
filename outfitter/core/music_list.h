#pragma once
// "Music.ini": the names of the music folders of the game folder; the one without a folder of its own
// is the music now installed as "Music".

#include "common/problem.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace outfitter {

inline constexpr const char* kMusicListFileName = "Music.ini";
inline constexpr std::size_t kMusicNameCount = 11;

struct MusicList {
    std::array<std::string, kMusicNameCount> names; // lines 0 to 10 of the file
    std::vector<std::string> available;             // names whose folder exists, in file order
    std::string current;                            // the last name without a folder ("" if none)

    // A missing file gives an empty list without a problem. Lines after the 11th are not used and
    // are reported; an empty line names no folder and is neither offered nor taken as current.
    static MusicList read(const std::filesystem::path& gameFolder, common::Problems& problems);
};

} // namespace outfitter
