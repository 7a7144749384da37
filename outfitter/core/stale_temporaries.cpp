#include "stale_temporaries.h"

#include "common/atomic_file.h"
#include "common/folder_index.h"
#include "common/game_file_ops.h"

#include <random>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kImportPrefix = ".import-";
constexpr std::size_t kImportDigits = 16;

// Puts back each set folder a killed import had moved aside, unless its place was taken since.
void restoreReplacedSets(const fs::path& selectorFolder, const fs::path& importFolder,
                         common::Problems& problems) {
    const auto replaced = importFolder / kImportReplacedFolder;
    if (common::entryKindAt(replaced) != common::EntryKind::Folder)
        return;
    const auto aside = common::FolderIndex::scan(replaced);
    auto selector = common::FolderIndex::scan(selectorFolder);
    if (!aside.ok() || !selector.ok()) {
        problems.push_back(aside.ok() ? *selector.problem : *aside.problem);
        return;
    }
    for (const auto& entry : aside.value.entries()) {
        const auto taken = selector.value.find(entry.name);
        if (!taken.ok() || taken.value)
            continue; // the new set arrived (or a clash of spellings): the old one is what goes
        std::error_code ec;
        fs::rename(replaced / common::pathFromText(entry.name),
                   selectorFolder / common::pathFromText(entry.name), ec);
        if (ec)
            problems.push_back(common::problemFromError(selectorFolder / common::pathFromText(entry.name),
                                                        "putting back the set folder", ec));
        else
            selector.value.noteCreated(entry);
    }
}

} // namespace

std::string newImportFolderName() {
    static constexpr char kHex[] = "0123456789abcdef";
    std::random_device device;
    std::mt19937_64 random((static_cast<std::uint64_t>(device()) << 32) ^ device());
    std::string name(kImportPrefix);
    auto bits = random();
    for (std::size_t i = 0; i < kImportDigits; ++i, bits >>= 4)
        name += kHex[bits & 0xf];
    return name;
}

bool isImportFolderName(std::string_view name) {
    if (name.size() != kImportPrefix.size() + kImportDigits || !name.starts_with(kImportPrefix))
        return false;
    for (const char c : name.substr(kImportPrefix.size()))
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

std::vector<fs::path> removeStaleImportFolders(const fs::path& selectorFolder, common::Problems& problems) {
    std::vector<fs::path> removed;
    const auto index = common::FolderIndex::scan(selectorFolder);
    if (!index.ok()) {
        problems.push_back(*index.problem);
        return removed;
    }
    for (const auto& entry : index.value.entries()) {
        if (entry.kind != common::EntryKind::Folder || !isImportFolderName(entry.name))
            continue;
        const auto folder = selectorFolder / common::pathFromText(entry.name);
        restoreReplacedSets(selectorFolder, folder, problems);
        std::error_code ec;
        fs::remove_all(folder, ec); // never follows a link: one inside is removed as a link
        if (ec)
            problems.push_back(common::problemFromError(folder, "deleting the unfinished import", ec));
        else
            removed.push_back(folder);
    }
    return removed;
}

std::vector<fs::path> removeStaleTemporaries(const std::vector<fs::path>& folders,
                                             common::Problems& problems) {
    std::vector<fs::path> removed;
    for (const auto& folder : folders) {
        const auto index = common::FolderIndex::scan(folder);
        if (!index.ok()) {
            problems.push_back(*index.problem);
            continue;
        }
        bool hasImports = false;
        for (const auto& entry : index.value.entries()) {
            hasImports =
                hasImports || (entry.kind == common::EntryKind::Folder && isImportFolderName(entry.name));
            if (entry.kind != common::EntryKind::PlainFile ||
                (!common::isPartialCopyName(entry.name) && !common::isAtomicTemporaryName(entry.name)))
                continue;
            const auto file = folder / common::pathFromText(entry.name);
            if (auto failed = common::deleteFile(file))
                problems.push_back(std::move(*failed));
            else
                removed.push_back(file);
        }
        if (hasImports) {
            auto folders = removeStaleImportFolders(folder, problems);
            removed.insert(removed.end(), folders.begin(), folders.end());
        }
    }
    return removed;
}

} // namespace outfitter
