#include "outfitter/sets/clean_up.h"

#include "common/folder_copy.h"
#include "common/folder_index.h"
#include "common/game_file_ops.h"
#include "outfitter/core/game_targets.h"
#include "outfitter/core/load_ledger.h"

#include "common/atomic_file.h"
#include "common/names.h"
#include "common/resolver.h"
#include "common/text_file.h"

#include <array>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

common::Result<std::string> cleanUpPatterns(const fs::path& selectorFolder) {
    common::Result<std::string> result;
    const auto where = common::resolve(selectorFolder, kCleanUpIniName);
    if (!where.ok()) {
        result.problem = where.problem;
        return result;
    }
    if (!where.value.exists) {
        result.value = kBuiltInCleanUpPatterns;
        return result;
    }
    auto lines = common::readLines(where.value.path);
    if (!lines.ok())
        result.problem = lines.problem;
    else if (!lines.value.empty())
        result.value = lines.value.front();
    return result;
}

bool isProtectedName(std::string_view fileName) {
    constexpr std::array<std::string_view, 4> kProtected{"DSG.ICO", "EXTRA.SPT", "CHATLINE.TXT", "HOF.DAT"};
    const auto upper = common::toUpperAscii(fileName);
    for (const auto name : kProtected)
        if (upper == name)
            return true;
    return false;
}

bool matchesCleanUpPatterns(std::string_view patterns, std::string_view fileName) {
    while (!patterns.empty()) {
        const auto end = patterns.find(';');
        const auto pattern = trimmed(patterns.substr(0, end));
        if (!pattern.empty() && common::wildcardMatch(pattern, fileName))
            return true;
        if (end == std::string_view::npos)
            break;
        patterns.remove_prefix(end + 1);
    }
    return false;
}

namespace {

bool cleanedUp(const common::FolderEntry& entry, std::string_view patterns) {
    return entry.kind != common::EntryKind::Folder && !isProtectedName(entry.name) &&
           matchesCleanUpPatterns(patterns, entry.name);
}

} // namespace

common::Result<std::vector<std::string>> cleanUpList(const fs::path& gameFolder,
                                                     const fs::path& selectorFolder) {
    common::Result<std::vector<std::string>> result;
    const auto patterns = cleanUpPatterns(selectorFolder);
    if (!patterns.ok()) {
        result.problem = patterns.problem;
        return result;
    }
    const auto listing = common::FolderIndex::scan(gameFolder);
    if (!listing.ok()) {
        result.problem = listing.problem;
        return result;
    }
    for (const auto& entry : listing.value.entries())
        if (entry.kind == common::EntryKind::PlainFile && cleanedUp(entry, patterns.value))
            result.value.push_back(entry.name);
    return result;
}

FileWorkReport CleanUp(const fs::path& gameFolder, const fs::path& selectorFolder,
                       const ProgressCallback& progress) {
    FileWorkReport report;
    const auto patterns = cleanUpPatterns(selectorFolder);
    if (!patterns.ok()) {
        report.problems.push_back(*patterns.problem);
        return report;
    }
    auto listing = common::FolderIndex::scan(gameFolder);
    if (!listing.ok()) {
        report.problems.push_back(*listing.problem);
        return report;
    }
    const auto& entries = listing.value.entries();
    const std::size_t reportEvery = entries.size() / 100 + 1;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& entry = entries[i];
        if (progress && i % reportEvery == 0)
            progress(FileWorkProgress{kCleaningCaption,
                                      static_cast<double>(i) / static_cast<double>(entries.size())});
        if (!cleanedUp(entry, patterns.value))
            continue;
        const auto file = gameFolder / common::pathFromText(entry.name);
        if (entry.kind != common::EntryKind::PlainFile) {
            report.problems.push_back(common::leftInPlace(file, "deleting", entry.kind));
            continue;
        }
        if (auto problem = common::deleteFile(file)) {
            report.problems.push_back(std::move(*problem));
            report.stayed.push_back(file);
        } else {
            report.done.push_back(file);
        }
    }
    if (progress)
        progress(FileWorkProgress{kCleaningCaption, 1.0});
    return report;
}

FileWorkReport resetAllFiles(const fs::path& gameFolder, const fs::path& selectorFolder,
                             const ProgressCallback& progress) {
    auto report = CleanUp(gameFolder, selectorFolder, progress);
    report.add(finishResetAll(gameFolder, selectorFolder));
    return report;
}

FileWorkReport finishResetAll(const fs::path& gameFolder, const fs::path& selectorFolder) {
    FileWorkReport report;

    // "Reset All" leaves a ledger of zero bytes, unlike the summary refresh's single line break.
    if (const auto ledger = common::resolve(selectorFolder, kLedgerFileName); !ledger.ok())
        report.problems.push_back(*ledger.problem);
    else if (auto problem = common::writeFileAtomically(ledger.value.path, ""))
        report.problems.push_back(std::move(*problem));

    const auto stock = common::resolve(selectorFolder, kStockExecutableName);
    if (!stock.ok()) {
        report.problems.push_back(*stock.problem);
        return report;
    }
    if (!stock.value.exists || common::entryKindAt(stock.value.path) == common::EntryKind::Folder)
        return report;
    auto placed = common::copyIntoFolder(gameFolder, stock.value.path, kStockExecutableName,
                                         {"copying eaw.exe to", {}, {}});
    if (placed.ok())
        report.done.push_back(placed.value);
    else
        report.problems.push_back(std::move(*placed.problem));
    return report;
}

} // namespace outfitter
