#include "outfitter/planes/skin_names.h"

#include "common/folder_listing.h"
#include "common/names.h"

namespace outfitter {

std::string aircraftCode(const std::filesystem::path& skinFolder, common::Problems& problems) {
    const auto models = common::listFiles(skinFolder, "p*.3dz");
    if (!models.ok()) {
        problems.push_back(*models.problem);
        return {};
    }
    if (models.value.empty())
        return {};
    return common::toUpperAscii(std::string_view(models.value.front()).substr(1, 4));
}

SkinNameCheck checkSkinName(std::string_view name, const std::vector<std::string>& taken) {
    for (const auto& existing : taken)
        if (existing == name)
            return {SkinNameVerdict::InUse, existing, {}};
    if (name.empty())
        return {SkinNameVerdict::Empty, {}, {}};
    if (auto fault = common::folderNameFault(name); !fault.empty())
        return {SkinNameVerdict::NotAFolderName, {}, std::move(fault)};
    for (const auto& existing : taken)
        if (common::equalsIgnoreCase(existing, name))
            return {SkinNameVerdict::DiffersOnlyInCase, existing, {}};
    return {};
}

} // namespace outfitter
