#pragma once
// The two file operations the engine is built on: replacing a game file with a set's copy so that a
// crash or a full disk never leaves a half-written file under the final name, and deleting one file.

#include "common/problem.h"

#include <filesystem>
#include <optional>

namespace common {

// Copies `source` to a temporary file beside `destination`, gives it normal (writable) attributes and
// renames it over `destination`; a read-only `destination` is made writable first. The source is given
// normal attributes too. On failure `destination` is left as it was and the temporary file is removed.
std::optional<Problem> copyReplacing(const std::filesystem::path& source,
                                     const std::filesystem::path& destination);

// Deletes `file` itself (a link is removed as a link, never followed).
std::optional<Problem> deleteFile(const std::filesystem::path& file);

// The temporary name copyReplacing uses beside `destination`.
std::filesystem::path partialCopyPath(const std::filesystem::path& destination);

} // namespace common
