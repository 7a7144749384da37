#pragma once
// The second build's scenario frame `Frame11`: the scenario folders, choosing one, and checking that
// the chosen one holds every data file before anything is read from it.

#include "sortie/core/mission_state.h"
#include "sortie/second/scenario_setup.h"

namespace sortie {

class ScenarioModel final {
  public:
    explicit ScenarioModel(MissionState& mission) : mission_(mission) {}

    // Lists the scenarios and reads the frame's picture.
    void start();
    const ScenarioSetup& setup() const { return setup_; }
    void choose(int k); // `Label35(k)`
    // True when a scenario is chosen and holds all its files; otherwise says why and changes nothing.
    bool readyToLoad();
    // The frame goes once the scenario is loaded.
    void finish();

  private:
    MissionState& mission_;
    ScenarioSetup setup_;
};

} // namespace sortie
