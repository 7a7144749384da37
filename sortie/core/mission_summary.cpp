#include "sortie/core/mission_summary.h"

#include "common/numbers.h"

namespace sortie {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

constexpr std::array<std::string_view, kRoleCount> kRoleLabels{
    "My aircraft: ", "My support aircraft: ", "Enemy aircraft: ", "Enemy support aircraft: "};

// Lines 6 to 15, in the order the summary lists them.
struct GroupLine {
    Group group;
    std::string_view label;
};
constexpr std::array<GroupLine, 10> kGroupLines{{
    {Group::YR, "Year:"}, // no blank: the year follows the colon directly
    {Group::MT, "Mission type: "},
    {Group::W, "Weather: "},
    {Group::TOD, "Time of day: "},
    {Group::FS, "Formation size: "},
    {Group::HT, "Altitude: "},
    {Group::SPS, "Friendly skill: "},
    {Group::EAL, "Enemy Activity: "},
    {Group::EPS, "Enemy skill: "},
    {Group::AA, "AAA: "},
}};

constexpr std::array<std::string_view, kRoleCount> kRoleMarkers{"My plane", "My support planes",
                                                                "Enemy #1 plane", "Enemy #2  plane"};

std::string entryAt(const std::vector<std::string>& list, long index) {
    if (index < 0 || index >= static_cast<long>(list.size()))
        return {};
    return list[static_cast<std::size_t>(index)];
}

void addLine(std::string& text, std::string_view label, std::string_view value) {
    text.append(label);
    text.append(value);
    text.append(kLineEnd);
}

} // namespace

std::string planeNameFor(const std::vector<std::string>& aircraftNames, std::string_view text) {
    long n = common::readInteger(text);
    if (n == -2 || n == -1)
        n += static_cast<long>(aircraftNames.size());
    return entryAt(aircraftNames, n);
}

std::string targetNameFor(const std::vector<std::string>& targetNames, std::string_view text) {
    return entryAt(targetNames, common::readInteger(text));
}

MissionSummary ShowChoice(const MissionSnapshot& mission) {
    const MissionChoices& c = mission.choices;
    MissionSummary summary;
    std::string& text = summary.summaryText;

    addLine(text, kRoleLabels[0], planeNameFor(mission.aircraftNames, c.rolePlanes[0]));
    addLine(text, "Number of aircraft: ", c.aircraftCount);
    for (std::size_t r = 1; r < kRoleLabels.size(); ++r)
        addLine(text, kRoleLabels[r], planeNameFor(mission.aircraftNames, c.rolePlanes[r]));
    for (const auto& line : kGroupLines)
        addLine(text, line.label, mission.catalog.selectedCaption(line.group, c.group(line.group)));
    addLine(text, c.groundStart ? "Ground start" : "Air start", "");
    addLine(text, "Home Base: ", targetNameFor(mission.targetNames, c.targetAndBase[kTargoHomeBase]));
    addLine(text, "Target: ", targetNameFor(mission.targetNames, c.targetAndBase[kTargoTarget]));

    if (c.missionType == kGroundAttack) {
        summary.interdictionTypeShown = summary.convoySizeShown = true;
        addLine(text,
                "Interdiction Type: ", mission.catalog.selectedCaption(Group::IntType, c.interdictionType));
        addLine(text, "Interdiction Size: ", mission.catalog.selectedCaption(Group::ISize, c.convoySize));
    }

    for (int cell = 0; cell < kPlaneCellCount; ++cell) {
        std::string& caption = summary.cellCaptions[static_cast<std::size_t>(cell)];
        caption = entryAt(mission.aircraftNames, cell);
        for (std::size_t r = 0; r < kRoleMarkers.size(); ++r) {
            if (common::readInteger(c.rolePlanes[r]) == cell) {
                caption.push_back('\r');
                caption.append(kRoleMarkers[r]);
            }
        }
    }
    return summary;
}

} // namespace sortie
