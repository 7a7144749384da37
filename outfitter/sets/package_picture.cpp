#include "outfitter/sets/package_picture.h"

#include "outfitter/core/file_routines.h"

#include "common/folder_listing.h"
#include "common/text_file.h"

namespace outfitter {

namespace {

bool picturedCategory(std::string_view item) {
    if (item.size() < 2 || (item[1] != '-' && item[1] != ' '))
        return false;
    const char letter = item.front();
    return letter == 'B' || letter == 'W' || letter == 'Q' || letter == 'C';
}

std::optional<std::filesystem::path> firstListed(const std::filesystem::path& folder, const char* patterns,
                                                 common::Problems& problems) {
    const auto files = common::listFiles(folder, patterns);
    if (!files.ok()) {
        problems.push_back(*files.problem);
        return std::nullopt;
    }
    if (files.value.empty())
        return std::nullopt;
    return folder / common::pathFromText(files.value.front());
}

} // namespace

std::optional<std::filesystem::path> packageItemFolder(const std::filesystem::path& selectorFolder,
                                                       std::string_view item, common::Problems& problems) {
    // Only a plain name of the selector folder: never a way out of it or into a deeper folder.
    if (selectorFolder.empty() || item.empty() || item == "." || item == ".." ||
        item.find_first_of("/\\") != std::string_view::npos)
        return std::nullopt;
    return findFolder(selectorFolder, item, problems);
}

std::optional<std::filesystem::path> findPackagePicture(const std::filesystem::path& selectorFolder,
                                                        const std::vector<std::string>& items,
                                                        common::Problems& problems) {
    for (const auto& item : items) {
        if (!picturedCategory(item))
            continue;
        const auto folder = packageItemFolder(selectorFolder, item, problems);
        if (!folder)
            continue;
        if (auto picture = firstListed(*folder, kPackagePicturePatterns, problems))
            return picture;
    }
    return std::nullopt;
}

SetDescription describePackageItem(const std::filesystem::path& selectorFolder, std::string_view item) {
    SetDescription description;
    const auto folder = packageItemFolder(selectorFolder, item, description.problems);
    if (!folder) {
        if (description.problems.empty())
            description.problems.push_back({selectorFolder,
                                            "showing the package item \"" + std::string(item) + "\" from",
                                            "no set folder of this name"});
        return description;
    }
    description.picture = firstListed(*folder, kPackageItemPicturePatterns, description.problems);
    const auto text = firstListed(*folder, kDescriptionFileName, description.problems);
    if (text) {
        auto lines = common::readLines(*text);
        if (lines.ok())
            description.lines = std::move(lines.value);
        else
            description.problems.push_back(*lines.problem);
    }
    return description;
}

} // namespace outfitter
