#pragma once
// A binary game file read whole, so a patch can be built and checked in memory before the one
// atomic write replaces the file.

#include "common/problem.h"

#include <filesystem>
#include <optional>
#include <string>

namespace outfitter {

struct GameFile {
    std::filesystem::path path; // as found (any letter case), or the given spelling when new
    std::string bytes;
    bool existed = false;
};

// Finds `name` in the game folder whatever its letter case and reads it. A missing file is a problem
// unless `mayBeNew`, when it reads as no bytes.
common::Result<GameFile> readGameFile(const std::filesystem::path& gameFolder, const std::string& name,
                                      bool mayBeNew = false);

// Replaces the file with its patched bytes through the atomic writer.
std::optional<common::Problem> writeGameFile(const GameFile& file);

} // namespace outfitter
