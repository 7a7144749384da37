#include "outfitter/sets/default_missions.h"

#include "outfitter/core/file_routines.h"

#include "common/folder_listing.h"
#include "common/game_file_ops.h"

namespace outfitter {

FileWorkReport deleteDefaultMissions(const std::filesystem::path& gameFolder) {
    FileWorkReport report;
    const auto saveData = findFolder(gameFolder, "Savedata", report.problems);
    if (!saveData)
        return report;
    // Listed once: re-listing until empty would spin on a file that refuses to go.
    const auto missions = common::listFiles(*saveData, kDefaultMissionPattern);
    if (!missions.ok())
        report.problems.push_back(*missions.problem);
    for (const auto& name : missions.value) {
        const auto file = *saveData / common::pathFromText(name);
        if (auto problem = common::deleteFile(file))
            report.problems.push_back(std::move(*problem));
        else
            report.done.push_back(file);
    }
    return report;
}

} // namespace outfitter
