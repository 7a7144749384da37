#pragma once
// The rules both readings of a source apply: the listing that plans the add, and the unpacking, which
// checks every entry again since the archive may have changed in between.

#include "outfitter/archive/source_reader.h"

#include "common/problem.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace outfitter {

// The entry's checked name components; nullopt with `fault` set when its protection, its kind (links,
// devices, pipes) or its name refuses it.
std::optional<std::vector<std::string>> checkEntry(const SourceEntry& entry, std::string& fault);

// A refusal naming the entry, for the message line.
common::Problem entryProblem(const std::filesystem::path& source, std::string_view entry,
                             const std::string& why);

// Two sizes in megabytes, with as many decimals as it takes to tell them apart, so a refusal never
// reads "needs 15 MB but the disk has only 15 MB free".
std::pair<std::string, std::string> megabytesApart(std::uint64_t needed, std::uint64_t available);

// Why `bytes` cannot be written below `folder` now: the disk's free space is smaller.
std::optional<common::Problem> freeSpaceRefusal(const std::filesystem::path& folder, std::uint64_t bytes);

} // namespace outfitter
