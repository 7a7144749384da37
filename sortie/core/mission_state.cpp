#include "sortie/core/mission_state.h"

#include "common/numbers.h"
#include "common/resolver.h"
#include "sortie/theatre/name_lists.h"

#include <utility>

namespace sortie {

std::filesystem::path pathBelow(const std::filesystem::path& base, std::string_view relative) {
    return common::resolve(base, relative).value.path;
}

MissionState::MissionState(std::filesystem::path gameFolder, BuildSettings settings)
    : settings_(std::move(settings)), catalog_(makeOptionCatalog(settings_)), data_(gameFolder, settings_) {
    places_.gameFolder = std::move(gameFolder);
    places_.builderFolder = pathBelow(places_.gameFolder, settings_.builderFolder);
    places_.picturesFolder = pathBelow(places_.gameFolder, settings_.picturesFolder);
    places_.missionsFolder = pathBelow(places_.gameFolder, settings_.missionsFolder);
    choices_.nation = nationForPlane(common::readInteger(choices_.rolePlanes[0]));
}

void MissionState::useScenarioFolder(const std::filesystem::path& folder) {
    data_ = DataLocator(places_.gameFolder, settings_, folder);
}

void MissionState::report(const std::string& text) {
    messages_.push_back(text);
}
void MissionState::report(const common::Problem& problem) {
    messages_.push_back(problem.text());
}
void MissionState::reportAll(const std::vector<std::string>& notes, const common::Problems& problems) {
    for (const auto& problem : problems)
        report(problem);
    for (const auto& note : notes)
        report(note);
}

void MissionState::loadTheatre() {
    TheatreNames names = LoadNameLists(data_);
    for (const auto& problem : names.problems)
        report(problem);
    lists_.aircraftNames = std::move(names.aircraftNames);
    lists_.targetNames = std::move(names.targetNames);
    lists_.targets = std::move(names.targets);
    lists_.targetGrid = TargDat(lists_.targets, lists_.targetNames);
    refreshNames();
    readWeaponNames();
    // New names change the cell captions and the summary.
    ShowChoice();
}

void MissionState::readWeaponNames() {
    auto weapons = StrToArray(data_, "weapons.str");
    if (weapons.problem)
        report(*weapons.problem);
    lists_.weaponNames = std::move(weapons.value);
}

std::string MissionState::nationText() const {
    return choices_.nation == kNoneSelected ? std::string() : std::to_string(choices_.nation);
}

void MissionState::setRolePlane(int role, const std::string& text, std::string_view typingBox) {
    if (role < 0 || role >= kRoleCount)
        return;
    change(
        [&](MissionChoices& c) {
            c.rolePlanes[static_cast<std::size_t>(role)] = text;
            if (role == 0)
                c.nation = nationForPlane(common::readInteger(text));
        },
        {}, typingBox);
}

void MissionState::recordStep(const MissionChoices& before, std::string label, std::string_view typingBox) {
    if (sameChoices(before, choices_))
        return;
    if (label.empty())
        label = describeChange(before, choices_, catalog_, lists_.aircraftNames, lists_.targetNames);
    history_.record(before, choices_, std::move(label), typingBox);
}

MissionState::OneStep::OneStep(MissionState& mission) : mission_(mission) {
    if (mission_.stepDepth_++ == 0) {
        mission_.stepBefore_ = mission_.choices_;
        mission_.stepLabel_.clear();
    }
}

MissionState::OneStep::~OneStep() {
    if (--mission_.stepDepth_ == 0)
        mission_.recordStep(mission_.stepBefore_, std::move(mission_.stepLabel_), {});
}

bool MissionState::undo() {
    if (!history_.undo(choices_))
        return false;
    afterChange();
    return true;
}

bool MissionState::redo() {
    if (!history_.redo(choices_))
        return false;
    afterChange();
    return true;
}

void MissionState::afterChange() {
    refreshNames();
    ShowChoice();
}

void MissionState::refreshNames() {
    for (std::size_t r = 0; r < roleAircraftNames_.size(); ++r)
        roleAircraftNames_[r] = planeNameFor(lists_.aircraftNames, choices_.rolePlanes[r]);
    for (std::size_t i = 0; i < placeNames_.size(); ++i)
        placeNames_[i] = targetNameFor(lists_.targetNames, choices_.targetAndBase[i]);
}

void MissionState::ReadLast() {
    const auto file = pathBelow(places_.gameFolder, settings_.choicesFile);
    const auto limits = catalog_.limits(static_cast<int>(lists_.aircraftNames.size()),
                                        static_cast<int>(lists_.targetNames.size()));
    auto result = sortie::ReadLast(file, choices_, limits);
    if (result.problem) {
        report(*result.problem);
        return;
    }
    change([&](MissionChoices& c) { c = result.value.choices; },
           "Choices of " + common::pathText(file.filename()));
    for (const auto& note : result.value.notes)
        report(common::pathText(file.filename()) + ", " + note);
}

void MissionState::restoreChoices() {
    ReadLast();
    // Also when the file could not be read: the cells lose whatever the pointer last showed.
    ShowChoice();
}

void MissionState::ShowChoice() {
    applySummary(sortie::ShowChoice(snapshot()));
}

void MissionState::applySummary(const MissionSummary& summary) {
    summary_ = summary;
}

void MissionState::showCellName(int cell, const std::string& name) {
    if (cell >= 0 && cell < kPlaneCellCount)
        summary_.cellCaptions[static_cast<std::size_t>(cell)] = name;
}

} // namespace sortie
