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

// A compression bomb is an archive whose contents, counted as they are written (a sparse file's holes
// included), come to more than `ratio` times the archive's own size AND to more than `bytes`. Writing
// more than the disk had free when the unpacking began refuses the add as well.
struct ImportLimits {
    std::uint64_t ratio = 1000;
    std::uint64_t bytes = 100ull * 1000 * 1000;
};

// Why an archive of `archiveSize` bytes that unpacks to `bytes` is a compression bomb, if it is one:
// asked of the sizes the listing declares, and again of what is written as it is written.
std::optional<common::Problem> bombRefusal(const std::filesystem::path& source, const ImportLimits& limits,
                                           std::uint64_t archiveSize, std::uint64_t bytes);

// A number with thousands separators: "1,000".
std::string withThousands(std::uint64_t number);

// A refusal naming the entry (a very long name shortened in the middle), for the message line.
common::Problem entryProblem(const std::filesystem::path& source, std::string_view entry,
                             const std::string& why);

// Two sizes in megabytes, with as many decimals as it takes to tell them apart, so a refusal never
// reads "needs 15 MB but the disk has only 15 MB free".
std::pair<std::string, std::string> megabytesApart(std::uint64_t needed, std::uint64_t available);

// Why `bytes` cannot be written below `folder` now: the disk's free space is smaller.
std::optional<common::Problem> freeSpaceRefusal(const std::filesystem::path& folder, std::uint64_t bytes);

} // namespace outfitter
