#pragma once
// The two file operations the engine is built on: replacing a game file with a set's copy so that a
// crash or a full disk never leaves a half-written file under the final name, and deleting one file.

#include "common/problem.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace common {

// The reason given when copyReplacing meets a read-only destination.
inline constexpr const char* kReadOnlyRefusal = "the file is read-only, so it was not replaced";

// Copies `source` to a temporary file beside `destination`, gives it normal (writable) attributes and
// renames it over `destination`. A read-only `destination` is refused and left as it is. The source
// is given normal attributes too. On failure `destination` is left as it was, the temporary file is
// removed and the problem carries the system's own reason ("No space left on device").
std::optional<Problem> copyReplacing(const std::filesystem::path& source,
                                     const std::filesystem::path& destination);

// Deletes `file` itself (a link is removed as a link, never followed).
std::optional<Problem> deleteFile(const std::filesystem::path& file);

// The temporary name copyReplacing uses beside `destination`, and whether a name is one of them
// (left behind only when the program was killed during a copy).
std::filesystem::path partialCopyPath(const std::filesystem::path& destination);
bool isPartialCopyName(std::string_view name);

} // namespace common
