#pragma once
// Where each file of a set goes when it is loaded, which files stay behind, and where unloading looks
// for it again. All tests are on the file name without regard to case.

#include "outfitter/core/game_subfolder.h"

#include <filesystem>
#include <string_view>

namespace outfitter {

// ".msn" and ".sve" go to "Savedata", ".bgm" to "Music", anything else to the game folder itself.
GameSubfolder loadDestination(std::string_view fileName);

// Names beginning "eca", loaders (".ldr"), the set's own picture and description ("mypic",
// "contents.txt") and pictures (".jpg", ".pcx", ".gif") are never copied.
bool skippedWhenLoading(std::string_view fileName);

// Unloading looks for ".msn" in "Savedata", ".bgm" in "Music" and everything else, saved careers
// (".sve") included, in the game folder itself.
GameSubfolder unloadLookup(std::string_view fileName);

// A campaign set's folder name begins "C " or "C-" (capital C only: "c-" folders are convoy files).
// Its saved careers travel back into it when it is unloaded.
bool isCampaignSetFolder(const std::filesystem::path& setFolder);

} // namespace outfitter
