#pragma once
// The note of a load or unload under way, kept in the selector folder from before its first file
// until the ledger records the outcome. Finding one at start means the program died part-way, so
// the game folder may hold some of the set's files that no ledger line accounts for.

#include "common/problem.h"

#include <filesystem>
#include <optional>
#include <string>

namespace outfitter {

// Hidden, and a file rather than a folder, so it is never taken for a set, a category or a ledger line.
inline constexpr const char* kJournalFileName = ".qiv-journal";

struct WorkJournal {
    enum class Kind { Load, Unload };
    Kind kind = Kind::Load;
    std::string set; // the set folder's name, as the ledger records it

    bool operator==(const WorkJournal&) const = default;
};

std::optional<common::Problem> writeJournal(const std::filesystem::path& selectorFolder,
                                            const WorkJournal& work);

// The journal of `selectorFolder`, or nullopt when there is none. One that cannot be read or
// understood gives a problem.
common::Result<std::optional<WorkJournal>> readJournal(const std::filesystem::path& selectorFolder);

// Removing a journal that is not there is not a problem.
std::optional<common::Problem> removeJournal(const std::filesystem::path& selectorFolder);

} // namespace outfitter
