#pragma once
// Which set folders a source becomes, from the names it holds: a top folder already named as a set,
// a "QIV128" folder of set folders, or anything else as the contents of one new set.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace outfitter {

class CategoryTable;

enum class ImportLayout {
    NamedFolder,    // a single top folder (or one inside single wrapping folders) named "LETTER-Name"
    SelectorFolder, // "QIV128" (any case) at the top or inside single wrapping folders: each set in it
    Wrapped,        // a single top folder of another name: its contents become the set's contents
    Loose,          // files (and folders) at the top: they become the set's contents
};

struct ListedEntry {
    std::vector<std::string> parts; // checked components (splitEntryName)
    bool isFile = false;
    std::uint64_t size = 0;
};

struct LayoutChoice {
    ImportLayout layout = ImportLayout::Loose;
    std::vector<std::string> prefix;     // components above the set folder(s)
    std::vector<std::string> setFolders; // SelectorFolder: the folders in "QIV128" that are sets
    std::vector<std::string> notSets;    // SelectorFolder: folders in "QIV128" not named as sets
};

// A folder that macOS adds to the archives it makes; it holds no part of any set.
bool isMacMetadata(const std::vector<std::string>& parts);

// The category letter of a folder named "LETTER-Name" whose letter is one of the table's.
std::optional<std::string> setFolderLetter(std::string_view folder, const CategoryTable& categories);

LayoutChoice chooseLayout(const std::vector<ListedEntry>& entries, const CategoryTable& categories);

// Where an entry goes: into set `set` (an index of the layout's sets: 0 for a single set, else the
// position in setFolders) at `relative` (empty for the set folder itself), or nowhere.
struct EntryRoute {
    std::size_t set = 0;
    std::vector<std::string> relative;
};
enum class RouteKind { IntoSet, Above, LeftOut };
RouteKind routeEntry(ImportLayout layout, const std::vector<std::string>& prefix,
                     const std::vector<std::string>& setFolders, const std::vector<std::string>& parts,
                     EntryRoute& route);

// The source's name without the archive's extensions: "desert" of "desert.tar.gz" or "Desert.ZIP".
std::string sourceBaseName(std::string_view fileName, bool isFolder);

} // namespace outfitter
