#pragma once
// Whether a file in the game folder still holds the bytes of its owner's copy (the one comparison of
// the suite, with a POSIX and a Windows branch): sizes first, then the
// contents in large reads, so a check of thousands of files costs little more than reading them once.

#include "common/problem.h"

#include <cstdint>
#include <filesystem>
#include <optional>

namespace common {

enum class Comparison { Same, Differs, Missing };

struct CompareResult {
    Comparison comparison = Comparison::Same;
    std::uint64_t bytesRead = 0;    // from both files together
    std::optional<Problem> problem; // a file that could not be read (the owner's copy too): Differs
};

// `gameFile` against `copy`. A missing `gameFile` is Missing; one of another kind (a folder) Differs.
CompareResult compareWithCopy(const std::filesystem::path& gameFile, const std::filesystem::path& copy);

// Whether `gameFile` holds exactly the bytes of `copy`: false when it is missing, differs, or either
// cannot be read, so a file whose ownership is in doubt is never taken for ours.
bool isCopyOf(const std::filesystem::path& gameFile, const std::filesystem::path& copy);

} // namespace common
