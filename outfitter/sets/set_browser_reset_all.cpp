// "Reset All" of the set browser: every set, skin and plane set out of the game folder, the
// clean-up, the kept originals back and the stock "eaw.exe" in place, with the question's count.

#include "outfitter/sets/set_browser.h"

#include "outfitter/core/game_targets.h"
#include "outfitter/sets/change_lines.h"
#include "outfitter/sets/clean_up.h"
#include "outfitter/sets/set_installer.h"

#include "common/folder_index.h"
#include "common/names.h"

#include <algorithm>

namespace outfitter {

namespace fs = std::filesystem;

BrowserChange SetBrowser::resetAll(const ProgressCallback& progress) {
    BrowserChange change;
    if (refreshing_)
        return change;
    ready_ = true;
    const bool journaled = beginWork({WorkJournal::Kind::ResetAll, "Reset All"}, change);
    // Whose files stand in the game folder decides which kept originals go back at the end.
    const auto wereOwners = loadedOwners(rows_.size());
    std::vector<std::size_t> wereLoaded;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].loaded)
            wereLoaded.push_back(i);
    const auto placed = removeSetPlaceFiles(wereLoaded, progress);
    for (const auto i : wereLoaded) {
        rows_[i].loaded = false;
        change.rowsChanged.push_back(i);
    }
    const std::size_t skins = partners_->markedSkins().size();
    std::size_t failed = placed.problems.size();
    change.work.add(placed);
    const auto skinReport = partners_->unloadMarkedSkins(progress);
    logFiles(ChangeKind::Delete, skinReport, "of a skin");
    failed += skinReport.problems.size();
    const std::size_t skinFiles = skinReport.done.size();
    change.work.add(skinReport);
    // No restore here: the clean-up that follows would delete what came back.
    partners_->clearPlaneSets();
    planeSetsShown_ = false;
    const auto cleaned = CleanUp(gameFolder_, selectorFolder_, progress);
    logFiles(ChangeKind::Delete, cleaned, "by the clean-up");
    // The kept originals go back once nothing of any set is left to stand in their way.
    const auto restored = OriginalStore(gameFolder_, selectorFolder_).restoreAll(wereOwners, finishing_);
    log(restored.changes);
    const auto finished = finishResetAll(gameFolder_, selectorFolder_);
    logFiles(ChangeKind::Copy, finished, "(the stock eaw.exe)");
    for (const auto* work : {&cleaned, &restored.work, &finished}) {
        failed += work->problems.size();
        change.work.add(*work);
    }
    summary_.clear();
    change.summaryChanged = true;

    // A set whose file could not be deleted is still (partly) in the game folder.
    bool anyKept = false;
    for (const auto i : wereLoaded) {
        const fs::path folder = common::pathFromText(rows_[i].path);
        const auto names = setFileNames(folder);
        FileWorkReport left;
        for (const auto* stayed : {&cleaned.stayed, &placed.stayed})
            for (const auto& file : *stayed)
                for (const auto& name : names.value)
                    if (common::equalsIgnoreCase(name, common::pathText(file.filename())))
                        left.stayed.push_back(file);
        if (!left.stayed.empty()) {
            rows_[i].loaded = true;
            anyKept = true;
            change.work.problems.push_back(stayedLoaded(folder, left));
        }
    }
    if (anyKept)
        summaryRefresh(change); // the ledger lists what stayed instead of nothing
    if (journaled)
        endWork(change);
    // Every file that went, as the question counted them.
    change.told.push_back(
        resetAllLine(cleaned.done.size() + placed.done.size() + skinFiles, skins, restored, failed));
    return change;
}

FileWorkReport SetBrowser::removeSetPlaceFiles(const std::vector<std::size_t>& rows,
                                               const ProgressCallback& progress) {
    FileWorkReport all;
    for (const auto i : rows) {
        const fs::path folder = common::pathFromText(rows_[i].path);
        auto report = moveOutOfSubfolders(gameFolder_, folder, progress);
        FileWorkReport moved;
        FileWorkReport deleted;
        for (const auto& file : report.done)
            (common::toUpperAscii(common::pathText(file.extension())) == ".SVE" ? moved : deleted)
                .done.push_back(file);
        logFiles(ChangeKind::Rename, moved, "into " + rows_[i].name);
        logFiles(ChangeKind::Delete, deleted, "of " + rows_[i].name);
        report.done = deleted.done; // careers moved back to their set are not counted as deleted
        all.add(report);
    }
    return all;
}

ResetAllPreview SetBrowser::previewResetAll() const {
    ResetAllPreview preview;
    auto listed = cleanUpList(gameFolder_, selectorFolder_);
    if (!listed.ok())
        preview.problems.push_back(*listed.problem);
    preview.taken = std::move(listed.value);
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].loaded)
            for (const auto& file : setFilesInSubfolders(gameFolder_, common::pathFromText(rows_[i].path)))
                preview.taken.push_back(common::pathText(file.lexically_relative(gameFolder_)));
    preview.skinsToRemove = partners_->markedSkins().size();
    // A skin's files go before the clean-up; those its patterns would not take are counted here.
    if (const auto skinOwners = partners_->skinOwners(); !skinOwners.empty()) {
        const auto patterns = cleanUpPatterns(selectorFolder_);
        const auto game = common::FolderIndex::scan(gameFolder_);
        std::vector<std::string> counted;
        for (const auto& owner : skinOwners)
            for (const auto& file : owner.files) {
                const auto present = game.value.find(file.name);
                if (!present.ok() || !present.value || present.value->kind != common::EntryKind::PlainFile)
                    continue;
                const auto& name = present.value->name;
                if (std::find(counted.begin(), counted.end(), name) != counted.end())
                    continue;
                counted.push_back(name);
                if (!patterns.ok() || isProtectedName(name) || !matchesCleanUpPatterns(patterns.value, name))
                    preview.taken.push_back(name);
            }
    }
    preview.filesToDelete = preview.taken.size();
    preview.originals = OriginalStore(gameFolder_, selectorFolder_).countHeldBy(loadedOwners(rows_.size()));
    return preview;
}

} // namespace outfitter
