// Writes the top level of the demo game folder and its "SaveData" and "Music" folders.

#include "make_demo_game/game_folder.h"

#include "make_demo_game/demo_contents.h"
#include "make_demo_game/front_lines.h"
#include "make_demo_game/image_files.h"
#include "make_demo_game/loadouts.h"
#include "make_demo_game/pictures.h"
#include "make_demo_game/plane_sets.h"
#include "make_demo_game/planes.h"
#include "make_demo_game/set_contents.h"
#include "make_demo_game/targets.h"
#include "make_demo_game/theatre_map.h"

#include "common/numbers.h"

#include <string>

namespace demo {
namespace {

// Placeholder executables: they only need to be listed and started, never to run.
std::string placeholderExe(const std::string& name) {
    return "MZ" + std::string(62, '\0') + "Placeholder " + name + " of the demo game; not a program.\r\n";
}

std::vector<std::string> eawIni() {
    return {
        "; Game settings of the demo game",
        "Width=1024 ; the game's menus are drawn for this width",
        "Height=768",
        "ColourDepth=16",
        "Detail=3",
        "ExtraSquads=2",
        "Day=15",
        "Month=8",
        "month=3",
        "Year=1940",
        "Month=8",
        "StartDay=1",
        "PlaneSetNumber=1",
        "PlayerNation=1",
        "PlayerPlane=9",
        "Difficulty=2",
        "SoundVolume=100",
        "MusicVolume=80",
    };
}

void writeTheatre(OutputFolder& out) {
    out.writeBytes("pnames.str", pnamesStr());
    for (int country = 0; country < 3; ++country) {
        out.writeBytes(pictureMenuName(country), pictureMenu(country));
    }
    out.writeBytes("targets.dat", targetsDat());
    out.writeBytes("tarnames.str", tarnamesStr());
    out.writeBytes("weapons.str", weaponsStr());
    out.writeBytes("Loadout.dat", loadoutDat());
    out.writeBytes("eaw.tm", eawTm());
    out.writeBytes("frntline.dat", frontLineDat());
    // The last flight: 1250 points, 4 kills, landed, rated good, accomplished, no promotion, a medal.
    std::vector<std::string> results;
    for (const long value : {1250L, 4L, 1L, 3L, 1L, 0L, 7L, 1L, 2L, -1L, 1L, 0L}) {
        results.push_back(common::numberLine(value));
    }
    out.writeLines("results.txt", results);
}

} // namespace

void writeGameFolder(OutputFolder& out) {
    const std::string saveData(contents::kSaveData);
    const std::string music(contents::kMusic);
    const std::string stock = "stock game";

    out.writeBytes("eaw.exe", placeholderExe("eaw.exe"));
    out.writeBytes("PEVeaw.exe", placeholderExe("PEVeaw.exe"));
    out.writeLines("eaw.ini", eawIni());

    // Stock files: some share names with set files, four are protected from the clean-up, and one
    // bitmap begins with P (cleaned up) while another does not (kept).
    out.writeBytes("planes.dat", planesDat(0));
    out.writeBytes("horizon.tpc", fillerBytes(stock, "horizon.tpc", 900));
    out.writeBytes("terrain1.ter", fillerBytes(stock, "terrain1.ter", 1200));
    out.writeBytes("hof.dat", fillerBytes(stock, "hof.dat", 256));
    out.writeLines("Chatline.txt", {"Welcome to the demo game."});
    out.writeBytes("DSG.ICO", fillerBytes(stock, "DSG.ICO", 300));
    out.writeBytes("extra.spt", fillerBytes(stock, "extra.spt", 200));
    out.writeBytes("Pmenu.bmp", encodeBmp(previewPicture("MENU", Scene::Channel)));
    out.writeBytes("splash.bmp", encodeBmp(previewPicture("EAW DEMO GAME", Scene::Night)));
    out.writeBytes("background", encodeBmp(previewPicture("DEMO GAME", Scene::Channel)));
    out.writeBytes("newpic", encodeBmp(previewPicture("PACKAGES", Scene::Night)));
    writeTheatre(out);

    out.writeBytes(saveData + "\\Default1.msn", fillerBytes(stock, "Default1.msn", 300));
    out.writeBytes(saveData + "\\Default2.msn", fillerBytes(stock, "Default2.msn", 300));
    out.writeBytes(saveData + "\\Training.msn", fillerBytes(stock, "Training.msn", 300));
    out.writeBytes(saveData + "\\MyDefault.msn", fillerBytes(stock, "MyDefault.msn", 300));

    // Three music sets: the active one is the folder now called "Music", the others keep their names.
    out.writeLines("Music.ini", {"MusicOriginal", "MusicSwing", "MusicBigBand"});
    out.writeBytes(music + "\\track01.bgm", fillerBytes("MusicOriginal", "track01.bgm", 1000));
    out.writeBytes(music + "\\track02.bgm", fillerBytes("MusicOriginal", "track02.bgm", 1000));
    out.writeBytes("MusicSwing\\track01.bgm", fillerBytes("MusicSwing", "track01.bgm", 1000));
    out.writeBytes("MusicSwing\\track02.bgm", fillerBytes("MusicSwing", "track02.bgm", 1000));
    out.writeBytes("MusicBigBand\\track01.bgm", fillerBytes("MusicBigBand", "track01.bgm", 1000));
}

} // namespace demo
