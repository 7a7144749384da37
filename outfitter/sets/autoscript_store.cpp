#include "outfitter/sets/autoscript_store.h"

#include "outfitter/core/file_routines.h"
#include "outfitter/sets/package_items.h"

#include "common/atomic_file.h"
#include "common/folder_listing.h"
#include "common/names.h"

#include <array>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

// File systems take names of up to 255 bytes; the atomic writer's temporary file beside the script
// needs room for its marks as well.
constexpr std::size_t kLongestFileName = 200;

bool isDeviceName(std::string_view name) {
    // Windows keeps these names for devices whatever follows the first dot.
    const std::string stem = common::toUpperAscii(name.substr(0, name.find('.')));
    static constexpr std::array<std::string_view, 4> plain = {"CON", "PRN", "AUX", "NUL"};
    for (const auto device : plain)
        if (stem == device)
            return true;
    return stem.size() == 4 && (stem.rfind("COM", 0) == 0 || stem.rfind("LPT", 0) == 0) && stem[3] >= '1' &&
           stem[3] <= '9';
}

} // namespace

std::optional<std::string> autoscriptNameProblem(std::string_view name) {
    if (name.empty())
        return "enter a name for the autoscript";
    if (name == "." || name == "..")
        return "\"" + std::string(name) + "\" is no file name";
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
            return "a file name cannot hold the character " +
                   (byte < 0x20 ? std::string("of code ") + std::to_string(byte)
                                : "\"" + std::string(1, c) + "\"");
    }
    if (name.size() + std::string_view(kAutoscriptExtension).size() > kLongestFileName)
        return "the name is too long for a file name";
    if (name.back() == ' ' || name.back() == '.')
        return "a file name cannot end in a blank or a dot";
    if (isDeviceName(name))
        return "\"" + std::string(name) + "\" is the name of a device";
    return std::nullopt;
}

AutoscriptStore::AutoscriptStore(fs::path selectorFolder) : selectorFolder_(std::move(selectorFolder)) {}

fs::path AutoscriptStore::folder() const {
    common::Problems ignored;
    const auto found = findFolder(selectorFolder_, kAutoscriptsFolderName, ignored);
    return found ? *found : selectorFolder_ / kAutoscriptsFolderName;
}

std::vector<std::string> AutoscriptStore::list() const {
    if (selectorFolder_.empty())
        return {};
    common::Problems ignored;
    const auto folder = findFolder(selectorFolder_, kAutoscriptsFolderName, ignored);
    if (!folder)
        return {};
    auto files = common::listFiles(*folder, std::string("*") + kAutoscriptExtension);
    return std::move(files.value);
}

std::string AutoscriptStore::fileBytes(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            bytes += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            bytes += "\r\n";
        } else {
            bytes += c;
        }
    }
    return bytes + "\r\n";
}

AutoscriptStore::SaveResult AutoscriptStore::save(std::string_view name, std::string_view text,
                                                  bool overwrite) const {
    const std::string fileName = std::string(name) + kAutoscriptExtension;
    if (auto reason = autoscriptNameProblem(name))
        return {Outcome::Refused, common::Problem{{}, "saving the autoscript \"" + fileName + "\"", *reason}};

    // Without a selector folder a relative path would land wherever the program happens to run.
    if (selectorFolder_.empty())
        return {Outcome::Refused, common::Problem{{},
                                                  "saving the autoscript \"" + fileName + "\"",
                                                  "there is no selector folder to save it in"}};

    // A script already there keeps its own spelling when it is replaced.
    std::optional<std::string> existing;
    for (const auto& listed : list())
        if (common::equalsIgnoreCase(listed, fileName))
            existing = listed;
    if (existing && !overwrite)
        return {Outcome::NameTaken, std::nullopt};

    common::Problems problems;
    const auto folder = ensureFolder(selectorFolder_, kAutoscriptsFolderName, problems);
    if (!folder)
        return {Outcome::Refused, problems.empty() ? std::nullopt : std::optional(problems.front())};
    const auto file = *folder / common::pathFromText(existing ? *existing : fileName);
    if (auto problem = common::writeFileAtomically(file, fileBytes(text)))
        return {Outcome::Refused, std::move(problem)};
    return {Outcome::Saved, std::nullopt, file};
}

} // namespace outfitter
