#pragma once
// Whatever puts files into the game folder and takes them out again (a set, a skin, a plane set), as
// the originals store sees it: a name and the files it puts where. One rule keeps and restores the
// player's files for all of them, so a skin over a set's file is undone exactly as a set over a set.

#include "outfitter/core/game_subfolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace outfitter {

struct OwnedFile {
    std::string name; // as the owner spells it
    GameSubfolder place = GameSubfolder::Top;
    // The owner's own copy; empty for a file the owner patches in place ("planes.dat" of an aircraft),
    // which has no copy to put back or to compare with.
    std::filesystem::path source;
};

struct FileOwner {
    std::string name; // as the ledger records it
    std::vector<OwnedFile> files;
};

} // namespace outfitter
