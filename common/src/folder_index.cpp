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
    if (exact != candidates.end())
        result.value = *exact;
    else if (candidates.size() == 1)
        result.value = candidates.front();
    else
        result.problem = Problem{folder_ / pathFromText(name), "finding", "names differ only in letter case"};
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

std::optional<EntryKind> entryKindAt(const std::filesystem::path& path) {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(path, ec);
    if (ec || status.type() == std::filesystem::file_type::not_found)
        return std::nullopt;
    return kindOf(status);
}

} // namespace common
