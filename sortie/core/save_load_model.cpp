#include "sortie/core/save_load_model.h"

#include "common/folder_listing.h"
#include "common/names.h"
#include "sortie/core/game_folder_write.h"
#include "sortie/core/saved_missions.h"

namespace sortie {

void SaveLoadModel::start() {
    const auto& folder = mission_.places().missionsFolder;
    auto saved = common::listFiles(folder, "*.mpf");
    if (saved.ok())
        savedMissions_ = std::move(saved.value);
    else
        mission_.report("The saved-missions folder " + common::pathText(folder) +
                        " cannot be listed: " + saved.problem->reason);
}

bool SaveLoadModel::save(const std::string& name) {
    const auto lock = lockForWrite(mission_);
    if (!lock)
        return false;
    SaveResult result = sortie::saveMission(mission_.places().missionsFolder, name, mission_.snapshot());
    mission_.applySummary(result.summary);
    mission_.reportAll(result.notes, result.problems);
    if (!result.saved)
        return false;
    savedMissions_ = std::move(result.File1);
    // The details on show must not describe the file as it was before it was replaced.
    if (!selectedMission_.empty() &&
        common::equalsIgnoreCase(common::pathText(selectedMission_.filename()), name + ".mpf"))
        select(common::pathText(selectedMission_.filename()));
    return true;
}

void SaveLoadModel::refresh() {
    auto listed = listSavedMissions(mission_.places().missionsFolder);
    if (listed.problem) {
        mission_.report(*listed.problem);
        return;
    }
    savedMissions_ = std::move(listed.value);
}

void SaveLoadModel::select(const std::string& fileName) {
    SavedMissionDetails details = sortie::selectSavedMission(mission_.places().missionsFolder, fileName);
    missionDetails_.clear();
    if (details.problem) {
        // A file that cannot be read cannot be loaded either.
        selectedMission_.clear();
        selectedMissionPath_ = common::pathText(details.selectedMissionPath);
        mission_.report(*details.problem);
        return;
    }
    selectedMission_ = details.selectedMissionPath;
    selectedMissionPath_ = common::pathText(details.selectedMissionPath);
    missionDetails_ = std::move(details.missionDetails);
}

bool SaveLoadModel::load() {
    const auto lock = lockForWrite(mission_); // the selected mission becomes the game's mission file
    if (!lock)
        return false;
    LoadResult result = sortie::loadSavedMission(mission_.places().gameFolder, mission_.settings(),
                                                 selectedMission_, mission_.snapshot());
    mission_.reportAll(result.notes, result.problems);
    if (!result.loaded)
        return false;
    mission_.change([&](MissionChoices& c) { c = result.choices; },
                    "Load " + common::pathText(selectedMission_.stem()));
    return true;
}

} // namespace sortie
