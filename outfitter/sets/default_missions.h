#pragma once
// "Del MSN": deleting the game's default mission files ("Default*.msn" in "Savedata"), leaving every
// other mission alone.

#include "outfitter/sets/file_work.h"

#include <filesystem>

namespace outfitter {

inline constexpr const char* kDefaultMissionPattern = "Default*.msn";

// Deletes each default mission once; a file that cannot be deleted is reported and the rest still go.
FileWorkReport deleteDefaultMissions(const std::filesystem::path& gameFolder);

} // namespace outfitter
