#pragma once
// The three folders of the game that a set's files go to.

namespace outfitter {

enum class GameSubfolder { Top, Savedata, Music };

inline constexpr const char* kSavedataFolderName = "Savedata";
inline constexpr const char* kMusicFolderName = "Music";

} // namespace outfitter
