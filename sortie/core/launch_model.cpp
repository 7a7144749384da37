#include "sortie/core/launch_model.h"

#include "sortie/core/game_folder_write.h"
#include "sortie/core/launch_mission.h"
#include "sortie/core/results_report.h"

namespace sortie {

bool LaunchModel::LaunchMission() {
    const auto& game = mission_.places().gameFolder;
    const BuildSettings& settings = mission_.settings();
    const auto lock = lockForWrite(mission_);
    if (!lock)
        return false;
    LaunchResult result = sortie::LaunchMission(game, settings, mission_.snapshot());
    mission_.applySummary(result.summary);
    if (result.missionWritten)
        mission_.report(
            "The mission was written to " + common::pathText(pathBelow(game, settings.missionFile)) +
            (result.gameStarted ? " and " + settings.gameProgram + " was started" : std::string()));
    mission_.reportAll(result.notes, result.problems);
    const bool startWanted = !settings.gameProgram.empty();
    return result.missionWritten && result.choicesWritten && (!startWanted || result.gameStarted);
}

bool LaunchModel::startGame() {
    const auto& game = mission_.places().gameFolder;
    const BuildSettings& settings = mission_.settings();
    LaunchResult result = sortie::startGame(game, settings);
    mission_.reportAll(result.notes, result.problems);
    if (result.gameStarted)
        mission_.report(settings.gameProgram + " was started with the mission as it stands in " +
                        common::pathText(pathBelow(game, settings.missionFile)));
    return result.gameStarted;
}

std::optional<std::string> LaunchModel::resultsReport() {
    ResultsReport results = sortie::showResults(mission_.places().gameFolder);
    for (const auto& note : results.notes)
        mission_.report(note);
    if (results.problem)
        mission_.report(*results.problem);
    if (!results.shown)
        return std::nullopt;
    return std::move(results.reportText);
}

} // namespace sortie
