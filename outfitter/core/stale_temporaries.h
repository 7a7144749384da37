#pragma once
// Temporary files of ours that only a killed process leaves behind: the half-made copies of a load
// (".qiv-<name>.part") and the atomic writer's unique hidden names. Start-up removes them, since
// nothing can finish them and the game folder should hold nothing the player did not ask for.

#include "common/problem.h"

#include <filesystem>
#include <vector>

namespace outfitter {

// Deletes the plain files directly in each of `folders` that carry one of those names; anything
// else, links and subfolders included, is left alone. Returns the files removed.
std::vector<std::filesystem::path> removeStaleTemporaries(const std::vector<std::filesystem::path>& folders,
                                                          common::Problems& problems);

} // namespace outfitter
