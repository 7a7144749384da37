#pragma once
// The second build's folders below "PEV": "PEVScreens" with the board pictures and the scenario
// frame's "FormPic", and "PEVScenarios" with three scenarios of their own theatre.

#include "make_demo_game/output_folder.h"

#include <array>
#include <string_view>

namespace demo {

inline constexpr std::string_view kScreens = "PEV\\PEVScreens";
inline constexpr std::string_view kScenarios = "PEV\\PEVScenarios";

// In folder-list order. The last lacks "frntline.dat", so the builder must refuse it.
inline constexpr std::array<std::string_view, 3> kScenarioNames = {"Battle of Britain 1940",
                                                                   "Channel Front 1943", "Normandy 1944"};
inline constexpr std::array<int, 3> kScenarioTargets = {260, 180, 140};

void writeScenarioFolders(OutputFolder& out);

} // namespace demo
