#include "common/folder_copy.h"

#include "common/game_file_ops.h"
#include "common/resolver.h"

#include <system_error>

namespace common {

namespace fs = std::filesystem;

namespace {

// What both lookups share once the destination is known: the refusal, the copy and its words.
Result<fs::path> copyTo(const fs::path& destination, std::optional<EntryKind> kind, const fs::path& source,
                        const FolderCopy& how) {
    Result<fs::path> result{destination, std::nullopt};
    if (kind && *kind != EntryKind::PlainFile) {
        result.problem = leftInPlace(destination, how.refusalAction, *kind);
        return result;
    }
    result.problem = how.copy ? how.copy(source, destination) : copyReplacing(source, destination);
    if (result.problem && !how.failureAction.empty())
        result.problem->action = how.failureAction;
    return result;
}

} // namespace

Result<fs::path> copyIntoFolder(FolderIndex& folder, const fs::path& source, std::string_view name,
                                const FolderCopy& how) {
    const auto existing = folder.find(name);
    if (!existing.ok())
        return {{}, existing.problem};
    const auto spelling = existing.value ? existing.value->name : std::string(name);
    auto result = copyTo(folder.folder() / pathFromText(spelling),
                         existing.value ? std::optional(existing.value->kind) : std::nullopt, source, how);
    if (result.ok())
        folder.noteCreated(FolderEntry{spelling, EntryKind::PlainFile});
    return result;
}

Result<fs::path> copyIntoFolder(const fs::path& folder, const fs::path& source, std::string_view name,
                                const FolderCopy& how) {
    const auto where = resolve(folder, name);
    if (!where.ok())
        return {{}, where.problem};
    return copyTo(where.value.path, entryKindAt(where.value.path), source, how);
}

Problem leftInPlace(const fs::path& path, const std::string& action, EntryKind kind) {
    const char* what = kind == EntryKind::Link     ? "it is a link, which is never followed"
                       : kind == EntryKind::Folder ? "it is a folder"
                                                   : "it is not a plain file";
    return Problem{path, action, std::string("left in place: ") + what};
}

bool sameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec))
        return true;
    return a.lexically_normal() == b.lexically_normal();
}

} // namespace common
