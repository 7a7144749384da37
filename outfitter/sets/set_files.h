#pragma once
// The files of one set as the player sees them before and after a click: where loading puts each
// one (or that the skip rules leave it out), what stands there already or who else holds the name,
// and, for a loaded set, whether the game folder still holds the set's own bytes.

#include "outfitter/sets/file_owner.h"

#include "common/problem.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace outfitter {

// A loaded set's file as it stands in the game folder now.
enum class LoadedState { NotLoaded, AsLoaded, Changed, Missing, HeldByOther, Patched };

struct SetFileLine {
    std::string name;                   // as the set spells it
    std::optional<GameSubfolder> place; // empty: the skip rules leave it out
    bool gameFileThere = false;         // a file of that name stands in its place now
    bool originalKept = false;          // the game's or player's file waits in "QIV128\.originals"
    std::vector<std::string> loadedOwners; // other loaded sets, skins and plane sets holding the name
    std::vector<std::string> otherSets;    // sets not loaded holding the name
    LoadedState state = LoadedState::NotLoaded;
    std::string heldBy; // with HeldByOther or Patched: the loaded owner whose copy stands there or who patched it
};

struct SetFiles {
    std::string set;
    bool loaded = false;
    std::vector<SetFileLine> files; // in the set folder's file-list order
    common::Problems problems;
};

struct SetFilesQuery {
    std::string name;
    std::filesystem::path folder;
    bool loaded = false;
    std::filesystem::path gameFolder;
    std::filesystem::path originalsFolder;
    std::vector<FileOwner> loadedOwners;  // every loaded owner; the set itself is left out by name
    std::vector<FileOwner> unloadedSets;  // the sets not loaded, the set itself left out by name
};

SetFiles listSetFiles(const SetFilesQuery& query);

// "game folder", "Savedata", "Music" or "left out".
std::string placeText(const std::optional<GameSubfolder>& place);
// What the file meets in its place: "nothing", "the game's or player's own file (kept as an original
// on load)", "a file of W-Desert Air War, loaded", with the sets not loaded that also hold it.
std::string meetsText(const SetFileLine& line, bool setLoaded);
// "as loaded", "changed since loaded", "missing", "holds the copy of G-Clouds", "patched by P-Spitfire";
// empty when not loaded.
std::string stateText(const SetFileLine& line);
// One line of `outfitter --files`: name, place, what it meets and its state, separated by " | ".
std::string lineText(const SetFileLine& line, bool setLoaded);

// The loaded owners (other than `set` itself) that hold names of `set`, with how many, in the order
// given: "shares 3 files with W-Desert Air War, loaded". Empty when it shares none.
std::vector<std::pair<std::string, std::size_t>> sharedWithLoaded(const FileOwner& set,
                                                                  const std::vector<FileOwner>& loaded);
std::string sharedText(const std::vector<std::pair<std::string, std::size_t>>& shared);

} // namespace outfitter
