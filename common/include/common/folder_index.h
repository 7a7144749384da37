#pragma once
// One listing of a game folder, kept so that hundreds of names can be matched against it without regard
// to case, and so that links and subfolders are told apart from the plain files we may replace or delete.

#include "common/problem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace common {

enum class EntryKind { PlainFile, Folder, Link, Other };

struct FolderEntry {
    std::string name;
    EntryKind kind = EntryKind::Other;
};

class FolderIndex final {
  public:
    // Lists `folder` without following links. A folder that cannot be listed gives a problem.
    static Result<FolderIndex> scan(const std::filesystem::path& folder);

    const std::filesystem::path& folder() const { return folder_; }
    // Entries as scanned, in file-list order.
    const std::vector<FolderEntry>& entries() const { return entries_; }

    // The entry named `name`: the exact spelling wins, otherwise the single entry that matches without
    // regard to case. Several entries that differ only in case (none exact) are a problem, not a guess.
    Result<std::optional<FolderEntry>> find(std::string_view name) const;

    // Keeps lookups right after this program created or deleted an entry.
    void noteCreated(const FolderEntry& entry);
    void noteRemoved(const std::string& name);

  private:
    std::filesystem::path folder_;
    std::vector<FolderEntry> entries_;
    std::unordered_map<std::string, std::vector<FolderEntry>> byUpperName_;
};

// The kind of whatever `path` names, without following a link; nullopt when nothing is there.
std::optional<EntryKind> entryKindAt(const std::filesystem::path& path);

} // namespace common
