#pragma once
// The save-and-load panel `Frame10`: saved missions are pairs "name.mpf" (the mission file) and
// "name.jsv" (its choices file) in the saved-missions folder.

#include "common/problem.h"
#include "sortie/core/mission_choices.h"
#include "sortie/core/mission_summary.h"
#include "sortie/second/build_settings.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sortie {

inline constexpr std::string_view kSavedMissionPattern = "*.mpf";

// Why `name` cannot name a saved mission (empty, a path separator, a character or a form that a
// Windows file name cannot hold); nullopt when it can.
std::optional<std::string> savedNameFault(std::string_view name);

struct SaveResult {
    bool saved = false;
    bool replaced = false;          // a saved mission of that name existed and was overwritten
    MissionSummary summary;         // rebuilt before writing, for `Label9`
    std::vector<std::string> File1; // the saved missions after the save
    std::vector<std::string> notes; // for the message line
    common::Problems problems;
};

// `Command1`: writes "name.mpf" and "name.jsv" (`Text2` is the name, unchanged). A refused name
// writes nothing; a failed second file puts the first back as it was.
SaveResult saveMission(const std::filesystem::path& missionsFolder, std::string_view name,
                       const MissionSnapshot& mission);

// `File1`: the saved missions' file names in file-list order.
common::Result<std::vector<std::string>> listSavedMissions(const std::filesystem::path& missionsFolder);

struct SavedMissionDetails {
    std::filesystem::path selectedMissionPath; // `Label10`: the selected file's full path
    std::string missionDetails; // `Text3`: from the line "DETAILS:" on, each line ended by CR LF
    std::optional<common::Problem> problem;
};

// Selecting `fileName` in `File1`.
SavedMissionDetails selectSavedMission(const std::filesystem::path& missionsFolder,
                                       std::string_view fileName);

struct LoadResult {
    bool loaded = false;
    MissionChoices choices; // the restored choices; the current ones when nothing was loaded
    MissionSummary summary; // rebuilt from `choices`
    std::vector<std::string> notes;
    common::Problems problems;
};

// `Command2`: installs the selected ".mpf" as the build's mission file and its ".jsv" as the choices
// file, then reads the choices back. `selected` is `Label10`'s path, empty when nothing is selected.
LoadResult loadSavedMission(const std::filesystem::path& gameFolder, const BuildSettings& settings,
                            const std::filesystem::path& selected, const MissionSnapshot& current);

} // namespace sortie
