#include "sortie/core/scenario_model.h"

namespace sortie {

void ScenarioModel::start() {
    const BuilderPlaces& places = mission_.places();
    for (const auto& problem :
         setup_.start(places.gameFolder, pathBelow(places.gameFolder, mission_.settings().scenariosFolder),
                      pathBelow(places.picturesFolder, kScenarioPictureName)))
        mission_.report(problem);
}

void ScenarioModel::choose(int k) {
    if (!setup_.choose(k))
        mission_.report("There is no scenario " + std::to_string(k) + " in " +
                        common::pathText(setup_.scenariosFolder()));
}

bool ScenarioModel::readyToLoad() {
    if (setup_.chosen() < 0) {
        mission_.report(setup_.scenarioCount() == 0
                            ? "No scenario to load: " + common::pathText(setup_.scenariosFolder()) +
                                  " holds none"
                            : std::string("Choose a scenario first"));
        return false;
    }
    // Checked whole before anything is read, so a broken scenario leaves the window as it was.
    const auto missing = setup_.missingFiles();
    if (!missing.empty()) {
        std::string names;
        for (const auto& name : missing)
            names += (names.empty() ? "" : ", ") + name;
        mission_.report("The scenario " + common::pathText(setup_.folder()) + " lacks " + names +
                        "; nothing was loaded, choose another scenario");
        return false;
    }
    return true;
}

void ScenarioModel::finish() {
    setup_.hideFrame();
    mission_.report("Scenario " + common::pathText(setup_.folder().filename()) + " loaded");
}

} // namespace sortie
