#pragma once
// What a skin's folder says about it: the aircraft it dresses, and whether a new name can be given
// to it. A skin folder is named by the player and shown in the grid, so a name must be one that a
// folder on any system the game runs on can hold, and must not be mistaken for another skin's.

#include "common/problem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace outfitter {

// Characters 2 to 5 of the first "p*.3dz" in file-list order, upper-cased; empty when there is none.
std::string aircraftCode(const std::filesystem::path& skinFolder, common::Problems& problems);

enum class SkinNameVerdict {
    Usable,
    InUse,             // exactly the name of a skin (its own included), or of an entry in the store
    DiffersOnlyInCase, // the game's file system would take it for an existing name
    Empty,
    NotAFolderName, // separators, "." or "..", reserved device names, a trailing dot or blank, ...
};

struct SkinNameCheck {
    SkinNameVerdict verdict = SkinNameVerdict::Usable;
    std::string clash;  // the existing name it collides with (InUse, DiffersOnlyInCase)
    std::string reason; // why a folder cannot hold it (NotAFolderName)
};

// `taken` holds the skins' names and every entry of the skin store.
SkinNameCheck checkSkinName(std::string_view name, const std::vector<std::string>& taken);

} // namespace outfitter
