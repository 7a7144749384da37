#pragma once
// The load ledger "FoldersLoaded.txt": what was loaded when the window last changed it, replayed at start.

#include "common/problem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace outfitter {

inline constexpr const char* kLedgerFileName = "FoldersLoaded.txt";

// The ledger's bytes for these names: each name and CR LF, then one more CR LF, so an empty selection
// is a file holding a single line break (the game-side tools that read it expect this shape).
std::string ledgerBytes(const std::vector<std::string>& names);

// Names in the ledger of `selectorFolder` in file order, empty lines skipped. A missing ledger reads
// as no names without a problem; an unreadable one gives a problem.
common::Result<std::vector<std::string>> readLedger(const std::filesystem::path& selectorFolder);

// Replaces the ledger atomically.
std::optional<common::Problem> writeLedger(const std::filesystem::path& selectorFolder,
                                           const std::vector<std::string>& names);

} // namespace outfitter
