// Writes "PEV": "PevPic.txt", "KobPic", the roles and option-row pictures, "PEVMissions" with the
// saved mission "Channel Sweep", the reference "Loadout.dat", and the second build's screens and
// scenarios.

#include "make_demo_game/builder_folder.h"

#include "make_demo_game/demo_contents.h"
#include "make_demo_game/image_files.h"
#include "make_demo_game/loadouts.h"
#include "make_demo_game/pictures.h"
#include "make_demo_game/planes.h"
#include "make_demo_game/scenarios.h"
#include "make_demo_game/targets.h"

#include "common/numbers.h"

#include <string>
#include <vector>

namespace demo {
namespace {

struct OptionRow {
    const char* key;
    const char* file;
    const char* name;
};

const std::vector<OptionRow>& optionRows() {
    static const std::vector<OptionRow> rows = {
        {"Number", "pevnum.bmp", "Number of planes"},
        {"Year", "pevyear.bmp", "Year"},
        {"TimeOfDay", "pevtime.bmp", "Time of day"},
        {"Weather", "pevwthr.bmp", "Weather"},
        {"MissionType", "pevmiss.bmp", "Mission type"},
        {"Altitude", "pevalt.bmp", "Altitude"},
        {"Formation", "pevform.bmp", "Formation size"},
        {"FriendlySkill", "pevfsk.bmp", "Friendly skill"},
        {"EnemyActivity", "peveact.bmp", "Enemy Activity"},
        {"EnemySkill", "pevesk.bmp", "Enemy skill"},
        {"AAA", "pevaaa.bmp", "AAA"},
    };
    return rows;
}

// A saved mission: Spitfire IX sweep over Boulogne from Tangmere, summer 1943, air start.
void writeSavedMission(OutputFolder& out, const std::string& folder) {
    const auto& names = planeNames();
    const auto line = [](long v) { return common::numberLine(v); };
    const std::string home = std::to_string(contents::kHomeBaseRecord);
    const std::string target = std::to_string(contents::kTargetRecord);
    std::vector<std::string> mission = {
        line(1), line(2), line(1), line(1), "4",      line(2), "11",   "12",    line(2), line(2), line(2),
        "17",    "22",    line(1), line(2), line(-1), home,    target, line(1), line(1), "",      "DETAILS:"};
    const std::vector<std::string> summary = {
        "My aircraft: " + names[11],
        "Number of aircraft: 4",
        "My support aircraft: " + names[12],
        "Enemy aircraft: " + names[17],
        "Enemy support aircraft: " + names[22],
        "Year:1943",
        "Mission type: Sweep",
        "Weather: Clear",
        "Time of day: Day",
        "Formation size: Medium",
        "Altitude: Medium",
        "Friendly skill: Seasoned",
        "Enemy Activity: Medium",
        "Enemy skill: Seasoned",
        "AAA: Low",
        "Air start",
        "Home Base: " + targets()[contents::kHomeBaseRecord].name,
        "Target: " + targets()[contents::kTargetRecord].name,
    };
    mission.insert(mission.end(), summary.begin(), summary.end());
    mission.emplace_back(); // the summary ends with a line break, and one more follows it
    out.writeLines(folder + "\\Channel Sweep.mpf", mission);

    out.writeLines(folder + "\\Channel Sweep.jsv",
                   {"11",    "4",     "12",    "17",    "22",    line(255), home,
                    target,  line(2), line(1), line(1), line(1), line(2),   line(1),
                    line(2), line(2), line(2), line(2), line(1), line(1)});
}

} // namespace

void writeBoardPictures(OutputFolder& out, const std::string& folder) {
    std::vector<std::string> picTable = {"Aircraft=pevroles.bmp"};
    for (const OptionRow& row : optionRows()) {
        picTable.push_back(std::string(row.key) + "=" + row.file);
        out.writeBytes(folder + "\\" + row.file, encodeBmp(optionRowPicture(row.name)));
    }
    out.writeLines(folder + "\\PevPic.txt", picTable);
    out.writeBytes(folder + "\\KobPic", encodeBmp(boardPicture()));
    out.writeBytes(folder + "\\pevroles.bmp", encodeBmp(rolesPicture()));
}

void writeBuilderFolder(OutputFolder& out) {
    const std::string builder(contents::kBuilder);
    writeBoardPictures(out, builder);
    out.writeBytes(builder + "\\Loadout.dat", loadoutDat());
    writeSavedMission(out, builder + "\\" + std::string(contents::kMissions));
    writeScenarioFolders(out);
}

} // namespace demo
