// Writes "PEV\PEVScreens" and the three scenarios of "PEV\PEVScenarios" from the demo's own theatre:
// the whole of it, the first 180 targets with the 1945 front line first, and the first 140 targets
// without any front line.

#include "make_demo_game/scenarios.h"

#include "make_demo_game/builder_folder.h"
#include "make_demo_game/front_lines.h"
#include "make_demo_game/image_files.h"
#include "make_demo_game/loadouts.h"
#include "make_demo_game/pictures.h"
#include "make_demo_game/planes.h"
#include "make_demo_game/targets.h"
#include "make_demo_game/theatre_map.h"

#include <string>
#include <utility>

namespace demo {
namespace {

constexpr std::size_t kFrontLineSetSize = 600;

// The first `count` records with the header saying so. Their name indices still point into the
// whole "tarnames.str", which every scenario carries.
std::string firstTargets(int count) {
    std::string bytes = targetsDat();
    bytes.resize(4 + static_cast<std::size_t>(count) * kTargetRecordSize);
    bytes[0] = static_cast<char>(count % 256);
    bytes[1] = static_cast<char>(count / 256);
    return bytes;
}

// The front lines with sets 0 and 12 exchanged, so the first line drawn is the 1945 one.
std::string lateFrontFirst() {
    std::string bytes = frontLineDat();
    const std::size_t late = 12 * kFrontLineSetSize;
    for (std::size_t i = 0; i < kFrontLineSetSize && late + i < bytes.size(); ++i)
        std::swap(bytes[i], bytes[late + i]);
    return bytes;
}

void writeScenario(OutputFolder& out, std::size_t index) {
    const std::string folder = std::string(kScenarios) + "\\" + std::string(kScenarioNames[index]);
    out.writeBytes(folder + "\\Tarnames.str", tarnamesStr());
    out.writeBytes(folder + "\\Pnames.str", pnamesStr());
    out.writeBytes(folder + "\\eaw.tm", eawTm());
    out.writeBytes(folder + "\\targets.dat", firstTargets(kScenarioTargets[index]));
    out.writeBytes(folder + "\\loadout.dat", loadoutDat());
    out.writeBytes(folder + "\\weapons.str", weaponsStr());
    if (index == 0)
        out.writeBytes(folder + "\\frntline.dat", frontLineDat());
    else if (index == 1)
        out.writeBytes(folder + "\\frntline.dat", lateFrontFirst());
}

} // namespace

void writeScenarioFolders(OutputFolder& out) {
    const std::string screens(kScreens);
    writeBoardPictures(out, screens);
    out.writeBytes(screens + "\\FormPic", encodeBmp(previewPicture("CHOOSE YOUR SCENARIO", Scene::Channel)));
    for (std::size_t i = 0; i < kScenarioNames.size(); ++i)
        writeScenario(out, i);
}

} // namespace demo
