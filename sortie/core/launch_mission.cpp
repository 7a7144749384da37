#include "sortie/core/launch_mission.h"

#include "common/atomic_file.h"
#include "common/process_start.h"
#include "common/resolver.h"
#include "common/text_file.h"
#include "common/write_check.h"
#include "sortie/core/mission_file.h"

namespace sortie {

namespace {

constexpr std::string_view kNationKey = "PlayerNation=";
constexpr std::string_view kPlaneKey = "PlayerPlane=";

std::string changedFiles(const std::filesystem::path& gameFolder,
                         const std::vector<std::filesystem::path>& changed) {
    std::string names;
    for (const auto& file : changed) {
        if (!names.empty())
            names += ", ";
        names += common::pathText(file.lexically_relative(gameFolder));
    }
    return names;
}

// A stale temporary of an earlier crash is overwritten, but one that is a folder or read-only is not
// ours to clear away.
std::optional<common::Problem> tempRefusal(const std::filesystem::path& temp, const std::string& action) {
    const std::string role = "the temporary file for " + std::string(kGameIniName);
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(temp, ec);
    if (!std::filesystem::exists(status))
        return std::nullopt;
    if (!std::filesystem::is_regular_file(status))
        return common::Problem{temp, action,
                               role + " cannot be made: something that is not a file has its name"};
    if (common::isReadOnlyFile(temp))
        return common::Problem{temp, action, role + " cannot be made: a read-only file has its name"};
    return std::nullopt;
}

// Everything "FLY!" writes, resolved and checked before the first of them changes.
struct FlyDestinations {
    common::Resolved ini;
    std::filesystem::path missionFile;
    std::filesystem::path choicesFile;
};

bool checkDestinations(const std::filesystem::path& gameFolder, const BuildSettings& settings,
                       FlyDestinations& out, LaunchResult& result) {
    const auto ini = common::resolve(gameFolder, kGameIniName);
    const auto mission = common::resolve(gameFolder, settings.missionFile);
    const auto choices = common::resolve(gameFolder, settings.choicesFile);
    for (const auto* found : {&ini, &mission, &choices})
        if (found->problem)
            result.problems.push_back(*found->problem);
    if (!result.problems.empty())
        return false;
    out = FlyDestinations{ini.value, mission.value.path, choices.value.path};

    const std::string action = "writing";
    if (ini.value.exists) {
        if (auto refused = common::replaceRefusal(ini.value.path, action))
            result.problems.push_back(*refused);
        else if (auto temp = tempRefusal(
                     ini.value.path.parent_path() / common::pathFromText(settings.iniTempName), action))
            result.problems.push_back(*temp);
    }
    for (const auto& file : {out.missionFile, out.choicesFile})
        if (auto refused = common::replaceRefusal(file, action))
            result.problems.push_back(*refused);
    return result.problems.empty();
}

void startProgramOf(const std::filesystem::path& gameFolder, const BuildSettings& settings,
                    LaunchResult& result) {
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
    const std::string stopped = settings.gameProgram.empty()
                                    ? "Nothing was written"
                                    : "Nothing was written and the game was not started";

    // Every file is checked and every byte built before the first file changes, so that a refusal
    // leaves the game folder exactly as it was.
    FlyDestinations to;
    if (!checkDestinations(gameFolder, settings, to, result)) {
        result.notes.push_back(stopped);
        return result;
    }
    std::optional<std::string> editedIni;
    if (to.ini.exists) {
        auto bytes = common::readFileBytes(to.ini.path);
        if (bytes.problem) {
            result.problems.push_back(*bytes.problem);
            result.notes.push_back(stopped);
            return result;
        }
        editedIni = rewriteGameIni(bytes.value, mission.choices.nation, mission.choices.rolePlanes[0]);
    } else {
        result.notes.push_back("No " + std::string(kGameIniName) + " in " + common::pathText(gameFolder) +
                               ": the game's nation and aircraft were not set");
    }
    const std::string missionText = missionBytes(mission.choices, result.summary.summaryText);

    std::vector<std::filesystem::path> changed;
    auto failedAfter = [&](const common::Problem& problem, const std::string& consequence) {
        result.problems.push_back(problem);
        result.notes.push_back(changed.empty()
                                   ? consequence
                                   : consequence + "; already changed: " + changedFiles(gameFolder, changed));
    };

    if (editedIni) {
        if (auto problem = common::writeFileAtomically(to.ini.path, *editedIni, settings.iniTempName)) {
            failedAfter(*problem, std::string(kGameIniName) + " was left as it was. " + stopped);
            return result;
        }
        result.iniRewritten = true;
        changed.push_back(to.ini.path);
    }
    if (auto problem = common::writeFileAtomically(to.missionFile, missionText)) {
        failedAfter(*problem, settings.gameProgram.empty()
                                  ? "The mission file could not be written"
                                  : "The mission file could not be written, so the game was not started");
        return result;
    }
    result.missionWritten = true;
    changed.push_back(to.missionFile);

    if (auto problem = writeChoicesFile(to.choicesFile, mission.choices))
        failedAfter(*problem, "The choices were not remembered");
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
