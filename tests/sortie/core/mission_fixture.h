#pragma once
// A game folder with the builder and saved-missions folders, the name lists a start-up would have
// read, and the helpers the mission tests share.

#include "sortie/core/mission_summary.h"
#include "sortie/core/option_catalog.h"
#include "sortie/second/build_settings.h"
#include "sortie_test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace sortie::testing {

// Lines typed out by hand, each ended by CR LF.
inline std::string crlf(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (auto line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

using testsupport::slurp;

class MissionTest : public ::testing::Test {
  protected:
    MissionTest() {
        for (int i = 0; i < 30; ++i)
            PList.push_back("Plane " + std::to_string(i));
        PList.push_back("None");
        PList.push_back("Random");
        for (int k = 0; k < 200; ++k)
            TList.push_back("Target " + std::to_string(k));
        std::filesystem::create_directories(game() / "PEV" / "PEVMissions");
        std::filesystem::create_directories(game() / "Savedata");
    }

    const std::filesystem::path& game() const { return folder.path(); }
    std::filesystem::path missions() const { return game() / "PEV" / "PEVMissions"; }
    MissionSnapshot snapshot() const { return {choices, catalog, PList, TList}; }

    TempFolder folder;
    BuildSettings settings = sortieSettings();
    OptionCatalog catalog = makeOptionCatalog(settings);
    std::vector<std::string> PList;
    std::vector<std::string> TList;
    MissionChoices choices;
};

// Ground start, "Ground Attack", a "None" and a "Random" role, and no option at its first index.
inline MissionChoices groundAttackChoices() {
    MissionChoices c;
    c.rolePlanes = {"3", "-2", "-1", "29"};
    c.aircraftCount = "12";
    c.targetAndBase = {"0", "199"};
    c.groundStart = true;
    c.year = 3;
    c.timeOfDay = 4;
    c.weather = 4;
    c.missionType = 4;
    c.altitude = 3;
    c.formationSize = 2;
    c.friendlySkill = 3;
    c.enemyActivity = 1;
    c.enemySkill = 2;
    c.enemyAAA = 3;
    c.interdictionType = 3;
    c.convoySize = 3;
    c.nation = kUS;
    return c;
}

inline const std::string kInitialSummary = crlf({
    "My aircraft: Plane 9",
    "Number of aircraft: 4",
    "My support aircraft: Plane 10",
    "Enemy aircraft: Plane 16",
    "Enemy support aircraft: Plane 19",
    "Year:1940",
    "Mission type: Sweep",
    "Weather: Random",
    "Time of day: Random",
    "Formation size: Random",
    "Altitude: Random",
    "Friendly skill: Random",
    "Enemy Activity: Random",
    "Enemy skill: Random",
    "AAA: Random",
    "Air start",
    "Home Base: Target 95",
    "Target: Target 127",
});

inline const std::string kGroundAttackSummary = crlf({
    "My aircraft: Plane 3",
    "Number of aircraft: 12",
    "My support aircraft: None",
    "Enemy aircraft: Random",
    "Enemy support aircraft: Plane 29",
    "Year:1945",
    "Mission type: Ground Attack",
    "Weather: Overcast",
    "Time of day: Night",
    "Formation size: Medium",
    "Altitude: High",
    "Friendly skill: Expert",
    "Enemy Activity: Low",
    "Enemy skill: Seasoned",
    "AAA: High",
    "Ground start",
    "Home Base: Target 199",
    "Target: Target 0",
    "Interdiction Type: Trucks",
    "Interdiction Size: Random",
});

// The initial mission as the game's mission file, worked out line by line.
inline const std::string kInitialMissionFile =
    crlf({" 0 ", " 0 ", " 0 ", " 1 ", "4",   " 0 ", "9",   "10",  " 0 ", " 0 ", " 0 ",
          "16",  "19",  " 0 ", " 0 ", "-1 ", "95",  "127", " 1 ", " 1 ", "",    "DETAILS:"}) +
    kInitialSummary + "\r\n";

inline const std::string kGroundAttackMissionFile =
    crlf({" 3 ", " 4 ", " 4 ", " 4 ", "12",  " 3 ", "3", "-2",  " 2 ", " 3 ", " 1 ",
          "-1",  "29",  " 3 ", " 2 ", " 0 ", "199", "0", " 3 ", " 3 ", "",    "DETAILS:"}) +
    kGroundAttackSummary + "\r\n";

inline const std::string kInitialChoicesFile =
    crlf({"9",   "4",   "10",  "16",  "19",  " 255 ", "95",  "127", " 0 ", " 0 ",
          " 1 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ",   " 0 ", " 0 ", " 1 ", " 1 "});

inline const std::string kGroundAttackChoicesFile =
    crlf({"3",   "12",  "-2",  "-1",  "29",  " 0 ", "199", "0",   " 4 ", " 4 ",
          " 4 ", " 3 ", " 2 ", " 3 ", " 1 ", " 2 ", " 3 ", " 3 ", " 3 ", " 3 "});

} // namespace sortie::testing
