#pragma once
// Replacing "eaw.ini" whole: the new bytes go to "eaw.ink" beside it, which is then renamed over it.
// A read-only "eaw.ini" is made writable first, as the game's own tools do before they save.

#include "common/problem.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace outfitter {

// On any failure "eaw.ini" keeps its bytes and its attributes, no "eaw.ink" of ours is left, and the
// problem says why.
std::optional<common::Problem> replaceIniFile(const std::filesystem::path& eawIni, std::string_view bytes);

} // namespace outfitter
