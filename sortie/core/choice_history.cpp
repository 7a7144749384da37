#include "sortie/core/choice_history.h"

#include "sortie/core/mission_summary.h"

#include <utility>

namespace sortie {

namespace {

std::string caption(const auto& captions, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < captions.size()
               ? std::string(captions[static_cast<std::size_t>(index)])
               : std::string("none");
}

} // namespace

bool sameChoices(const MissionChoices& a, const MissionChoices& b) {
    MissionChoices aLikeB = a;
    aLikeB.frontLine = b.frontLine;
    return aLikeB == b;
}

std::string describeChange(const MissionChoices& before, const MissionChoices& after,
                           const OptionCatalog& catalog, const std::vector<std::string>& aircraftNames,
                           const std::vector<std::string>& targetNames) {
    for (std::size_t r = 0; r < before.rolePlanes.size(); ++r)
        if (before.rolePlanes[r] != after.rolePlanes[r])
            return catalog.roleCaptions[r] + " = " + planeNameFor(aircraftNames, after.rolePlanes[r]);
    if (before.aircraftCount != after.aircraftCount)
        return "Number of aircraft = " + after.aircraftCount;
    static constexpr std::array<const char*, 2> kPlaces{"Target", "Home base"};
    for (std::size_t i = 0; i < before.targetAndBase.size(); ++i)
        if (before.targetAndBase[i] != after.targetAndBase[i])
            return std::string(kPlaces[i]) + " = " + targetNameFor(targetNames, after.targetAndBase[i]);
    if (before.groundStart != after.groundStart)
        return after.groundStart ? "Ground start" : "Air start";
    for (const Group g : kStoredGroups)
        if (before.group(g) != after.group(g))
            return catalog.info(g).frameCaption + " = " + catalog.selectedCaption(g, after.group(g));
    if (before.nation != after.nation)
        return "Nation = " + caption(catalog.nationCaptions, after.nation);
    if (before.roleToFill != after.roleToFill)
        return "Role = " + caption(catalog.roleCaptions, after.roleToFill);
    if (before.nextPick != after.nextPick)
        return "Pick = " + caption(catalog.pickCaptions, after.nextPick);
    if (before.loadoutLine != after.loadoutLine)
        return after.loadoutLine < 0 ? "Loadout = none"
                                     : "Loadout = line " + std::to_string(after.loadoutLine + 1);
    return {};
}

void ChoiceHistory::record(const MissionChoices& before, const MissionChoices& after, std::string label,
                           std::string_view typingBox) {
    if (sameChoices(before, after))
        return;
    redo_.clear();
    if (!typingBox.empty() && typingBox == typingBox_ && !undo_.empty()) {
        if (sameChoices(undo_.back().choices, after)) {
            undo_.pop_back();
            typingBox_.clear();
        } else {
            undo_.back().label = std::move(label);
        }
        return;
    }
    undo_.push_back({before, std::move(label)});
    typingBox_ = std::string(typingBox);
    while (undo_.size() > kDepth)
        undo_.pop_front();
}

bool ChoiceHistory::undo(MissionChoices& current) {
    if (undo_.empty())
        return false;
    Step step = std::move(undo_.back());
    undo_.pop_back();
    redo_.push_back({current, step.label});
    step.choices.frontLine = current.frontLine;
    current = std::move(step.choices);
    typingBox_.clear();
    return true;
}

bool ChoiceHistory::redo(MissionChoices& current) {
    if (redo_.empty())
        return false;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    undo_.push_back({current, step.label});
    step.choices.frontLine = current.frontLine;
    current = std::move(step.choices);
    typingBox_.clear();
    return true;
}

void ChoiceHistory::clear() {
    undo_.clear();
    redo_.clear();
    typingBox_.clear();
}

} // namespace sortie
