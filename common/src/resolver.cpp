#include "common/resolver.h"

#include "common/names.h"

#include <string>
#include <system_error>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace common {

namespace {

std::vector<std::string_view> splitComponents(std::string_view relative) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= relative.size()) {
        auto cut = relative.find_first_of("\\/", start);
        if (cut == std::string_view::npos)
            cut = relative.size();
        if (cut > start)
            parts.push_back(relative.substr(start, cut - start));
        start = cut + 1;
    }
    return parts;
}

bool isDriveLetterName(std::string_view part) {
    return part.size() == 2 && part[1] == ':' &&
           ((part[0] >= 'A' && part[0] <= 'Z') || (part[0] >= 'a' && part[0] <= 'z'));
}

bool entryExists(const std::filesystem::path& path) {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(path, ec);
    return std::filesystem::status_known(status) && status.type() != std::filesystem::file_type::not_found;
}

// The spelling an existing entry has on disk. Windows finds "SAVEDATA" when "Savedata" exists, so the
// exact-name test alone would hand back the caller's spelling instead of the entry's.
std::filesystem::path onDiskName(const std::filesystem::path& folder, const std::string& name) {
#if defined(_WIN32)
    const std::filesystem::path asked = folder / pathFromText(name);
    // Wildcards cannot be part of a Windows name; asking with one would match some other entry.
    if (asked.filename().native().find_first_of(L"*?") == std::wstring::npos) {
        WIN32_FIND_DATAW found{};
        const HANDLE search = ::FindFirstFileW(asked.c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            ::FindClose(search);
            return folder / found.cFileName;
        }
    }
    return asked;
#else
    return folder / pathFromText(name);
#endif
}

} // namespace

Result<Resolved> resolve(const std::filesystem::path& base, std::string_view relative) {
    Result<Resolved> result;
    const auto parts = splitComponents(relative);
    std::filesystem::path current = base;
    bool allExist = entryExists(base);
    const auto refuse = [&](std::string reason) {
        result.value = Resolved{base, false};
        result.problem = Problem{base, "finding \"" + std::string(relative) + "\" in", std::move(reason)};
        return result;
    };

    if (relative.size() >= 2 && (relative[0] == '\\' || relative[0] == '/') && relative[1] == relative[0])
        return refuse("network paths are not accepted here");
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string_view part = parts[i];
        if (part == "." || part == "..")
            return refuse("\".\" and \"..\" are not accepted in a name");
        if (i == 0 && isDriveLetterName(part))
            return refuse("a name with a drive letter is not accepted here");
    }

    for (const auto part : parts) {
        const std::string name(part);
        const auto asked = pathFromText(name);
        if (!allExist) {
            current /= asked;
            continue;
        }
        if (entryExists(current / asked)) {
            current = onDiskName(current, name);
            continue;
        }
        // Only now is a listing needed: the exact spelling is absent.
        std::error_code ec;
        std::vector<std::string> matches;
        std::filesystem::directory_iterator it(current, ec);
        if (ec) {
            if (ec == std::errc::not_a_directory || ec == std::errc::no_such_file_or_directory) {
                allExist = false;
                current /= asked;
                continue;
            }
            result.value = Resolved{current / asked, false};
            result.problem = problemFromError(current, "listing", ec);
            return result;
        }
        for (const std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
            if (ec)
                break;
            const std::string entry = pathText(it->path().filename());
            if (equalsIgnoreCase(entry, name))
                matches.push_back(entry);
        }
        if (ec) {
            result.value = Resolved{current / asked, false};
            result.problem = problemFromError(current, "listing", ec);
            return result;
        }
        if (matches.size() > 1) {
            result.value = Resolved{current / asked, false};
            std::string reason = "names differ only in letter case:";
            for (const auto& match : matches)
                reason += " \"" + match + "\"";
            result.problem = Problem{current / asked, "finding", std::move(reason)};
            return result;
        }
        if (matches.empty()) {
            allExist = false;
            current /= asked;
        } else {
            current /= pathFromText(matches.front());
        }
    }
    result.value = Resolved{current, allExist};
    return result;
}

} // namespace common
