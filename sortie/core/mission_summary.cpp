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

constexpr std::array<std::string_view, kRoleCount> kRoleMarkers{"My plane", "My support planes", "Enemy #1 plane",
                                                                "Enemy #2  plane"};

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

std::string planeNameFor(const std::vector<std::string>& PList, std::string_view text) {
    long n = common::readInteger(text);
    if (n == -2 || n == -1)
        n += static_cast<long>(PList.size());
    return entryAt(PList, n);
}

std::string targetNameFor(const std::vector<std::string>& TList, std::string_view text) {
    return entryAt(TList, common::readInteger(text));
}

MissionSummary ShowChoice(const MissionSnapshot& mission) {
    const MissionChoices& c = mission.choices;
    MissionSummary summary;
    std::string& text = summary.Label9;

    addLine(text, kRoleLabels[0], planeNameFor(mission.PList, c.Text1[0]));
    addLine(text, "Number of aircraft: ", c.Text5);
    for (std::size_t r = 1; r < kRoleLabels.size(); ++r)
        addLine(text, kRoleLabels[r], planeNameFor(mission.PList, c.Text1[r]));
    for (const auto& line : kGroupLines)
        addLine(text, line.label, mission.catalog.selectedCaption(line.group, c.group(line.group)));
    addLine(text, c.Check1 ? "Ground start" : "Air start", "");
    addLine(text, "Home Base: ", targetNameFor(mission.TList, c.Text6[kTargoHomeBase]));
    addLine(text, "Target: ", targetNameFor(mission.TList, c.Text6[kTargoTarget]));

    if (c.MT == kGroundAttack) {
        summary.Frame3 = summary.Frame6 = true;
        addLine(text, "Interdiction Type: ", mission.catalog.selectedCaption(Group::IntType, c.IntType));
        addLine(text, "Interdiction Size: ", mission.catalog.selectedCaption(Group::ISize, c.ISize));
    }

    for (int cell = 0; cell < kPlaneCellCount; ++cell) {
        std::string& caption = summary.Label18[static_cast<std::size_t>(cell)];
        caption = entryAt(mission.PList, cell);
        for (std::size_t r = 0; r < kRoleMarkers.size(); ++r) {
            if (common::readInteger(c.Text1[r]) == cell) {
                caption.push_back('\r');
                caption.append(kRoleMarkers[r]);
            }
        }
    }
    return summary;
}

} // namespace sortie
