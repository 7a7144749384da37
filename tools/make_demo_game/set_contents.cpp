// The add-on sets and skins of the demo. Sets of one category share some file names
// (so loading one over another replaces files), and some names are also stock files of the game.

#include "make_demo_game/set_contents.h"

#include "make_demo_game/image_files.h"
#include "make_demo_game/loadouts.h"
#include "make_demo_game/pictures.h"
#include "make_demo_game/plane_sets.h"
#include "make_demo_game/planes.h"

#include "common/text_file.h"

namespace demo {
namespace {

DemoFile contents(const std::vector<std::string>& lines) {
    return {"contents.txt", common::joinLinesCrLf(lines)};
}

DemoFile filler(const std::string& owner, const std::string& name, int size) {
    return {name, fillerBytes(owner, name, size)};
}

DemoFile bmp(const std::string& name, const std::string& caption, Scene scene) {
    return {name, encodeBmp(previewPicture(caption, scene))};
}

DemoFile jpg(const std::string& name, const std::string& word, Scene scene) {
    return {name, encodeJpeg(sceneryPicture(word, scene))};
}

} // namespace

std::string fillerBytes(const std::string& owner, const std::string& file, int size) {
    std::string bytes = "DEMO " + owner + " / " + file + "\r\n";
    unsigned state = 2166136261U;
    for (const char c : owner + file) {
        state = (state ^ static_cast<unsigned char>(c)) * 16777619U;
    }
    for (int i = 0; i < size; ++i) {
        state = state * 1664525U + 1013904223U;
        bytes.push_back(static_cast<char>(state >> 24));
    }
    return bytes;
}

std::vector<DemoSet> demoSets() {
    const auto set = [](const std::string& folder, std::vector<DemoFile> files) {
        return DemoSet{folder, std::move(files), {}};
    };
    std::vector<DemoSet> sets;
    std::string w = "W-Battle of Britain 1940";
    sets.push_back(set(w, {contents({"The summer of 1940 over southern England.", "Hurricanes and Spitfires",
                                     "against the Luftwaffe's bombers."}),
                           bmp("mypic", "BATTLE OF BRITAIN", Scene::Channel),
                           {"planes.dat", planesDat(1)},
                           filler(w, "horizon.tpc", 900),
                           filler(w, "terrain1.ter", 1200),
                           filler(w, "EagleDay.msn", 400),
                           filler(w, "bobtheme.bgm", 1500),
                           filler(w, "loader.ldr", 80)}));
    w = "W-Desert Air War";
    sets.push_back(set(w, {contents({"North Africa 1941-42: sand, sun and Tomahawks."}),
                           jpg("desert.jpg", "DESERT", Scene::Desert),
                           {"planes.dat", planesDat(2)},
                           filler(w, "horizon.tpc", 950),
                           filler(w, "terrain1.ter", 1100),
                           filler(w, "sand.pal", 768),
                           filler(w, "Tobruk.msn", 420),
                           filler(w, "desert.bgm", 1400)}));
    w = "C-Channel Front 1941";
    sets.push_back(set(w, {contents({"Circus operations over France, 1941.", "A career campaign."}),
                           bmp("mypic", "CHANNEL FRONT", Scene::Channel), filler(w, "ChannelCareer.sve", 700),
                           filler(w, "Circus01.msn", 380), filler(w, "Circus02.msn", 390),
                           filler(w, "cmpgn41.cpt", 500)}));
    w = "C Operation Overlord";
    sets.push_back(set(w, {contents({"June 1944: the invasion of Normandy.", "A career campaign."}),
                           jpg("overlord.jpg", "DDAY", Scene::Channel), filler(w, "Overlord.sve", 720),
                           filler(w, "DDay01.msn", 410), filler(w, "cmpgn44.cpt", 520)}));
    w = "G-Cloud Textures";
    sets.push_back(set(w, {contents({"Softer cumulus clouds."}), bmp("clouds.bmp", "CLOUDS", Scene::Channel),
                           filler(w, "cloud1.tpc", 800), filler(w, "cloud2.tpc", 800)}));
    w = "G-Cockpit Gauges";
    sets.push_back(
        set(w, {contents({"Sharper cockpit instruments."}), bmp("Pgauges.bmp", "GAUGES", Scene::Cockpit),
                filler(w, "gauges.tpc", 700), filler(w, "gauges.pcx", 300)}));
    w = "G-Explosion Effects";
    sets.push_back(set(w, {contents({"Bigger flak bursts and smoke."}), filler(w, "explode.spt", 400),
                           filler(w, "smoke.tpc", 600)}));
    // Carries its own "hof.dat" over the player's, and shares "planes.dat" with the Non-Career sets, so
    // loading it beside one replaces that set's copy and unloading either puts the other's back.
    w = "G-Desert Haze";
    sets.push_back(
        set(w, {contents({"Dust haze over the desert airfields,", "and a desert squadron's hall of fame."}),
                {"planes.dat", planesDat(2)},
                filler(w, "hof.dat", 256),
                filler(w, "haze.tpc", 700)}));
    sets.push_back(DemoSet{"F-Fighter Pack",
                           {contents({"Alternative fighters for the RAF and the Luftwaffe.",
                                      "Pick a plane set on the Planes and Skins tab."}),
                            bmp("mypic", "FIGHTER PACK", Scene::Channel),
                            {"planes.dat", planesDat(3)},
                            filler("F-Fighter Pack", "fighters.flt", 500)},
                           demoPlaneSets()});
    w = "S-Desert Camouflage";
    sets.push_back(set(w, {contents({"Desert camouflage for the RAF fighters."}),
                           jpg("skinset.jpg", "SAND", Scene::Desert), filler(w, "hurrdes.tpc", 900),
                           filler(w, "sp2ades.tpc", 900)}));
    w = "B-Spitfire Mainscreen";
    sets.push_back(set(w, {contents({"A Spitfire over the white cliffs as the main screen."}),
                           bmp("mypic", "MAINSCREEN", Scene::Channel), filler(w, "mainscr.pic", 1600)}));
    w = "Q-Channel Strike Missions";
    sets.push_back(set(w, {contents({"Two single missions against the Channel ports."}),
                           jpg("strike.jpg", "STRIKE", Scene::Night), filler(w, "Channel Strike.msn", 450),
                           filler(w, "Dover Patrol.msn", 430)}));
    w = "N-Merlin Engine Sounds";
    sets.push_back(set(w, {contents({"Recorded Merlin engines."}), filler(w, "merlin1.snd", 1000),
                           filler(w, "merlin2.snd", 1000)}));
    w = "N-Cannon Sounds";
    sets.push_back(set(w, {contents({"Heavier cannon sounds."}), filler(w, "hispano.snd", 900),
                           filler(w, "mg151.snd", 900)}));
    w = "s-Dunkirk 1940";
    sets.push_back(
        set(w, {contents({"Scenario: the beaches of Dunkirk, May 1940."}), filler(w, "dunkirk.msn", 400)}));
    w = "c-Atlantic Convoys";
    sets.push_back(
        set(w, {contents({"Convoy files for the western approaches."}), filler(w, "convoy1.dat", 300)}));
    w = "T-Winter Terrain";
    sets.push_back(set(w, {contents({"Snow over northern France, winter 1944."}),
                           bmp("winter.bmp", "WINTER", Scene::Winter), filler(w, "terrain1.ter", 1300)}));
    return sets;
}

std::vector<DemoSet> demoSkins() {
    const auto skin = [](const std::string& folder, const std::string& code, Colour body, Colour marking) {
        const std::string model = "p" + code + ".3dz";
        return DemoSet{folder,
                       {contents({folder + ".", "A demo skin."}),
                        filler(folder, model, 1200),
                        filler(folder, code + "skin.tpc", 2000),
                        {"skinpic", encodeBmp(skinPicture(folder, body, marking))}},
                       {}};
    };
    std::vector<DemoSet> skins = {
        skin("Bf 109G-6 JG 26", "109g", Colour::Grey, Colour::Black),
        skin("Hurricane I 303 Sqn", "hurr", Colour::Khaki, Colour::Blue),
        skin("Spitfire IX 611 Sqn", "sp09", Colour::Forest, Colour::Red),
        skin("Spitfire IX 92 Sqn", "sp09", Colour::Land, Colour::Blue),
    };
    // Flight data that travels only with "Include flt files", and a description of the file classes.
    auto& messerschmitt = skins.front();
    messerschmitt.files.front() = contents(
        {"Bf 109G-6 of JG 26, autumn 1943.",
         "Comes with its own planes.dat and flight model:", "tick \"Include flt files\" to load them too."});
    messerschmitt.files.push_back({"PLANES.DAT", planesDat(0)});
    messerschmitt.files.push_back(filler(messerschmitt.folder, "bf109g6.flt", 600));
    messerschmitt.files.push_back(filler(messerschmitt.folder, "readme.txt", 80));
    // Markings for no one aircraft: no "p*.3dz", so it has no code and replaces no other skin.
    const std::string decals = "RAF Decals"; // demo::contents::kSkinWithoutModel
    skins.push_back({decals,
                     {contents({"RAF roundels and squadron codes for every British fighter.",
                                "No model file: it replaces no other skin."}),
                      filler(decals, "rafcodes.tpc", 700), filler(decals, "roundel.tpc", 500),
                      jpg("decals.jpg", "RAF", Scene::Cockpit)},
                     {}});
    return skins;
}

} // namespace demo
