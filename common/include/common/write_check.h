#pragma once
// Asking, before the first byte of a multi-file change is written, whether each file can be replaced,
// so that a change the player cannot finish is refused whole instead of left half done.

#include "common/problem.h"

#include <filesystem>
#include <optional>
#include <string>

namespace common {

// Whether `file` exists and carries the read-only attribute (no write permission for anyone, or none
// for us). A missing file is not read-only.
bool isReadOnlyFile(const std::filesystem::path& file);

// Whether the player marked `file` read-only: the attribute on Windows, no write permission for anyone
// on POSIX. Unlike isReadOnlyFile, a file that is merely someone else's is not read-only here, since
// replacing it through a rename needs only the folder.
bool hasReadOnlyAttribute(const std::filesystem::path& file);

// Why `file` could not be created or replaced through a temporary file beside it: its folder is missing,
// is not a folder or cannot be written, or the file is not a plain file or is read-only. `action` goes
// into the problem ("writing", "flying the mission: writing", ...). nullopt when nothing stands in the
// way that can be seen beforehand.
std::optional<Problem> replaceRefusal(const std::filesystem::path& file, const std::string& action);

} // namespace common
