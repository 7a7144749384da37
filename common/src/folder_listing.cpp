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
        // is_directory/is_regular_file use the type the listing already gives and look further only
        // for a symlink, which counts as what it points to (a dangling one is neither file nor
        // folder). Asking for a full status per entry made big folders several times slower to list.
        std::error_code typeError;
        auto type = std::filesystem::file_type::none;
        if (it->is_directory(typeError))
            type = std::filesystem::file_type::directory;
        else if (!typeError && it->is_regular_file(typeError))
            type = std::filesystem::file_type::regular;
        const std::string name = pathText(it->path().filename());
        if (!typeError && keep(type, name))
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
    return listEntries(folder, [&](std::filesystem::file_type type, const std::string& name) {
        return type == std::filesystem::file_type::regular &&
               std::any_of(list.begin(), list.end(),
                           [&](const std::string& p) { return wildcardMatch(p, name); });
    });
}

Result<std::vector<std::string>> listFolders(const std::filesystem::path& folder) {
    return listEntries(folder, [](std::filesystem::file_type type, const std::string&) {
        return type == std::filesystem::file_type::directory;
    });
}

} // namespace common
