// The second build's scenario frame and its OK sequence.
#include "common/resolver.h"
#include "sortie/core/mission_builder.h"
#include "sortie/core/picture_table.h"
#include "sortie/theatre/name_lists.h"

namespace sortie {

namespace {

std::filesystem::path below(const std::filesystem::path& base, std::string_view relative) {
    return common::resolve(base, relative).value.path;
}

// The roles' aircraft every scenario starts from, before the stored choices are applied.
constexpr std::array<const char*, kRoleCount> kDefaultPlanes = {"9", "10", "16", "19"};

} // namespace

void MissionBuilder::chooseScenario(int k) {
    if (!scenario_.choose(k))
        report("There is no scenario " + std::to_string(k) + " in " +
               common::pathText(scenario_.scenariosFolder()));
}

bool MissionBuilder::beginScenario() {
    if (scenario_.chosen() < 0) {
        report(scenario_.scenarioCount() == 0
                   ? "No scenario to load: " + common::pathText(scenario_.scenariosFolder()) + " holds none"
                   : std::string("Choose a scenario first"));
        return false;
    }
    // Checked whole before anything is read, so a broken scenario leaves the window as it was.
    const auto missing = scenario_.missingFiles();
    if (!missing.empty()) {
        std::string names;
        for (const auto& name : missing)
            names += (names.empty() ? "" : ", ") + name;
        report("The scenario " + common::pathText(scenario_.folder()) + " lacks " + names +
               "; nothing was loaded, choose another scenario");
        return false;
    }
    setScenarioFolder(scenario_.folder());
    loadTheatre();
    for (int r = 0; r < kRoleCount; ++r)
        setText1(r, kDefaultPlanes[static_cast<std::size_t>(r)]);
    refreshNames();

    auto pictures = readPictureTable(below(picturesFolder_, kPictureTableName));
    pictures_ = pictures.value;
    pictureCache_.clear();
    if (pictures.problem)
        report(*pictures.problem);
    return true;
}

void MissionBuilder::finishScenario() {
    std::error_code ec;
    if (std::filesystem::exists(below(gameFolder_, settings_.choicesFile), ec))
        restoreChoices();
    auto weapons = StrToArray(data_, "weapons.str");
    if (weapons.problem)
        report(*weapons.problem);
    weaponNames_ = std::move(weapons.value);
    ShowChoice();
    scenario_.hideFrame();
    report("Scenario " + common::pathText(scenario_.folder().filename()) + " loaded");
}

} // namespace sortie
