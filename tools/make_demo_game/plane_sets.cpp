// Generates the demo's plane-set folders and picture menus.

#include "make_demo_game/plane_sets.h"

#include "make_demo_game/image_files.h"
#include "make_demo_game/loadouts.h"
#include "make_demo_game/pictures.h"
#include "make_demo_game/planes.h"

#include "common/text_file.h"

#include <array>

namespace demo {
namespace {

DemoFile text(const std::string& name, const std::vector<std::string>& lines) {
    return {name, common::joinLinesCrLf(lines)};
}

DemoFile qiv(const std::string& file, const std::string& name, int slot, int variant) {
    return text(file, qivLines(name, slot, variant));
}

// 1-based position of byte `at` of an aircraft's first loadout record in "loadout.dat".
int loadoutPosition(int aircraft, int at) {
    return 4 + kLoadoutRecordSize * firstLoadoutRecord(aircraft) + 1 + at;
}

DemoFile loxPatch(const std::string& file, int aircraft) {
    return text(file, {std::to_string(loadoutPosition(aircraft, 12)), "2",
                       std::to_string(loadoutPosition(aircraft, 14)), "2"});
}

DemoFile runPatch(const std::string& file, int aircraft, int at, const std::vector<std::string>& values) {
    std::vector<std::string> lines{std::to_string(loadoutPosition(aircraft, at))};
    lines.insert(lines.end(), values.begin(), values.end());
    return text(file, lines);
}

// Slots whose names fill each menu's boxes, then the entries no install renames.
const std::array<std::vector<int>, 3> kMenuSlots = {{
    {13, 11, 10, 9, 14, 12, 15},
    {5, 3, 4, 2, 0, 1, 6, 7, 8},
    {18, 17, 22, 23, 16, 24, 20, 19, 21, 25, 28},
}};
const std::array<std::vector<std::string>, 3> kMenuExtras = {
    {{"Blenheim Mk IV", "Wellington Mk III"}, {}, {}}};

} // namespace

std::vector<DemoSet> demoPlaneSets() {
    const std::string owner = "F-Fighter Pack";
    return {
        {"P-Fw 190A-8",
         {text("contents.txt", {"Fw 190A-8 with heavier armour and the MW 50 boost.", "Replaces slot 22,",
                                "with its own loadouts and flight model."}),
          qiv("fw190a8.qiv", "Fw 190A-8/R2", 22, 2),
          loxPatch("fw190a8.lox", 22),
          runPatch("fw190a8.lo1", 22, 20, {"12", "1"}),
          runPatch("fw190a8.lo2", 22, 28, {"13", "1"}),
          {"190a.flt", fillerBytes(owner, "190a.flt", 700)},
          {"fw190a8.jpg", encodeJpeg(sceneryPicture("FW190", Scene::Channel))}},
         {}},
        {"P-Lightning F-4",
         {text("contents.txt", {"The unarmed photo-reconnaissance Lightning.", "Replaces slot 0."}),
          qiv("f4.qiv", "F-4 Lightning", 0, 1),
          {"mypic", encodeBmp(previewPicture("LIGHTNING F-4", Scene::Channel))}},
         {}},
        {"P-Spitfire IXc",
         {text("contents.txt", {"Spitfire Mk IXc with the c-wing.", "Replaces slot 11."}),
          qiv("spit9c.qiv", "Spitfire Mk IXc", 11, 1),
          loxPatch("spit9c.lox", 11),
          {"mypic", encodeBmp(previewPicture("SPITFIRE IXC", Scene::Channel))}},
         {}},
        {"P-Spitfire IXe",
         {text("contents.txt", {"Spitfire Mk IXe with the e-wing and .50 guns.", "Replaces slot 11."}),
          qiv("spit9e.qiv", "  Spitfire Mk IXe  ", 11, 3),
          runPatch("spit9e.lo1", 11, 20, {"10", "0", "1"}),
          {"sp09.flt", fillerBytes(owner, "sp09.flt", 600)},
          {"spit9e.jpg", encodeJpeg(sceneryPicture("SPIT IXE", Scene::Channel))}},
         {}},
    };
}

const char* pictureMenuName(int country) {
    static constexpr std::array<const char*, 3> names = {"picplnb.mnu", "picplna.mnu", "picplng.mnu"};
    return names[static_cast<std::size_t>(country)];
}

std::string pictureMenu(int country) {
    const auto index = static_cast<std::size_t>(country);
    std::string bytes = "MNU" + std::string(1, static_cast<char>(country));
    for (int i = 4; i < 35; ++i)
        bytes += static_cast<char>((i * 29 + country) % 256);
    std::vector<std::string> entries;
    for (const int slot : kMenuSlots[index])
        entries.push_back(planeNames()[static_cast<std::size_t>(slot)]);
    entries.insert(entries.end(), kMenuExtras[index].begin(), kMenuExtras[index].end());
    for (std::size_t j = 0; j < entries.size(); ++j) {
        bytes += static_cast<char>(entries[j].size() + 1);
        bytes.append(3, '\0');
        bytes += entries[j];
        bytes += '\0';
        // Invented picture numbers and screen positions of the entry.
        for (int k = 0; k < 15; ++k)
            bytes += static_cast<char>((static_cast<int>(j) * 17 + k * 5 + country * 3) % 256);
    }
    return bytes;
}

} // namespace demo
