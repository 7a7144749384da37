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

// The problem of a name that two entries of one folder carry in different letter case ("eaw.ini" beside
// "EAW.INI"): the game sees them as one file, so neither is touched. `names` are the clashing spellings.
Problem caseClashProblem(const std::filesystem::path& folder, const std::vector<std::string>& names,
                         const std::string& action);

// The spellings of `file`'s name in its folder when more than one entry carries it without regard to
// case; empty when it stands alone (or the folder cannot be listed, which the write itself will say).
std::vector<std::string> caseTwins(const std::filesystem::path& file);

// Every group of entries of `folder` whose names differ only in letter case, in file-list order.
std::vector<std::vector<std::string>> caseClashes(const FolderIndex& folder);

// The kind of whatever `path` names, without following a link; nullopt when nothing is there.
std::optional<EntryKind> entryKindAt(const std::filesystem::path& path);

} // namespace common
