#pragma once
// Finds entries below a folder whatever their letter case, the way the game's file system does.

#include "common/problem.h"

#include <filesystem>
#include <string_view>

namespace common {

struct Resolved {
    std::filesystem::path path; // the path to use: existing spelling, or the caller's for new parts
    bool exists = false;        // whether the whole path exists now
};

// Resolves `relative` (components separated by "\" or "/", a leading separator allowed, as in
// "\Savedata\SingMiss.mpf") below `base`. For each component the exact spelling wins where it
// exists, otherwise the one entry whose name matches without regard to case. Components that do not
// exist keep the caller's spelling. Two or more entries that match only without regard to case, none
// exactly, are a problem ("names differ only in letter case"), not a guess; "." and "..", a drive
// letter ("C:") and a network name (two leading separators) are refused. Lists a folder only where the
// exact spelling is absent.
Result<Resolved> resolve(const std::filesystem::path& base, std::string_view relative);

} // namespace common
