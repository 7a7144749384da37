#include "outfitter/core/game_targets.h"

#include "common/resolver.h"

#include <system_error>

namespace outfitter {

namespace fs = std::filesystem;

GameTargets::Target GameTargets::get(GameSubfolder which) {
    auto& slot = slots_[static_cast<std::size_t>(which)];
    if (!slot.tried) {
        slot.tried = true;
        fs::path folder = gameFolder_;
        if (which != GameSubfolder::Top) {
            const auto name = which == GameSubfolder::Savedata ? kSavedataFolderName : kMusicFolderName;
            auto where = common::resolve(gameFolder_, name);
            if (!where.ok())
                slot.problem = where.problem;
            else if (!where.value.exists) {
                slot.missing = true;
                slot.problem = common::Problem{where.value.path, "finding", "the folder does not exist"};
            } else if (const auto kind = common::entryKindAt(where.value.path);
                       kind != common::EntryKind::Folder) {
                slot.problem = common::Problem{where.value.path, "using",
                                               kind == common::EntryKind::Link
                                                   ? "the folder is a link, which is never followed"
                                                   : "it is not a folder"};
            }
            folder = where.value.path;
        }
        if (!slot.problem) {
            auto scanned = common::FolderIndex::scan(folder);
            if (scanned.ok())
                slot.index = std::move(scanned.value);
            else
                slot.problem = scanned.problem;
        }
    }
    return Target{slot.index ? &*slot.index : nullptr, slot.problem, slot.missing};
}

common::Result<std::vector<std::string>> setFileNames(const fs::path& setFolder) {
    common::Result<std::vector<std::string>> result;
    auto scanned = common::FolderIndex::scan(setFolder);
    if (!scanned.ok()) {
        result.problem = scanned.problem;
        return result;
    }
    for (const auto& entry : scanned.value.entries()) {
        bool isSetFile = entry.kind == common::EntryKind::PlainFile;
        if (entry.kind == common::EntryKind::Link) {
            std::error_code ec;
            isSetFile = fs::is_regular_file(setFolder / common::pathFromText(entry.name), ec);
        }
        if (isSetFile)
            result.value.push_back(entry.name);
    }
    return result;
}

} // namespace outfitter
