#include "sortie/core/launch_mission.h"

#include "common/atomic_file.h"
#include "common/process_start.h"
#include "common/resolver.h"
#include "common/text_file.h"
#include "sortie/core/mission_file.h"

namespace sortie {

namespace {

constexpr std::string_view kNationKey = "PlayerNation=";
constexpr std::string_view kPlaneKey = "PlayerPlane=";

bool rewriteIni(const std::filesystem::path& gameFolder, const BuildSettings& settings,
                const MissionChoices& choices, LaunchResult& result) {
    const auto ini = common::resolve(gameFolder, kGameIniName);
    if (ini.problem) {
        result.problems.push_back(*ini.problem);
        return false;
    }
    if (!ini.value.exists) {
        result.notes.push_back("No " + std::string(kGameIniName) + " in " + gameFolder.string() +
                               ": the game's nation and aircraft were not set");
        return true;
    }
    auto bytes = common::readFileBytes(ini.value.path);
    if (bytes.problem) {
        result.problems.push_back(*bytes.problem);
        return false;
    }
    const std::string edited = rewriteGameIni(bytes.value, choices.PNat, choices.Text1[0]);
    if (auto problem = common::writeFileAtomically(ini.value.path, edited, settings.iniTempName)) {
        result.problems.push_back(*problem);
        return false;
    }
    result.iniRewritten = true;
    return true;
}

void startProgramOf(const std::filesystem::path& gameFolder, const BuildSettings& settings, LaunchResult& result) {
    if (settings.gameProgram.empty())
        return;
    const auto program = common::resolve(gameFolder, settings.gameProgram);
    if (program.problem) {
        result.problems.push_back(*program.problem);
        return;
    }
    if (!program.value.exists) {
        result.problems.push_back(common::Problem{program.value.path, "starting the game",
                                                  "the program is not in the game folder"});
        return;
    }
    if (auto problem = common::startProgram(program.value.path, gameFolder, common::WindowMode::Minimised)) {
        result.problems.push_back(*problem);
        return;
    }
    result.gameStarted = true;
}

} // namespace

std::string rewriteGameIni(std::string_view bytes, int nation, std::string_view playerPlane) {
    std::vector<std::string> lines = common::splitLines(bytes);
    for (auto& line : lines) {
        if (line.starts_with(kNationKey)) {
            if (nation >= kGerman && nation <= kUS)
                line = std::string(kNationKey) + std::to_string(nation);
        } else if (line.starts_with(kPlaneKey)) {
            line = std::string(kPlaneKey) + std::string(playerPlane);
        }
    }
    return common::joinLinesCrLf(lines);
}

LaunchResult LaunchMission(const std::filesystem::path& gameFolder, const BuildSettings& settings,
                           const MissionSnapshot& mission) {
    LaunchResult result;
    // Rebuilt here so that a target picked on the map just before flying is in the file's details.
    result.summary = ShowChoice(mission);

    if (!rewriteIni(gameFolder, settings, mission.choices, result)) {
        result.notes.push_back(std::string(kGameIniName) + " was left as it was; nothing was written and the "
                                                           "game was not started");
        return result;
    }

    const auto missionFile = common::resolve(gameFolder, settings.missionFile);
    auto problem = missionFile.problem;
    if (!problem)
        problem = common::writeFileAtomically(missionFile.value.path,
                                              missionBytes(mission.choices, result.summary.Label9));
    if (problem) {
        result.problems.push_back(*problem);
        result.notes.push_back("The mission file could not be written, so the game was not started");
        return result;
    }
    result.missionWritten = true;

    const auto choicesFile = common::resolve(gameFolder, settings.choicesFile);
    problem = choicesFile.problem;
    if (!problem)
        problem = writeChoicesFile(choicesFile.value.path, mission.choices);
    if (problem)
        result.problems.push_back(*problem);
    else
        result.choicesWritten = true;

    startProgramOf(gameFolder, settings, result);
    return result;
}

LaunchResult startGame(const std::filesystem::path& gameFolder, const BuildSettings& settings) {
    LaunchResult result;
    startProgramOf(gameFolder, settings, result);
    return result;
}

} // namespace sortie
