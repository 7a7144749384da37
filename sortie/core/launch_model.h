#pragma once
// Flying the mission ("FLY!" `LaunchMission`, "FLY" `Command3`) and the results report `Label23`.

#include "sortie/core/mission_state.h"

#include <optional>
#include <string>

namespace sortie {

class LaunchModel final {
  public:
    explicit LaunchModel(MissionState& mission) : mission_(mission) {}

    // True when everything was written (and, in a build that starts the game, the game was started).
    bool LaunchMission();
    // Starts the game as the files stand.
    bool startGame();
    // The report of "results.txt"; nothing without the file.
    std::optional<std::string> resultsReport();

  private:
    MissionState& mission_;
};

} // namespace sortie
