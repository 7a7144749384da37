#include "outfitter/sets/program_launch.h"

#include "common/folder_index.h"

#include "common/folder_listing.h"
#include "common/resolver.h"

namespace outfitter {

common::Result<std::vector<std::string>> launchablePrograms(const std::filesystem::path& gameFolder) {
    return common::listFiles(gameFolder, "*.exe");
}

std::optional<common::Problem> launchProgram(const std::filesystem::path& gameFolder, std::string_view name,
                                             common::WindowMode mode) {
    const std::string action = "starting";
    if (name.empty() || name == "." || name == ".." || name.find_first_of("/\\") != std::string_view::npos)
        return common::Problem{gameFolder / common::pathFromText(name), action,
                               "not a program of the game folder"};
    const auto where = common::resolve(gameFolder, name);
    if (!where.ok())
        return where.problem;
    if (!where.value.exists)
        return common::Problem{where.value.path, action, "the program is no longer there"};
    if (common::entryKindAt(where.value.path) == common::EntryKind::Folder)
        return common::Problem{where.value.path, action, "it is a folder"};
    return common::startProgram(where.value.path, gameFolder, mode);
}

} // namespace outfitter
