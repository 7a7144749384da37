#include "outfitter/sets/set_file_rules.h"

#include "common/names.h"
#include "common/problem.h"

#include <array>
#include <string>

namespace outfitter {

namespace {

bool endsWith(const std::string& upperName, std::string_view upperTail) {
    return upperName.size() >= upperTail.size() &&
           std::string_view(upperName).substr(upperName.size() - upperTail.size()) == upperTail;
}

} // namespace

GameSubfolder loadDestination(std::string_view fileName) {
    const auto upper = common::toUpperAscii(fileName);
    if (endsWith(upper, ".MSN") || endsWith(upper, ".SVE"))
        return GameSubfolder::Savedata;
    if (endsWith(upper, ".BGM"))
        return GameSubfolder::Music;
    return GameSubfolder::Top;
}

bool skippedWhenLoading(std::string_view fileName) {
    const auto upper = common::toUpperAscii(fileName);
    if (upper.starts_with("ECA") || upper == "MYPIC" || upper == "CONTENTS.TXT")
        return true;
    constexpr std::array<std::string_view, 4> skippedTails{".LDR", ".JPG", ".PCX", ".GIF"};
    for (const auto tail : skippedTails)
        if (endsWith(upper, tail))
            return true;
    return false;
}

GameSubfolder unloadLookup(std::string_view fileName) {
    const auto upper = common::toUpperAscii(fileName);
    if (endsWith(upper, ".MSN"))
        return GameSubfolder::Savedata;
    if (endsWith(upper, ".BGM"))
        return GameSubfolder::Music;
    return GameSubfolder::Top;
}

bool isCampaignSetFolder(const std::filesystem::path& setFolder) {
    auto name = common::pathText(setFolder.filename());
    if (name.empty()) // a path written with a trailing separator
        name = common::pathText(setFolder.parent_path().filename());
    return name.starts_with("C ") || name.starts_with("C-");
}

} // namespace outfitter
