#include "outfitter/planes/skin_names.h"

#include "common/folder_listing.h"
#include "common/names.h"

#include <array>

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

namespace {

bool isReservedDeviceName(std::string_view name) {
    static constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
    // "CON.txt" and "con " name the device as well.
    std::string stem = common::toUpperAscii(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ')
        stem.pop_back();
    for (const auto device : kDevices)
        if (stem == device)
            return true;
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' &&
           stem[3] <= '9';
}

std::string folderNameFault(std::string_view name) {
    constexpr std::size_t kLongestName = 255;
    if (name == "." || name == "..")
        return "\".\" and \"..\" are not folder names";
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\')
            return "a folder name cannot hold \"/\" or \"\\\"";
        if (byte < 32 || std::string_view("<>:\"|?*").find(c) != std::string_view::npos)
            return "a folder name cannot hold control characters or any of < > : \" | ? *";
    }
    if (name.back() == '.' || name.back() == ' ')
        return "a folder name cannot end with a dot or a blank";
    if (isReservedDeviceName(name))
        return "the name is reserved for a device";
    if (name.size() > kLongestName)
        return "the name is longer than 255 characters";
    return {};
}

} // namespace

SkinNameCheck checkSkinName(std::string_view name, const std::vector<std::string>& taken) {
    for (const auto& existing : taken)
        if (existing == name)
            return {SkinNameVerdict::InUse, existing, {}};
    if (name.empty())
        return {SkinNameVerdict::Empty, {}, {}};
    if (auto fault = folderNameFault(name); !fault.empty())
        return {SkinNameVerdict::NotAFolderName, {}, std::move(fault)};
    for (const auto& existing : taken)
        if (common::equalsIgnoreCase(existing, name))
            return {SkinNameVerdict::DiffersOnlyInCase, existing, {}};
    return {};
}

} // namespace outfitter
