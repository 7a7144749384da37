#include "set_catalog.h"

#include "common/folder_listing.h"
#include "common/names.h"

#include <array>

namespace outfitter {

bool SetCatalog::isReservedName(std::string_view folderName) {
    const std::string upper = common::toUpperAscii(folderName);
    return upper == "AUTOSCRIPTS" || upper == "SKINFOLDER" || upper == "UNUSED";
}

SetCatalog SetCatalog::build(const std::filesystem::path& selectorFolder,
                             const std::vector<std::string>& folderNames, const CategoryTable& categories) {
    // One pass groups the folders by first byte, so each category line costs only its own sets
    // instead of a walk over the whole folder list.
    std::array<std::vector<std::size_t>, 256> byFirstByte;
    for (std::size_t i = 0; i < folderNames.size(); ++i) {
        const auto& name = folderNames[i];
        // A leading dot marks the selector's own folders (".originals"), never a set, whatever
        // letters "qiv.ini" lists.
        if (name.empty() || name.front() == '.' || isReservedName(name))
            continue;
        byFirstByte[static_cast<unsigned char>(name.front())].push_back(i);
    }

    SetCatalog catalog;
    for (const auto& category : categories.categories()) {
        if (category.letter.size() != 1)
            continue;
        for (const std::size_t i : byFirstByte[static_cast<unsigned char>(category.letter.front())])
            catalog.rows_.push_back({common::pathText(selectorFolder / common::pathFromText(folderNames[i])),
                                     folderNames[i], false});
    }
    return catalog;
}

SetCatalog SetCatalog::scan(const std::filesystem::path& selectorFolder, const CategoryTable& categories,
                            common::Problems& problems) {
    auto listing = common::listFolders(selectorFolder);
    if (!listing.ok())
        problems.push_back(*listing.problem);
    return build(selectorFolder, listing.value, categories);
}

std::size_t SetCatalog::markLoaded(std::string_view name) {
    std::size_t marked = 0;
    for (auto& row : rows_)
        if (row.name == name) {
            row.loaded = true;
            ++marked;
        }
    return marked;
}

} // namespace outfitter
