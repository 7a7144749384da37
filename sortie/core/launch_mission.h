#pragma once
// "FLY!" (`LaunchMission`): the player's nation and aircraft into "eaw.ini", the mission file, the
// choices file, then the game's mission program; and "FLY" (`Command3`), which only starts the game.

#include "common/problem.h"
#include "sortie/core/mission_summary.h"
#include "sortie/second/build_settings.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sortie {

inline constexpr std::string_view kGameIniName = "eaw.ini";

// "eaw.ini" with its "PlayerNation=" and "PlayerPlane=" lines replaced (a key counts only at the very
// start of a line, in exactly that case) and every other line kept; every line ends CR LF. A nation of
// kNoneSelected leaves the nation line alone; missing keys are not added.
std::string rewriteGameIni(std::string_view bytes, int nation, std::string_view playerPlane);

struct LaunchResult {
    MissionSummary summary; // rebuilt from the current choices before anything was written
    bool iniRewritten = false;
    bool missionWritten = false;
    bool choicesWritten = false;
    bool gameStarted = false;
    std::vector<std::string> notes;
    common::Problems problems;
};

// Every destination is checked before the first file changes: a missing folder ("Savedata"), a folder
// that cannot be written or a read-only file (a read-only "eaw.ini" included) writes nothing and starts
// nothing. A write that fails anyway stops there (the choices file aside, which is reported while the
// game still starts), and the notes name the files already changed.
LaunchResult LaunchMission(const std::filesystem::path& gameFolder, const BuildSettings& settings,
                           const MissionSnapshot& mission);

// Starts the build's game program minimised in the game folder. Nothing to start (the second build)
// is not a failure.
LaunchResult startGame(const std::filesystem::path& gameFolder, const BuildSettings& settings);

} // namespace sortie
