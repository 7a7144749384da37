#pragma once
// Putting one file into a folder of the game the one way the suite does it: under the spelling
// the folder already has for the name, never through a link or over a folder, the listing kept true.

#include "common/folder_index.h"
#include "common/problem.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace common {

using CopyFunction = std::function<std::optional<Problem>(const std::filesystem::path& source,
                                                          const std::filesystem::path& destination)>;

// How a copy into a folder names its work in the problems it reports.
struct FolderCopy {
    std::string refusalAction; // for a link or a folder that holds the name ("copying x.dat to")
    std::string failureAction; // replaces copyReplacing's own words for a failed copy, when not empty
    CopyFunction copy;         // copyReplacing when empty; tests pass one that fails
};

// Copies `source` into `folder`'s folder as `name`, spelled as the entry already there is spelled, and
// notes the new entry in `folder`. Gives the destination, or the problem and nothing changed: the name
// carried by several entries in different case, a link or a folder of that name (left in place), or
// the copy's own failure. With a problem the destination is still given once it was found.
Result<std::filesystem::path> copyIntoFolder(FolderIndex& folder, const std::filesystem::path& source,
                                             std::string_view name, const FolderCopy& how);

// The same for a single file where no listing is kept: `name` is looked up in `folder` itself.
Result<std::filesystem::path> copyIntoFolder(const std::filesystem::path& folder,
                                             const std::filesystem::path& source, std::string_view name,
                                             const FolderCopy& how);

// The problem reported for an entry left alone because it is a link or a folder.
Problem leftInPlace(const std::filesystem::path& path, const std::string& action, EntryKind kind);

// Whether `a` and `b` name the same folder (the same file on disk, or the same path where neither
// exists yet).
bool sameFolder(const std::filesystem::path& a, const std::filesystem::path& b);

} // namespace common
