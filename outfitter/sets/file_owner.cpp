#include "outfitter/sets/file_owner.h"

#include "outfitter/core/game_targets.h"
#include "outfitter/sets/set_file_rules.h"

#include "common/problem.h"

namespace outfitter {

FileOwner setOwner(const std::string& name, const std::filesystem::path& setFolder) {
    FileOwner owner{name, {}};
    const auto names = setFileNames(setFolder);
    for (const auto& file : names.value)
        if (!skippedWhenLoading(file))
            owner.files.push_back({file, loadDestination(file), setFolder / common::pathFromText(file)});
    return owner;
}

} // namespace outfitter
