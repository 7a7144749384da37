#pragma once
// Switching the game's music: the active music folder gets its own name back and the chosen one
// becomes "Music". "Music.ini" is only read, never written: the folder names alone remember the choice.

#include "outfitter/core/music_list.h"

#include "common/problem.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace outfitter {

inline constexpr const char* kActiveMusicFolderName = "Music";

struct MusicSwitch {
    MusicList music;           // "Music.ini" read again afterwards, whatever happened
    common::Problems problems; // why nothing was switched; the folders are then as they were
    bool switched = false;
};

// `current` is the active music's own name (the name in "Music.ini" without a folder). Refuses,
// changing nothing, when it is unknown, when the chosen folder is gone, when there is no "Music"
// folder or a folder already bears the active music's name; a failed second rename undoes the first.
// `rename` renames one folder (the system's rename unless a caller stands in for it).
using FolderRename =
    std::function<std::optional<common::Problem>(const std::filesystem::path&, const std::filesystem::path&)>;
MusicSwitch switchMusic(const std::filesystem::path& gameFolder, std::string_view chosen,
                        std::string_view current, const FolderRename& rename = {});

} // namespace outfitter
