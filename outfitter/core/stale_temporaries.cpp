#include "stale_temporaries.h"

#include "import_commit.h"

#include "common/atomic_file.h"
#include "common/folder_index.h"
#include "common/game_file_ops.h"
#include "common/names.h"

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

std::string namesText(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return text;
}

// An add killed between the renames of its sets is finished: every set it named arrives, or, when
// that cannot be done, none. Returns false when the import folder must stay for another try.
bool finishCommittedImport(const fs::path& selectorFolder, const fs::path& importFolder,
                           common::Problems& problems) {
    const auto commit = readImportCommit(importFolder);
    if (!commit.ok()) {
        problems.push_back(*commit.problem);
        return true; // a note that cannot be read tells nothing: the folder goes, sets aside come back
    }
    if (!commit.value)
        return true;
    const auto& work = *commit.value;
    const auto source = "\"" + common::lastPathComponent(work.source) + "\"";
    auto failed = placeStagedSets(selectorFolder, importFolder, work);
    if (failed.empty()) {
        problems.push_back({{},
                            {},
                            "Adding sets from " + source +
                                " was interrupted; it was finished: " + namesText(work.sets) +
                                (work.sets.size() == 1 ? " was" : " were") + " added"});
        return true;
    }
    problems.push_back({{},
                        {},
                        "Adding sets from " + source +
                            " was interrupted and could not be finished, so none of its sets was added"});
    problems.insert(problems.end(), failed.begin(), failed.end());
    return true;
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
        if (!finishCommittedImport(selectorFolder, folder, problems))
            continue; // kept, so the next start tries again
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
