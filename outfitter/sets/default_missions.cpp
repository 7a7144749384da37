#include "outfitter/sets/default_missions.h"

#include "outfitter/core/file_routines.h"

#include "common/folder_listing.h"
#include "common/game_file_ops.h"

namespace outfitter {

std::vector<std::filesystem::path> listDefaultMissions(const std::filesystem::path& gameFolder,
                                                       common::Problems& problems) {
    std::vector<std::filesystem::path> out;
    const auto saveData = findFolder(gameFolder, "Savedata", problems);
    if (!saveData)
        return out;
    // Listed once: re-listing until empty would spin on a file that refuses to go.
    const auto missions = common::listFiles(*saveData, kDefaultMissionPattern);
    if (!missions.ok())
        problems.push_back(*missions.problem);
    for (const auto& name : missions.value)
        out.push_back(*saveData / common::pathFromText(name));
    return out;
}

FileWorkReport deleteMissions(const std::vector<std::filesystem::path>& missions) {
    FileWorkReport report;
    for (const auto& file : missions) {
        std::error_code ec;
        if (!std::filesystem::exists(std::filesystem::symlink_status(file, ec)))
            continue;
        if (auto problem = common::deleteFile(file))
            report.problems.push_back(std::move(*problem));
        else
            report.done.push_back(file);
    }
    return report;
}

FileWorkReport deleteDefaultMissions(const std::filesystem::path& gameFolder) {
    FileWorkReport report;
    const auto missions = listDefaultMissions(gameFolder, report.problems);
    report.add(deleteMissions(missions));
    return report;
}

} // namespace outfitter
