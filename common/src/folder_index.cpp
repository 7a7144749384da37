#include "common/folder_index.h"

#include "common/names.h"

#include <algorithm>
#include <system_error>

namespace common {

namespace {

EntryKind kindOf(std::filesystem::file_status status) {
    switch (status.type()) {
    case std::filesystem::file_type::regular:
        return EntryKind::PlainFile;
    case std::filesystem::file_type::directory:
        return EntryKind::Folder;
    case std::filesystem::file_type::symlink:
        return EntryKind::Link;
    default:
        return EntryKind::Other;
    }
}

} // namespace

Result<FolderIndex> FolderIndex::scan(const std::filesystem::path& folder) {
    Result<FolderIndex> result;
    result.value.folder_ = folder;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::error_code statusError;
        // The directory entry caches the type read with the name, so this costs no extra call.
        const auto status = it->symlink_status(statusError);
        FolderEntry entry{pathText(it->path().filename()), statusError ? EntryKind::Other : kindOf(status)};
        result.value.byUpperName_[toUpperAscii(entry.name)].push_back(entry);
        result.value.entries_.push_back(std::move(entry));
    }
    if (ec) {
        result.problem = problemFromError(folder, "listing", ec);
        result.value.entries_.clear();
        result.value.byUpperName_.clear();
        return result;
    }
    std::sort(result.value.entries_.begin(), result.value.entries_.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return fileListLess(a.name, b.name); });
    return result;
}

Result<std::optional<FolderEntry>> FolderIndex::find(std::string_view name) const {
    Result<std::optional<FolderEntry>> result;
    const auto bucket = byUpperName_.find(toUpperAscii(name));
    if (bucket == byUpperName_.end())
        return result;
    const auto& candidates = bucket->second;
    const auto exact = std::find_if(candidates.begin(), candidates.end(),
                                    [&](const FolderEntry& entry) { return entry.name == name; });
    if (candidates.size() > 1) {
        // Even with an exact match: on a case-sensitive disk these are two files the game takes for one,
        // and whichever we touched, the other would still stand in its way.
        std::vector<std::string> names;
        for (const auto& candidate : candidates)
            names.push_back(candidate.name);
        result.problem = caseClashProblem(folder_, names, "finding \"" + std::string(name) + "\" in");
        if (exact != candidates.end())
            result.value = *exact;
        return result;
    }
    result.value = candidates.front();
    return result;
}

void FolderIndex::noteCreated(const FolderEntry& entry) {
    auto& candidates = byUpperName_[toUpperAscii(entry.name)];
    const auto same = std::find_if(candidates.begin(), candidates.end(),
                                   [&](const FolderEntry& known) { return known.name == entry.name; });
    if (same != candidates.end())
        *same = entry;
    else
        candidates.push_back(entry);
}

void FolderIndex::noteRemoved(const std::string& name) {
    const auto bucket = byUpperName_.find(toUpperAscii(name));
    if (bucket == byUpperName_.end())
        return;
    std::erase_if(bucket->second, [&](const FolderEntry& known) { return known.name == name; });
    if (bucket->second.empty())
        byUpperName_.erase(bucket);
}

Problem caseClashProblem(const std::filesystem::path& folder, const std::vector<std::string>& names,
                         const std::string& action) {
    std::string reason;
    for (std::size_t i = 0; i < names.size(); ++i)
        reason += (i == 0 ? "\"" : i + 1 == names.size() ? "\" and \"" : "\", \"") + names[i];
    reason += "\" differ only in letter case, and the game takes them for one file; rename or remove one of "
              "them, nothing was changed";
    return Problem{folder, action, reason};
}

std::vector<std::string> caseTwins(const std::filesystem::path& file) {
    std::vector<std::string> names;
    const std::string own = pathText(file.filename());
    std::error_code ec;
    std::filesystem::directory_iterator it(file.parent_path().empty() ? "." : file.parent_path(), ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string entry = pathText(it->path().filename());
        if (equalsIgnoreCase(entry, own))
            names.push_back(entry);
    }
    if (ec || names.size() < 2)
        return {};
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::vector<std::string>> caseClashes(const FolderIndex& folder) {
    std::unordered_map<std::string, std::size_t> groupOf;
    std::vector<std::vector<std::string>> groups;
    for (const auto& entry : folder.entries()) {
        const auto [at, added] = groupOf.try_emplace(toUpperAscii(entry.name), groups.size());
        if (added)
            groups.emplace_back();
        groups[at->second].push_back(entry.name);
    }
    std::erase_if(groups, [](const std::vector<std::string>& names) { return names.size() < 2; });
    return groups;
}

std::optional<EntryKind> entryKindAt(const std::filesystem::path& path) {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(path, ec);
    if (ec || status.type() == std::filesystem::file_type::not_found)
        return std::nullopt;
    return kindOf(status);
}

} // namespace common
