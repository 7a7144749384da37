#include "outfitter/archive/entry_names.h"

#include "outfitter/planes/skin_names.h"

#include "common/names.h"

namespace outfitter {

namespace {

bool isDriveLetter(std::string_view part) {
    return part.size() >= 2 && part[1] == ':' &&
           ((part[0] >= 'A' && part[0] <= 'Z') || (part[0] >= 'a' && part[0] <= 'z'));
}

} // namespace

std::string folderNameFault(std::string_view name) {
    // The same rule a skin folder's new name meets: the one rule of this program for names of folders.
    const auto check = checkSkinName(name, {});
    switch (check.verdict) {
    case SkinNameVerdict::Empty:
        return "the name is empty";
    case SkinNameVerdict::NotAFolderName:
        return check.reason;
    default:
        return {};
    }
}

std::optional<std::vector<std::string>> splitEntryName(std::string_view name, std::string& fault) {
    fault.clear();
    if (name.empty()) {
        fault = "the entry has no name";
        return std::nullopt;
    }
    if (name.front() == '/' || name.front() == '\\') {
        fault = "an absolute path reaches outside the set";
        return std::nullopt;
    }
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find_first_of("/\\", start);
        if (end == std::string_view::npos)
            end = name.size();
        const auto part = name.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            fault = "\"..\" reaches outside the set";
            return std::nullopt;
        }
        if (parts.empty() && isDriveLetter(part)) {
            fault = "a drive letter reaches outside the set";
            return std::nullopt;
        }
        if (auto why = folderNameFault(part); !why.empty()) {
            fault = "\"" + std::string(part) + "\": " + why;
            return std::nullopt;
        }
        parts.emplace_back(part);
    }
    if (parts.empty()) {
        fault = "the entry has no name";
        return std::nullopt;
    }
    return parts;
}

std::string inQuotes(std::string_view name) {
    return "\"" + std::string(name) + "\"";
}

std::string joinEntryName(const std::vector<std::string>& parts, std::size_t from, std::size_t to) {
    std::string joined;
    for (std::size_t i = from; i < parts.size() && i < to; ++i) {
        if (!joined.empty())
            joined += '/';
        joined += parts[i];
    }
    return joined;
}

std::string EntryNameSet::add(const std::vector<std::string>& parts, bool isFile) {
    // Every folder on the way is implied, whether or not the archive lists it.
    for (std::size_t depth = 1; depth < parts.size(); ++depth)
        if (auto fault = addOne(joinEntryName(parts, 0, depth), false, false); !fault.empty())
            return fault;
    return addOne(joinEntryName(parts), isFile, true);
}

std::string EntryNameSet::addOne(const std::string& path, bool isFile, bool explicitEntry) {
    const auto key = common::toUpperAscii(path);
    const auto [it, isNew] = byUpperName_.try_emplace(key, Seen{path, isFile});
    if (isNew)
        return {};
    const auto& seen = it->second;
    if (seen.spelling != path)
        return "its name differs only in letter case from \"" + seen.spelling + "\"";
    if (seen.isFile != isFile)
        return "the name is both a file and a folder";
    if (isFile && explicitEntry)
        return "the archive holds this file twice";
    return {};
}

} // namespace outfitter
