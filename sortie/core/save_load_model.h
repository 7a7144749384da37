#pragma once
// The save-and-load panel `Frame10`: saving the mission under a name, the saved missions with the
// selected one's path and details, and loading it back.

#include "sortie/core/mission_state.h"

#include <filesystem>
#include <string>
#include <vector>

namespace sortie {

class SaveLoadModel final {
  public:
    explicit SaveLoadModel(MissionState& mission) : mission_(mission) {}

    // Lists the saved-missions folder at start-up; a folder that cannot be listed is reported.
    void start();
    // `Command1`: saves the current mission as `name`.mpf and .jsv, then refreshes the list.
    bool save(const std::string& name);
    // Re-reads the list from the saved-missions folder.
    void refresh();
    // A file name chosen in `File1`: its path and its details.
    void select(const std::string& fileName);
    // `Command2`: the selected mission becomes the game's mission and the current choices.
    bool load();

    const std::vector<std::string>& savedMissions() const { return savedMissions_; } // `File1`
    const std::string& selectedMissionPath() const { return selectedMissionPath_; }  // `Label10`
    const std::string& missionDetails() const { return missionDetails_; } // `Text3`: lines ended by CR LF

  private:
    MissionState& mission_;
    std::vector<std::string> savedMissions_;
    std::filesystem::path selectedMission_; // empty until one is chosen in `File1`
    std::string selectedMissionPath_;       // empty until a mission is selected
    std::string missionDetails_;
};

} // namespace sortie
