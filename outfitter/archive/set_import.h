#pragma once
// Adding a set from what players download: an archive (".zip", ".7z", ".rar", ".tar", ".tar.gz") or a
// plain folder becomes one set folder under "QIV128" (or several, for an archive holding "QIV128/...").
// The source is read twice: once for its listing, which decides the set names and refuses a hostile or
// damaged source before anything is written, and once to unpack it into a dot-named temporary folder
// under "QIV128", from which each whole set is renamed into place.

#include "outfitter/archive/import_layout.h"
#include "outfitter/archive/import_rules.h"
#include "outfitter/archive/source_reader.h"
#include "outfitter/core/category_table.h"

#include "common/problem.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace outfitter {

struct ImportProposal {         // one set folder the source will become
    std::string folderName;     // e.g. "W-Desert Air War" (UTF-8 text, common::pathText); "" without letter
    std::string letter;         // category letter (one byte, a letter of "qiv.ini"); "" when not given
    std::string name;           // the part after "LETTER-"
    std::string existingFolder; // an existing set folder of the same name in ANY letter case, "" if none
    std::string sourceFolder;   // the folder of the source that becomes this set ("" for the whole source)
};

struct ImportPlan {
    std::filesystem::path source;       // archive file or folder
    std::vector<ImportProposal> sets;   // one, or several for an archive holding "QIV128/..."
    std::uint64_t files = 0, bytes = 0; // what will be written (from the listing)
    common::Problems problems;          // non-empty: refused whole, each naming the entry
    // A loose or wrapped source and no letter given: the set has no name yet and the caller must ask
    // for a category (then plan again with it). importSets refuses such a plan.
    bool letterNeeded = false;
    std::vector<std::string> leftOut; // entries that belong to no set (beside "QIV128", macOS metadata)
    ImportLayout layout = ImportLayout::Loose;
    std::vector<std::string> prefix; // components of the source's names above the set folder(s)
    bool isFolder = false;
    std::string folderPrefix; // a folder named as a set: its own name, which its entries are read under
    ImportLimits limits;
};

// Reads the listing only (no unpacking). `letter`/`name` override the proposal where given (the
// window's dialog and --category/--name); with several sets in "QIV128" they are not used. Without a
// letter for a loose or wrapped layout the proposal takes no letter and `letterNeeded` is set.
ImportPlan planImport(const std::filesystem::path& source, const CategoryTable& categories,
                      const std::filesystem::path& selectorFolder, std::optional<std::string> letter,
                      std::optional<std::string> name);

// The part of planning that reads the listing: every entry of `reader` checked, the layout chosen, the
// sets proposed and counted (problems and letterNeeded set in `plan`, whose `source` names it). It
// touches no file, so it can be given any listing; its time and memory grow with the listing's size.
void planFromListing(ImportPlan& plan, SourceReader& reader, const CategoryTable& categories,
                     const std::string& baseName, const std::optional<std::string>& letter,
                     const std::optional<std::string>& name);

struct ImportProgress {
    std::uint64_t bytesDone = 0, bytesTotal = 0;
};

struct ImportResult {
    std::vector<std::string> addedFolders; // set folder names now under QIV128
    std::uint64_t files = 0, bytes = 0;
    common::Problems problems; // non-empty: nothing was added
    bool cancelled = false;    // the progress callback said stop: nothing was added, no problem
};

// Unpacks into a dot-named temporary folder under `selectorFolder` and renames into place only when
// whole. `replaceExisting` lets it replace a set folder of the same name (any case); the caller has
// asked the player and checked that set is not loaded. `progress` is called often (it may run on a
// worker thread: touch no shared state); returning false cancels: nothing is left behind.
ImportResult importSets(const ImportPlan& plan, const std::filesystem::path& selectorFolder,
                        bool replaceExisting, const std::function<bool(const ImportProgress&)>& progress);

} // namespace outfitter
