#pragma once
// The note of a change of several files under way (a load or unload, a skin, an aircraft install,
// "Reset All"), kept in the selector folder from before its first file until the ledger records the
// outcome. Finding one at start means the program died part-way, so the game folder may hold part of
// the change; the next start names it and finishes it (or, for an aircraft install, puts it back).

#include "common/problem.h"

#include <filesystem>
#include <optional>
#include <string>

namespace outfitter {

// Hidden, and a file rather than a folder, so it is never taken for a set, a category or a ledger line.
inline constexpr const char* kJournalFileName = ".qiv-journal";
// The package being loaded, around the journals of its single steps.
inline constexpr const char* kPackageJournalFileName = ".qiv-package-journal";

struct WorkJournal {
    enum class Kind { Load, Unload, InstallSkin, RemoveSkin, InstallAircraft, ResetAll };
    Kind kind = Kind::Load;
    std::string set; // the set, skin or plane-set folder's name, as the ledger records it
    bool flightData = false; // a skin's work with "Include flt files" ticked

    bool operator==(const WorkJournal&) const = default;
};

std::optional<common::Problem> writeJournal(const std::filesystem::path& selectorFolder,
                                            const WorkJournal& work);

// The journal of `selectorFolder`, or nullopt when there is none. One that cannot be read or
// understood gives a problem.
common::Result<std::optional<WorkJournal>> readJournal(const std::filesystem::path& selectorFolder);

// Removing a journal that is not there is not a problem.
std::optional<common::Problem> removeJournal(const std::filesystem::path& selectorFolder);

// What start-up tells of interrupted work, and how it was finished.
std::string interruptedWorkText(const WorkJournal& work);

struct PackageJournal {
    std::string file; // the package file's path as text
    bool reset = false;

    bool operator==(const PackageJournal&) const = default;
};

std::optional<common::Problem> writePackageJournal(const std::filesystem::path& selectorFolder,
                                                   const PackageJournal& work);
common::Result<std::optional<PackageJournal>> readPackageJournal(const std::filesystem::path& selectorFolder);
std::optional<common::Problem> removePackageJournal(const std::filesystem::path& selectorFolder);

} // namespace outfitter
