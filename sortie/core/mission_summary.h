#pragma once
// The mission in words (`Label9`), the role markers on the plane cells (`Label18`) and whether the
// interdiction frames show: everything `ShowChoice` redraws from the current choices.

#include "sortie/core/board_geometry.h"
#include "sortie/core/mission_choices.h"
#include "sortie/core/option_catalog.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace sortie {

// The current mission as the summary and the file writers see it: the choices and the lists whose
// entries name the aircraft, the target and the home base.
struct MissionSnapshot {
    const MissionChoices& choices;
    const OptionCatalog& catalog;
    const std::vector<std::string>& aircraftNames; // `PList`
    const std::vector<std::string>& targetNames;   // `TList`
};

struct MissionSummary {
    std::string summaryText; // `Label9`, lines ended by CR LF
    std::array<std::string, kPlaneCellCount>
        cellCaptions;                   // `Label18`: aircraft name, then CR and a marker per role
    bool interdictionTypeShown = false; // `Frame3`: interdiction type shown
    bool convoySizeShown = false;       // `Frame6`: convoy size shown
};

inline constexpr int kGroundAttack = 4; // `MT` index

// Rebuilt from scratch each time; nothing of an earlier summary survives.
MissionSummary ShowChoice(const MissionSnapshot& mission);

// `PList` entry for a role's text; "-2" and "-1" name the last two entries ("None", "Random").
// Empty when the index lies outside the list.
std::string planeNameFor(const std::vector<std::string>& aircraftNames, std::string_view text);
// `TList` entry for a target or home-base text; empty outside the list.
std::string targetNameFor(const std::vector<std::string>& targetNames, std::string_view text);

} // namespace sortie
