#include "common/folder_listing.h"

#include "common/names.h"

#include <algorithm>
#include <system_error>

namespace common {

namespace {

std::vector<std::string> splitPatterns(std::string_view patterns) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= patterns.size()) {
        auto cut = patterns.find(';', start);
        if (cut == std::string_view::npos)
            cut = patterns.size();
        std::string_view one = patterns.substr(start, cut - start);
        while (!one.empty() && one.front() == ' ')
            one.remove_prefix(1);
        while (!one.empty() && one.back() == ' ')
            one.remove_suffix(1);
        if (!one.empty())
            out.emplace_back(one);
        start = cut + 1;
    }
    // An empty list shows everything, as a file list with no pattern does.
    if (out.empty())
        out.emplace_back("*");
    return out;
}

// Entries for which `keep` says yes, by name, in file-list order.
template <class Keep>
Result<std::vector<std::string>> listEntries(const std::filesystem::path& folder, Keep keep) {
    Result<std::vector<std::string>> result;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    for (const std::filesystem::directory_iterator end; !ec && it != end; it.increment(ec)) {
        // The listing already knows each entry's type; only a symlink needs a look at what it points
        // to (a dangling one is neither file nor folder). This keeps big folders cheap to list.
        std::error_code statusError;
        auto status = it->symlink_status(statusError);
        if (!statusError && std::filesystem::is_symlink(status))
            status = it->status(statusError);
        const std::string name = it->path().filename().string();
        if (!statusError && keep(status, name))
            result.value.push_back(name);
    }
    if (ec) {
        result.value.clear();
        result.problem = problemFromError(folder, "listing", ec);
        return result;
    }
    std::sort(result.value.begin(), result.value.end(),
              [](const std::string& a, const std::string& b) { return fileListLess(a, b); });
    return result;
}

} // namespace

Result<std::vector<std::string>> listFiles(const std::filesystem::path& folder, std::string_view patterns) {
    const auto list = splitPatterns(patterns);
    return listEntries(folder, [&](const std::filesystem::file_status& status, const std::string& name) {
        return std::filesystem::is_regular_file(status) &&
               std::any_of(list.begin(), list.end(),
                           [&](const std::string& p) { return wildcardMatch(p, name); });
    });
}

Result<std::vector<std::string>> listFolders(const std::filesystem::path& folder) {
    return listEntries(folder, [](const std::filesystem::file_status& status, const std::string&) {
        return std::filesystem::is_directory(status);
    });
}

} // namespace common
