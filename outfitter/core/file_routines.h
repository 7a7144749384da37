#pragma once
// Existence tests and folder creation below the game folder, matching names whatever their letter case.

#include "common/problem.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace outfitter {

// The path of folder `name` directly below `base` in its spelling on disk, or nullopt when there is
// none. An unclear name (two entries differing only in case) is reported and gives nullopt.
std::optional<std::filesystem::path> findFolder(const std::filesystem::path& base, std::string_view name,
                                                common::Problems& problems);
// The same for a plain file.
std::optional<std::filesystem::path> findFile(const std::filesystem::path& base, std::string_view name,
                                              common::Problems& problems);

// The folder `name` below `base` whatever its letter case; made with this spelling when no entry of
// that name exists. A file in its place or a failed creation is reported and gives nullopt.
std::optional<std::filesystem::path> ensureFolder(const std::filesystem::path& base, std::string_view name,
                                                  common::Problems& problems);

} // namespace outfitter
