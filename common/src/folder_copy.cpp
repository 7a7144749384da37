#include "common/folder_copy.h"

#include "common/game_file_ops.h"

#include <system_error>

namespace common {

namespace fs = std::filesystem;

Result<fs::path> copyIntoFolder(FolderIndex& folder, const fs::path& source, std::string_view name,
                                const FolderCopy& how) {
    Result<fs::path> result;
    const auto existing = folder.find(name);
    if (!existing.ok()) {
        result.problem = existing.problem;
        return result;
    }
    const auto spelling = existing.value ? existing.value->name : std::string(name);
    const auto destination = folder.folder() / pathFromText(spelling);
    if (existing.value && existing.value->kind != EntryKind::PlainFile) {
        result.problem = leftInPlace(destination, how.refusalAction, existing.value->kind);
        return result;
    }
    auto problem = how.copy ? how.copy(source, destination) : copyReplacing(source, destination);
    if (problem) {
        if (!how.failureAction.empty())
            problem->action = how.failureAction;
        result.problem = std::move(problem);
        return result;
    }
    folder.noteCreated(FolderEntry{spelling, EntryKind::PlainFile});
    result.value = destination;
    return result;
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
