#include "stale_temporaries.h"

#include "common/atomic_file.h"
#include "common/folder_index.h"
#include "common/game_file_ops.h"

namespace outfitter {

std::vector<std::filesystem::path> removeStaleTemporaries(const std::vector<std::filesystem::path>& folders,
                                                          common::Problems& problems) {
    std::vector<std::filesystem::path> removed;
    for (const auto& folder : folders) {
        const auto index = common::FolderIndex::scan(folder);
        if (!index.ok()) {
            problems.push_back(*index.problem);
            continue;
        }
        for (const auto& entry : index.value.entries()) {
            if (entry.kind != common::EntryKind::PlainFile ||
                (!common::isPartialCopyName(entry.name) && !common::isAtomicTemporaryName(entry.name)))
                continue;
            const auto file = folder / common::pathFromText(entry.name);
            if (auto failed = common::deleteFile(file))
                problems.push_back(std::move(*failed));
            else
                removed.push_back(file);
        }
    }
    return removed;
}

} // namespace outfitter
