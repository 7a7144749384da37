#pragma once
// Temporary files and folders of ours that only a killed process leaves behind: the half-made copies
// of a load (".qiv-<name>.part"), the atomic writer's unique hidden names, and the folders in which a
// set is unpacked before it is renamed into place (".import-<16 hex digits>"). Start-up removes them,
// since nothing can finish them and the game folder should hold nothing the player did not ask for.

#include "common/problem.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace outfitter {

// Inside an import folder, the sets being unpacked stand in "new"; a set folder that an import replaces
// is moved into "replaced" first and deleted only once the new one stands in its place.
inline constexpr const char* kImportStagedFolder = "new";
inline constexpr const char* kImportReplacedFolder = "replaced";

// A fresh name of the import-folder form, and whether a name has that form.
std::string newImportFolderName();
bool isImportFolderName(std::string_view name);

// Deletes the plain files directly in each of `folders` that carry one of the temporary file names,
// and removes the import folders directly in them (removeStaleImportFolders). Anything else, links and
// other subfolders included, is left alone. Returns what was removed.
std::vector<std::filesystem::path> removeStaleTemporaries(const std::vector<std::filesystem::path>& folders,
                                                          common::Problems& problems);

// Removes the import folders directly in `selectorFolder`. A set folder that a killed import had moved
// aside to replace it goes back to its place first when nothing took that place, so a kill at that
// moment loses no set. Links and folders of any other name are left alone.
std::vector<std::filesystem::path> removeStaleImportFolders(const std::filesystem::path& selectorFolder,
                                                            common::Problems& problems);

} // namespace outfitter
