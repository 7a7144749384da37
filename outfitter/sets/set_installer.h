#pragma once
// Loading a set into the game folder and unloading it again. A set is loaded by copying its files in
// and unloaded by deleting the files of the same names; no copy of what a load replaced is kept.
//
// Marks, the ledger and the ready flag stay with the caller, which keeps them true to the game folder
// (loadArrived, unloadFinished). `Udel` is the caller clearing the row's mark and then calling MoveOut.

#include "outfitter/core/file_work.h"

#include <filesystem>
#include <vector>

namespace outfitter {

// Copies the files directly in `setFolder` into the game folder ("Savedata" and "Music" for saves,
// missions and music), replacing same-named files whatever their case, and leaves out pictures, the
// description, loaders and "eca" files. Does nothing when `setFolder` is the game folder itself.
// Reports "Please wait- copying: :<name>" after each file.
FileWorkReport MoveIn(const std::filesystem::path& gameFolder, const std::filesystem::path& setFolder,
                      const ProgressCallback& progress = {});

// For a campaign set, first returns the saved careers (returnCampaignSaves); then deletes, for every
// file name of `setFolder`, the plain file of that name from where loading put it (".sve" is looked
// for in the game folder itself). Reports "Deleting <name>" before each deletion.
FileWorkReport MoveOut(const std::filesystem::path& gameFolder, const std::filesystem::path& setFolder,
                       const ProgressCallback& progress = {});

// MoveOut for an unload that died part-way: a file of the set's names is deleted only while it holds
// the set's own bytes, since what the dead unload had already put back in its place is the player's.
FileWorkReport MoveOutOwnCopies(const std::filesystem::path& gameFolder, const std::filesystem::path& setFolder,
                                const ProgressCallback& progress = {});

// What "Reset All" takes of a set besides the clean-up's patterns: MoveOut limited to "Savedata" and
// "Music" (a campaign's careers still go back to it), and the files that would go, for its question.
FileWorkReport moveOutOfSubfolders(const std::filesystem::path& gameFolder, const std::filesystem::path& setFolder,
                                   const ProgressCallback& progress = {});
std::vector<std::filesystem::path> setFilesInSubfolders(const std::filesystem::path& gameFolder,
                                                        const std::filesystem::path& setFolder);

// Moves every "*.sve" of "Savedata" into `setFolder`, replacing same-named saves there. A save is
// deleted from "Savedata" only after its copy arrived, so a failed copy loses nothing.
FileWorkReport returnCampaignSaves(const std::filesystem::path& gameFolder,
                                   const std::filesystem::path& setFolder);

// Whether a set counts as loaded after MoveIn reported `load`: a load that reports problems still
// counts when any file arrived, so that unloading it later removes whatever did; a set with nothing
// to copy counts too. Only a load of which nothing arrived, and something failed, leaves it unloaded.
bool loadArrived(const FileWorkReport& load);

// Whether a set counts as unloaded after MoveOut reported `unload`: none of its files stayed in the
// game folder, so the player can try again on whatever did stay.
bool unloadFinished(const FileWorkReport& unload);

} // namespace outfitter
