#pragma once
// The file work of one skin: its travelling files copied into the game folder, or the game folder's
// files of the same names deleted again. Only plain files directly in the game folder are ever
// replaced or deleted; a folder or a link of that name is left alone.

#include "outfitter/core/file_work.h"

#include "common/problem.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>

namespace outfitter {

// The two file operations, replaceable so tests can make one file fail.
struct SkinFileOps {
    std::function<std::optional<common::Problem>(const std::filesystem::path& source,
                                                 const std::filesystem::path& destination)>
        copy;
    std::function<std::optional<common::Problem>(const std::filesystem::path& file)> remove;

    static SkinFileOps standard();
};

struct SkinFileWork {
    FileWorkReport report;
    bool listed = true;     // the skin folder could be listed; otherwise nothing was tried
    std::size_t tried = 0;  // files that were to be copied (install) or were found to delete (remove)
    std::size_t failed = 0; // of those, the ones the file system refused
};

SkinFileWork installSkinFiles(const std::filesystem::path& gameFolder,
                              const std::filesystem::path& skinFolder, bool includeFlightData,
                              const SkinFileOps& ops, const ProgressCallback& progress);

// A file that is not in the game folder is passed over silently. With `onlyOwnCopies` (finishing a
// removal that died part-way) a file is deleted only while it holds the skin's own bytes.
SkinFileWork removeSkinFiles(const std::filesystem::path& gameFolder, const std::filesystem::path& skinFolder,
                             bool includeFlightData, const SkinFileOps& ops,
                             const ProgressCallback& progress, bool onlyOwnCopies = false);

} // namespace outfitter
