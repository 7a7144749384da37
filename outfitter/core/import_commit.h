#pragma once
// The last step of adding sets: each whole set, unpacked and checked in an import folder, is renamed
// into its place under "QIV128". A note in the import folder, written before the first rename, names
// every set, so an add of several sets killed between its renames is finished by the next start:
// either every set of the archive arrives or, when that cannot be done, none does.

#include "common/problem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace outfitter {

inline constexpr const char* kImportCommitNote = "commit";

struct ImportCommit {
    std::string source;            // what the sets came from, as text, for the start's message
    bool replace = false;          // a set folder of the same name (any case) is moved aside
    std::vector<std::string> sets; // the set folders, as staged in the import folder's "new"
};

std::optional<common::Problem> writeImportCommit(const std::filesystem::path& importFolder,
                                                 const ImportCommit& commit);
// nullopt when the folder holds no note: its add never reached its renames.
common::Result<std::optional<ImportCommit>> readImportCommit(const std::filesystem::path& importFolder);

// Renames every staged set not yet in place into place. On a failure it takes back every set of the
// commit (those placed by an earlier, killed run too) and puts back what was moved aside, so the
// selector folder is as before the add; the problems say why.
common::Problems placeStagedSets(const std::filesystem::path& selectorFolder,
                                 const std::filesystem::path& importFolder, const ImportCommit& commit);

} // namespace outfitter
