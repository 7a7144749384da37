#pragma once
// A second-build game folder by hand: "PEV\PEVScreens" and scenarios whose files name their scenario,
// so a test can see which folder every list came from.

#include "sortie_test_files.h"

#include <string>
#include <vector>

namespace sortie::testing {

inline const std::vector<std::string> kScenarioFiles = {
    "Tarnames.str", "Pnames.str", "eaw.tm", "targets.dat", "loadout.dat", "frntline.dat", "weapons.str"};

// The seven data files of a scenario named `name`, except `skip`; names are lower case on disk where
// `lowerCase` is set, to show that the file table matches them whatever their case.
inline void writeScenario(const std::filesystem::path& folder, const std::string& name, int targets,
                          const std::string& skip = {}, bool lowerCase = false) {
    auto file = [&](std::string n) {
        if (lowerCase)
            for (auto& ch : n)
                ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        return folder / n;
    };
    auto wanted = [&](const std::string& n) { return n != skip; };
    std::vector<std::string> planes, targetNames;
    std::vector<Record> records;
    for (int i = 0; i < 30; ++i)
        planes.push_back(name + " plane " + std::to_string(i));
    for (int k = 0; k < targets; ++k) {
        targetNames.push_back(name + " target " + std::to_string(k));
        records.push_back({static_cast<unsigned>(k), static_cast<std::uint8_t>(k % 3 == 0 ? 64 : 0), 1});
    }
    if (wanted("Pnames.str"))
        writeFile(file("Pnames.str"), stringTableBytes(planes));
    if (wanted("Tarnames.str"))
        writeFile(file("Tarnames.str"), stringTableBytes(targetNames));
    if (wanted("targets.dat"))
        writeFile(file("targets.dat"), targetsBytes(static_cast<unsigned>(targets), records));
    if (wanted("weapons.str"))
        writeFile(file("weapons.str"), stringTableBytes({name + " gun", name + " bomb"}));
    if (wanted("eaw.tm"))
        writeFile(file("eaw.tm"), std::string(640 * 320, '\x02'));
    if (wanted("frntline.dat"))
        writeFile(file("frntline.dat"), std::string(600 * 13, '\xFF'));
    if (wanted("loadout.dat")) {
        // Two loadouts of aircraft 9: one gun, then two bombs.
        std::string table(4, '\0');
        for (int n = 0; n < 2; ++n) {
            std::string r(44, '\0');
            r[0] = 9;
            r[4] = static_cast<char>(n + 1);
            r[6] = static_cast<char>(n + 1);
            table += r;
        }
        writeFile(file("loadout.dat"), table);
    }
}

// Game folder with "eaw.ini", the screens folder and scenarios "Alpha" (lower-case file names),
// "Bravo" and "Charlie" (no "frntline.dat"), but no data files of its own.
inline void makeSecondBuildFolder(const std::filesystem::path& game) {
    writeFile(game / "eaw.ini", "Width=1024\r\nPlayerNation=1\r\nPlayerPlane=3\r\nYear=1940");
    const auto screens = game / "PEV" / "PEVScreens";
    std::string pevPic;
    for (int i = 0; i < 12; ++i)
        pevPic += "Pic" + std::to_string(i) + "=screen" + std::to_string(i) + ".bmp\r\n";
    writeFile(screens / "PevPic.txt", pevPic);
    writeFile(screens / "KobPic", "kob picture");
    writeFile(screens / "FormPic", "form picture");
    writeFile(screens / "screen3.bmp", "weather picture");
    std::filesystem::create_directories(game / "PEV" / "PEVMissions");
    const auto scenarios = game / "PEV" / "PEVScenarios";
    writeScenario(scenarios / "Alpha", "Alpha", 200, {}, true);
    writeScenario(scenarios / "Bravo", "Bravo", 150);
    writeScenario(scenarios / "Charlie", "Charlie", 140, "frntline.dat");
}

} // namespace sortie::testing
