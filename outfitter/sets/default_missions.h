#pragma once
// "Del MSN": deleting the game's default mission files ("Default*.msn" in "Savedata"), leaving every
// other mission alone.

#include "outfitter/core/file_work.h"

#include <filesystem>
#include <vector>

namespace outfitter {

inline constexpr const char* kDefaultMissionPattern = "Default*.msn";

// The default missions of "Savedata" as they are now; the player is asked about exactly these.
std::vector<std::filesystem::path> listDefaultMissions(const std::filesystem::path& gameFolder,
                                                       common::Problems& problems);
// Deletes each of `missions` once; a file that cannot be deleted is reported and the rest still go.
// One that has gone meanwhile is neither reported nor counted.
FileWorkReport deleteMissions(const std::vector<std::filesystem::path>& missions);
// Both at once, for callers that do not ask first.
FileWorkReport deleteDefaultMissions(const std::filesystem::path& gameFolder);

} // namespace outfitter
