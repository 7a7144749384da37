#pragma once
// Replacing a whole file so that a crash or a full disk leaves the old file or the new one, never a mix.

#include "common/problem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace common {

// Writes `bytes` to a temporary file beside `target` (named `tempName` when given, else a unique
// hidden name), flushes it to disk, then renames it over `target`. On any failure the temporary file
// is removed, `target` is left as it was, and the problem is returned.
std::optional<Problem> writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                           const std::string& tempName = {});

// Whether `name` has the form of the unique hidden temporary names above; one is left behind only
// when the process was killed between creating it and renaming it.
bool isAtomicTemporaryName(std::string_view name);

} // namespace common
