#pragma once
// The check of the game folder against what is loaded: every file of every loaded set, installed
// skin and marked plane set compared, by its bytes, with its owner's own copy. It reads and writes
// nothing else. Files an aircraft patches in place have no copy and are not compared (nor are the copies of
// other owners under the same name); saved careers
// (".sve") are the player's to change while their set is loaded and are not compared either.

#include "outfitter/sets/file_owner.h"

#include "common/problem.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace outfitter {

enum class CheckFault { Missing, Differs };

struct CheckFinding {
    std::string owner;                   // whose copy belongs there (the latest loaded holder)
    std::vector<std::string> alsoHeldBy; // earlier loaded holders of the same name
    std::string name;                    // as the owner spells it
    GameSubfolder place = GameSubfolder::Top;
    std::filesystem::path gameFile;      // where it is, or would be
    std::filesystem::path copy;          // the owner's copy
    CheckFault fault = CheckFault::Missing;
};

struct FolderCheck {
    std::vector<CheckFinding> findings; // in the owners' order
    std::size_t files = 0;              // names compared
    std::uint64_t bytesRead = 0;
    common::Problems problems; // what could not be read
    bool cancelled = false;

    bool allAsLoaded() const { return findings.empty() && problems.empty() && !cancelled; }
    // The owners named by the findings, each once, in order.
    std::vector<std::string> ownersWithFindings() const;
};

// `progress(done, total)` after each name; returning false stops the check (cancelled).
FolderCheck checkGameFolder(const std::filesystem::path& gameFolder, const std::vector<FileOwner>& owners,
                            const std::function<bool(std::size_t, std::size_t)>& progress = {});

// "missing: Savedata/sand.msn of W-Desert Air War"
std::string findingText(const CheckFinding& finding);

} // namespace outfitter
