#pragma once
// The names inside an archive or a folder being added as a set, taken apart and checked before any of
// them becomes a path: an archive is written by strangers, and one hostile name could reach outside
// the set folder or clash with another name on the game's case-blind file system.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace outfitter {

// The components of an entry's name, "/" and "\" both separating (archives made on Windows use
// either); "." and empty components are dropped. nullopt with `fault` set when the name is refused:
// absolute, with a drive letter, with ".." anywhere, or with a component that a folder on Windows or
// Linux cannot hold (reserved device names, < > : " | ? *, control characters, a trailing dot or blank),
// or longer than kLongestEntryName bytes.
inline constexpr std::size_t kLongestEntryName = 4096;
std::optional<std::vector<std::string>> splitEntryName(std::string_view name, std::string& fault);

// Why `name` cannot name a folder on Windows or Linux ("" when it can). An empty name is refused too.
std::string folderNameFault(std::string_view name);

// A name in double quotes, as messages show names.
std::string inQuotes(std::string_view name);

std::string joinEntryName(const std::vector<std::string>& parts, std::size_t from = 0,
                          std::size_t to = static_cast<std::size_t>(-1));

// Collects the entries of one source and refuses two whose names differ only in letter case (as
// Windows compares them, accents included), a name given twice, and a name used both for a file and
// for a folder, since the set could not be written as the archive holds it on Windows. Kept as a tree
// of components, so a listing is checked in time and memory linear in its size.
class EntryNameSet final {
  public:
    EntryNameSet();
    ~EntryNameSet();
    EntryNameSet(const EntryNameSet&) = delete;
    EntryNameSet& operator=(const EntryNameSet&) = delete;

    // Returns the refusal for `parts` (a file when `isFile`), or "" when it is new and consistent.
    std::string add(const std::vector<std::string>& parts, bool isFile);

  private:
    struct Node;
    std::unique_ptr<Node> root_;
};

} // namespace outfitter
