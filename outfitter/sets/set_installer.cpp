#include "outfitter/sets/set_installer.h"

#include "common/file_compare.h"
#include "common/folder_copy.h"
#include "common/folder_index.h"
#include "common/game_file_ops.h"
#include "outfitter/core/game_targets.h"
#include "outfitter/sets/set_file_rules.h"

#include "common/names.h"

#include <optional>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

double fractionDone(std::size_t index, std::size_t count) {
    return count == 0 ? 1.0 : static_cast<double>(index + 1) / static_cast<double>(count);
}

void tell(const ProgressCallback& progress, std::string caption, double fraction) {
    if (progress)
        progress(FileWorkProgress{std::move(caption), fraction});
}

} // namespace

FileWorkReport MoveIn(const fs::path& gameFolder, const fs::path& setFolder,
                      const ProgressCallback& progress) {
    FileWorkReport report;
    if (common::sameFolder(gameFolder, setFolder))
        return report;
    const auto names = setFileNames(setFolder);
    if (!names.ok()) {
        report.problems.push_back(*names.problem);
        report.setUnread = true;
        return report;
    }
    std::vector<std::string> copied;
    for (const auto& name : names.value)
        if (!skippedWhenLoading(name))
            copied.push_back(name);
    GameTargets targets(gameFolder);
    const auto loadOne = [&](const std::string& name) -> std::optional<common::Problem> {
        const auto action = "copying " + name + " to";
        const auto target = targets.get(loadDestination(name));
        if (!target.index)
            return common::Problem{target.problem->path / common::pathFromText(name), action,
                                   target.problem->reason};
        auto placed = common::copyIntoFolder(*target.index, setFolder / common::pathFromText(name), name,
                                             {action, {}, {}});
        if (!placed.ok())
            return placed.problem;
        report.done.push_back(placed.value);
        return std::nullopt;
    };
    for (std::size_t i = 0; i < copied.size(); ++i) {
        if (auto problem = loadOne(copied[i]))
            report.problems.push_back(std::move(*problem));
        tell(progress, std::string(kCopyingCaption) + ":" + copied[i], fractionDone(i, copied.size()));
    }
    return report;
}

FileWorkReport returnCampaignSaves(const fs::path& gameFolder, const fs::path& setFolder) {
    FileWorkReport report;
    GameTargets targets(gameFolder);
    const auto savedata = targets.get(GameSubfolder::Savedata);
    if (!savedata.index) {
        if (!savedata.missing)
            report.problems.push_back(*savedata.problem);
        return report;
    }
    auto campaign = common::FolderIndex::scan(setFolder);
    if (!campaign.ok()) {
        report.problems.push_back(*campaign.problem);
        return report;
    }
    for (const auto& save : savedata.index->entries()) {
        if (!common::wildcardMatch("*.sve", save.name))
            continue;
        const auto source = savedata.index->folder() / common::pathFromText(save.name);
        if (save.kind != common::EntryKind::PlainFile) {
            report.problems.push_back(common::leftInPlace(source, "returning", save.kind));
            continue;
        }
        auto returned = common::copyIntoFolder(campaign.value, source, save.name,
                                               {"returning " + save.name + " to", {}, {}});
        if (!returned.ok()) {
            report.problems.push_back(std::move(*returned.problem));
            continue;
        }
        if (auto problem = common::deleteFile(source))
            report.problems.push_back(std::move(*problem));
        else
            report.done.push_back(source);
    }
    return report;
}

namespace {

// The plain files of `setFolder`'s names where unloading looks for them, with `place` limiting the
// places looked in; each callback gets the listing entry and its path.
template <class Each>
void eachLoadedFile(const fs::path& gameFolder, const std::vector<std::string>& names, bool subfoldersOnly,
                    FileWorkReport& report, Each each) {
    GameTargets targets(gameFolder);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto& name = names[i];
        const auto place = unloadLookup(name);
        if (subfoldersOnly && place == GameSubfolder::Top)
            continue;
        const auto target = targets.get(place);
        if (!target.index) {
            if (!target.missing) // nothing can have been loaded into a folder that is not there
                report.problems.push_back(*target.problem);
            continue;
        }
        const auto present = target.index->find(name);
        if (!present.ok()) {
            report.problems.push_back(*present.problem);
            continue;
        }
        if (!present.value)
            continue;
        const auto file = target.index->folder() / common::pathFromText(present.value->name);
        if (present.value->kind == common::EntryKind::Link) {
            report.problems.push_back(common::leftInPlace(file, "deleting", common::EntryKind::Link));
            continue;
        }
        if (present.value->kind != common::EntryKind::PlainFile)
            continue; // a folder of that name is not the set's file
        each(i, *target.index, present.value->name, file);
    }
}

FileWorkReport moveOut(const fs::path& gameFolder, const fs::path& setFolder,
                       const ProgressCallback& progress, bool subfoldersOnly, bool onlyOwnCopies = false) {
    FileWorkReport report;
    if (common::sameFolder(gameFolder, setFolder))
        return report;
    if (isCampaignSetFolder(setFolder))
        report = returnCampaignSaves(gameFolder, setFolder);
    const auto names = setFileNames(setFolder);
    if (!names.ok()) {
        report.problems.push_back(*names.problem);
        report.setUnread = true;
        return report;
    }
    const auto count = names.value.size();
    eachLoadedFile(
        gameFolder, names.value, subfoldersOnly, report,
        [&](std::size_t i, common::FolderIndex& index, const std::string& name, const fs::path& file) {
            if (onlyOwnCopies && !common::isCopyOf(file, setFolder / common::pathFromText(names.value[i])))
                return;
            tell(progress, std::string(kDeletingCaption) + name, fractionDone(i, count));
            if (auto problem = common::deleteFile(file)) {
                report.problems.push_back(std::move(*problem));
                report.stayed.push_back(file);
            } else {
                index.noteRemoved(name);
                report.done.push_back(file);
            }
        });
    return report;
}

} // namespace

FileWorkReport MoveOut(const fs::path& gameFolder, const fs::path& setFolder,
                       const ProgressCallback& progress) {
    return moveOut(gameFolder, setFolder, progress, false);
}

FileWorkReport MoveOutOwnCopies(const fs::path& gameFolder, const fs::path& setFolder,
                                const ProgressCallback& progress) {
    return moveOut(gameFolder, setFolder, progress, false, true);
}

FileWorkReport moveOutOfSubfolders(const fs::path& gameFolder, const fs::path& setFolder,
                                   const ProgressCallback& progress) {
    return moveOut(gameFolder, setFolder, progress, true);
}

std::vector<fs::path> setFilesInSubfolders(const fs::path& gameFolder, const fs::path& setFolder) {
    std::vector<fs::path> files;
    if (common::sameFolder(gameFolder, setFolder))
        return files;
    const auto names = setFileNames(setFolder);
    FileWorkReport ignored;
    eachLoadedFile(gameFolder, names.value, true, ignored,
                   [&](std::size_t, common::FolderIndex&, const std::string&, const fs::path& file) {
                       files.push_back(file);
                   });
    return files;
}

bool loadArrived(const FileWorkReport& load) {
    return !load.done.empty() || load.ok();
}

bool unloadFinished(const FileWorkReport& unload) {
    return unload.stayed.empty() && !unload.setUnread;
}

} // namespace outfitter
