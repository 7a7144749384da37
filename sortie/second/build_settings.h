#pragma once
// What differs between the two builds of the mission builder: where data files come from, what "FLY!"
// does, and which folders hold pictures and missions. `sortie` and `sortiex` differ only in this value.

#include <string>
#include <vector>

namespace sortie {

// Where the theatre data files ("targets.dat", "tarnames.str", ...) are read from.
enum class DataSource {
    GameThenBuilder, // the game folder, else the builder folder
    Scenario,        // only the scenario folder chosen at start-up, no fallback
};

// What the "FLY!" labels do.
enum class FlyAction {
    LaunchGame,  // rewrite "eaw.ini", write the mission and choices, start the mission program
    SaveAndExit, // rewrite "eaw.ini", write the mission and choices into the builder folder, end
};

struct BuildSettings {
    std::string programName; // window caption and messages
    DataSource dataSource = DataSource::GameThenBuilder;
    std::string builderFolder;   // relative to the game folder
    std::string picturesFolder;  // "PevPic.txt", "KobPic" and the board pictures
    std::string missionsFolder;  // saved "*.mpf" and ".jsv"
    std::string scenariosFolder; // one subfolder per scenario; empty when scenarios are not used
    std::string choicesFile;     // the choices file of the last mission
    FlyAction flyAction = FlyAction::LaunchGame;
    std::string flyCaption;                     // caption of the "FLY!" labels
    std::string missionFile;                    // where "FLY!" writes the mission file
    std::string iniTempName;                    // temporary name used while rewriting "eaw.ini"
    std::string gameProgram;                    // started by "FLY!"; empty when nothing is started
    std::vector<std::string> interdictionTypes; // captions of `IntType`, index order
};

// Relative paths use "\" as the game does; common::resolve accepts either separator.
BuildSettings sortieSettings();
BuildSettings sortiexSettings();

} // namespace sortie
