#pragma once
// Copies of the game files a multi-file patch (an aircraft install) is about to rewrite, taken before
// its first write and dropped once the ledger records the outcome. A patch killed part-way leaves
// some files new and some old, which the game reads as a mixed aircraft; the next start puts every
// file back from here, so the player is left with the folder as it was and can simply click again.

#include "common/problem.h"

#include <filesystem>
#include <vector>

namespace outfitter {

inline constexpr const char* kSnapshotFolderName = ".qiv-snapshot";

// Copies each of `files` (paths in the game folder; one that does not exist is noted as absent) into
// the snapshot folder of `selectorFolder`, replacing any earlier snapshot. A problem means the patch
// must not start.
common::Problems takeSnapshot(const std::filesystem::path& selectorFolder,
                              const std::vector<std::filesystem::path>& files);

// Puts every file of the snapshot back (deleting the ones that were absent) and drops the snapshot.
// Without a snapshot nothing happens. Returns the files put back.
std::vector<std::filesystem::path> restoreSnapshot(const std::filesystem::path& selectorFolder,
                                                   common::Problems& problems);

// Removes the snapshot; one that is not there is not a problem.
common::Problems dropSnapshot(const std::filesystem::path& selectorFolder);

} // namespace outfitter
