#include "sortie/second/build_settings.h"

namespace sortie {

BuildSettings sortieSettings() {
    BuildSettings s;
    s.programName = "sortie";
    s.dataSource = DataSource::GameThenBuilder;
    s.builderFolder = "PEV";
    s.picturesFolder = "PEV";
    s.missionsFolder = "PEV\\PEVMissions";
    s.choicesFile = "PEV\\pevset.txt";
    s.flyAction = FlyAction::LaunchGame;
    s.flyCaption = "FLY!";
    s.missionFile = "Savedata\\SingMiss.mpf";
    s.iniTempName = "pevini";
    s.gameProgram = "PEVeaw.exe";
    s.interdictionTypes = {"Ships", "Armour", "Train", "Trucks"};
    return s;
}

BuildSettings sortiexSettings() {
    BuildSettings s;
    s.programName = "sortiex";
    s.dataSource = DataSource::Scenario;
    s.builderFolder = "PEV";
    s.picturesFolder = "PEV\\PEVScreens";
    s.missionsFolder = "PEV\\PEVMissions";
    s.scenariosFolder = "PEV\\PEVScenarios";
    s.choicesFile = "PEV\\pevset.txt";
    s.flyAction = FlyAction::SaveAndExit;
    s.flyCaption = "Save parameters and exit";
    s.missionFile = "PEV\\SingMiss.mpf";
    s.iniTempName = "pev.ini";
    s.gameProgram = "";
    s.interdictionTypes = {"Trucks", "Armour", "Train", "Ships", "Warships"};
    return s;
}

} // namespace sortie
