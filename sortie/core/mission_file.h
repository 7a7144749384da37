#pragma once
// The game's single-mission file (`Make_mpf`): twenty value lines, an empty line, "DETAILS:" and the
// mission summary, every line ended by CR LF.

#include "common/problem.h"
#include "sortie/core/mission_choices.h"
#include "sortie/core/mission_summary.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sortie {

inline constexpr std::string_view kDetailsLine = "DETAILS:";

// Lines 1 to 22 without line ends: the values, the empty line and "DETAILS:".
std::vector<std::string> missionLines(const MissionChoices& choices);

// The whole file: missionLines with CR LF, then `summary` as it stands and one more CR LF.
std::string missionBytes(const MissionChoices& choices, std::string_view summary);
std::optional<common::Problem> writeMission(std::ostream& out, const MissionChoices& choices,
                                            std::string_view summary);

struct MakeMpfResult {
    MissionSummary summary; // what the file's details hold, for `Label9`
    std::optional<common::Problem> problem;
};

// Rebuilds the summary from the current choices, then replaces `file` whole.
MakeMpfResult Make_mpf(const std::filesystem::path& file, const MissionSnapshot& mission);

} // namespace sortie
