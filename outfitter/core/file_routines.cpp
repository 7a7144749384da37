#include "file_routines.h"

#include "common/change_recorder.h"
#include "common/resolver.h"

#include <string>
#include <system_error>

namespace outfitter {

namespace {

enum class Kind { Folder, File };

bool isKind(const std::filesystem::path& path, Kind kind) {
    std::error_code ec;
    return kind == Kind::Folder ? std::filesystem::is_directory(path, ec)
                                : std::filesystem::is_regular_file(path, ec);
}

std::optional<std::filesystem::path> find(const std::filesystem::path& base, std::string_view name, Kind kind,
                                          common::Problems& problems) {
    const auto where = common::resolve(base, name);
    if (!where.ok()) {
        problems.push_back(*where.problem);
        return std::nullopt;
    }
    if (!where.value.exists || !isKind(where.value.path, kind))
        return std::nullopt;
    return where.value.path;
}

} // namespace

std::optional<std::filesystem::path> findFolder(const std::filesystem::path& base, std::string_view name,
                                                common::Problems& problems) {
    return find(base, name, Kind::Folder, problems);
}

std::optional<std::filesystem::path> findFile(const std::filesystem::path& base, std::string_view name,
                                              common::Problems& problems) {
    return find(base, name, Kind::File, problems);
}

std::optional<std::filesystem::path> ensureFolder(const std::filesystem::path& base, std::string_view name,
                                                  common::Problems& problems) {
    const auto where = common::resolve(base, name);
    if (!where.ok()) {
        problems.push_back(*where.problem);
        return std::nullopt;
    }
    const auto& path = where.value.path;
    if (where.value.exists) {
        if (isKind(path, Kind::Folder))
            return path;
        problems.push_back({path, "making the folder", "a file of that name is in the way"});
        return std::nullopt;
    }
    if (auto problem = common::makeFolders(path)) {
        problems.push_back(std::move(*problem));
        return std::nullopt;
    }
    return path;
}

} // namespace outfitter
