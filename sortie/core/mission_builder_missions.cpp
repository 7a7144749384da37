// The save-and-load panel, flying and the results report: each a single call for the window.
#include "common/names.h"
#include "common/resolver.h"
#include "sortie/core/launch_mission.h"
#include "sortie/core/mission_builder.h"
#include "sortie/core/results_report.h"
#include "sortie/core/saved_missions.h"

namespace sortie {

namespace {

// The whole path of a file below the game folder, for messages, in the platform's own form.
std::filesystem::path below(const std::filesystem::path& base, std::string_view relative) {
    return common::resolve(base, relative).value.path;
}

} // namespace

bool MissionBuilder::saveMission(const std::string& Text2) {
    SaveResult result = sortie::saveMission(missionsFolder_, Text2, snapshot());
    apply(result.summary);
    reportAll(result.notes, result.problems);
    if (!result.saved)
        return false;
    savedMissions_ = std::move(result.File1);
    // The details on show must not describe the file as it was before it was replaced.
    if (!selectedMission_.empty() &&
        common::equalsIgnoreCase(common::pathText(selectedMission_.filename()), Text2 + ".mpf"))
        selectSavedMission(common::pathText(selectedMission_.filename()));
    return true;
}

void MissionBuilder::refreshSavedMissions() {
    auto listed = listSavedMissions(missionsFolder_);
    if (listed.problem) {
        report(*listed.problem);
        return;
    }
    savedMissions_ = std::move(listed.value);
}

void MissionBuilder::selectSavedMission(const std::string& fileName) {
    SavedMissionDetails details = sortie::selectSavedMission(missionsFolder_, fileName);
    Text3_.clear();
    if (details.problem) {
        // A file that cannot be read cannot be loaded either.
        selectedMission_.clear();
        Label10_ = common::pathText(details.Label10);
        report(*details.problem);
        return;
    }
    selectedMission_ = details.Label10;
    Label10_ = common::pathText(details.Label10);
    Text3_ = std::move(details.Text3);
}

bool MissionBuilder::loadSavedMission() {
    LoadResult result = sortie::loadSavedMission(gameFolder_, settings_, selectedMission_, snapshot());
    reportAll(result.notes, result.problems);
    if (!result.loaded)
        return false;
    choices_ = result.choices;
    refreshNames();
    ShowChoice();
    return true;
}

bool MissionBuilder::LaunchMission() {
    LaunchResult result = sortie::LaunchMission(gameFolder_, settings_, snapshot());
    apply(result.summary);
    if (result.missionWritten)
        report("The mission was written to " + common::pathText(below(gameFolder_, settings_.missionFile)) +
               (result.gameStarted ? " and " + settings_.gameProgram + " was started" : std::string()));
    reportAll(result.notes, result.problems);
    const bool startWanted = !settings_.gameProgram.empty();
    return result.missionWritten && result.choicesWritten && (!startWanted || result.gameStarted);
}

bool MissionBuilder::startGame() {
    LaunchResult result = sortie::startGame(gameFolder_, settings_);
    reportAll(result.notes, result.problems);
    if (result.gameStarted)
        report(settings_.gameProgram + " was started with the mission as it stands in " +
               common::pathText(below(gameFolder_, settings_.missionFile)));
    return result.gameStarted;
}

void MissionBuilder::showResults() {
    ResultsReport results = sortie::showResults(gameFolder_);
    for (const auto& note : results.notes)
        report(note);
    if (results.problem)
        report(*results.problem);
    if (!results.shown)
        return;
    view_.picture = 0;
    view_.hideCellsAndRows();
    view_.Label22 = std::move(results.Label22);
    view_.Label22Shown = true;
}

} // namespace sortie
