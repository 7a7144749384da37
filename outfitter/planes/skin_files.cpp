#include "outfitter/planes/skin_files.h"

#include "outfitter/core/game_targets.h"
#include "outfitter/planes/skin_file_class.h"

#include "common/file_compare.h"
#include "common/folder_copy.h"
#include "common/folder_index.h"
#include "common/game_file_ops.h"

#include <string>
#include <vector>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

void tell(const ProgressCallback& progress, std::string caption, std::size_t index, std::size_t count) {
    if (progress)
        progress(FileWorkProgress{std::move(caption),
                                  static_cast<double>(index + 1) / static_cast<double>(count)});
}

// The travelling files of the skin, or nothing (and `work.listed` false) when it cannot be listed.
std::vector<std::string> travellingFiles(const fs::path& skinFolder, bool includeFlightData,
                                         SkinFileWork& work) {
    std::vector<std::string> names;
    const auto files = setFileNames(skinFolder);
    if (!files.ok()) {
        work.listed = false;
        work.report.problems.push_back(*files.problem);
        return names;
    }
    for (const auto& name : files.value)
        if (skinFileTravels(name, includeFlightData))
            names.push_back(name);
    return names;
}

// The listing of the game folder, or nullopt (and the problem noted) when it cannot be listed.
std::optional<common::FolderIndex> gameIndex(const fs::path& gameFolder, SkinFileWork& work) {
    auto index = common::FolderIndex::scan(gameFolder);
    if (!index.ok()) {
        work.listed = false;
        work.report.problems.push_back(*index.problem);
        return std::nullopt;
    }
    return std::move(index.value);
}

} // namespace

SkinFileOps SkinFileOps::standard() {
    return {common::copyReplacing, common::deleteFile};
}

SkinFileWork installSkinFiles(const fs::path& gameFolder, const fs::path& skinFolder, bool includeFlightData,
                              const SkinFileOps& ops, const ProgressCallback& progress) {
    SkinFileWork work;
    const auto names = travellingFiles(skinFolder, includeFlightData, work);
    if (!work.listed)
        return work;
    auto index = gameIndex(gameFolder, work);
    if (!index)
        return work;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto& name = names[i];
        ++work.tried;
        auto placed = common::copyIntoFolder(*index, skinFolder / common::pathFromText(name), name,
                                             {"copying " + name + " to", {}, ops.copy});
        if (placed.ok()) {
            work.report.done.push_back(placed.value);
        } else {
            ++work.failed;
            work.report.problems.push_back(std::move(*placed.problem));
        }
        tell(progress, std::string(kCopyingCaption) + ":" + name, i, names.size());
    }
    return work;
}

SkinFileWork removeSkinFiles(const fs::path& gameFolder, const fs::path& skinFolder, bool includeFlightData,
                             const SkinFileOps& ops, const ProgressCallback& progress, bool onlyOwnCopies) {
    SkinFileWork work;
    const auto names = travellingFiles(skinFolder, includeFlightData, work);
    if (!work.listed)
        return work;
    auto index = gameIndex(gameFolder, work);
    if (!index)
        return work;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto present = index->find(names[i]);
        if (!present.ok()) {
            ++work.tried;
            ++work.failed;
            work.report.problems.push_back(*present.problem);
            continue;
        }
        if (!present.value)
            continue;
        const auto file = gameFolder / common::pathFromText(present.value->name);
        if (present.value->kind == common::EntryKind::Link) {
            // Not a file this program put there, and deleting through it could reach anywhere.
            work.report.problems.push_back(common::leftInPlace(file, "deleting", common::EntryKind::Link));
            continue;
        }
        if (present.value->kind != common::EntryKind::PlainFile)
            continue; // a folder of that name is not the skin's file
        if (onlyOwnCopies && !common::isCopyOf(file, skinFolder / common::pathFromText(names[i])))
            continue;
        ++work.tried;
        tell(progress, std::string(kDeletingCaption) + present.value->name, i, names.size());
        if (auto problem = ops.remove(file)) {
            ++work.failed;
            work.report.problems.push_back(std::move(*problem));
        } else {
            index->noteRemoved(present.value->name);
            work.report.done.push_back(file);
        }
    }
    return work;
}

} // namespace outfitter
