#pragma once
// A set as an owner of game files, its files placed as loading places them.

#include "outfitter/core/file_owner.h"
#include "outfitter/sets/set_file_rules.h"

#include <filesystem>
#include <string>

namespace outfitter {

// A set's files as loading places them (the skip rules applied). A folder that cannot be listed holds
// nothing.
FileOwner setOwner(const std::string& name, const std::filesystem::path& setFolder);

} // namespace outfitter
