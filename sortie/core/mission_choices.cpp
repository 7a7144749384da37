#include "sortie/core/mission_choices.h"

#include "common/numbers.h"
#include "common/text_file.h"

#include <ostream>

namespace sortie {

int& MissionChoices::group(Group g) {
    switch (g) {
    case Group::TOD:
        return timeOfDay;
    case Group::W:
        return weather;
    case Group::MT:
        return missionType;
    case Group::YR:
        return year;
    case Group::EPS:
        return enemySkill;
    case Group::AA:
        return enemyAAA;
    case Group::EAL:
        return enemyActivity;
    case Group::FS:
        return formationSize;
    case Group::HT:
        return altitude;
    case Group::SPS:
        return friendlySkill;
    case Group::IntType:
        return interdictionType;
    case Group::ISize:
        return convoySize;
    }
    return timeOfDay;
}

int MissionChoices::group(Group g) const {
    return const_cast<MissionChoices&>(*this).group(g);
}

std::string_view groupName(Group g) {
    static constexpr std::array<std::string_view, kOptionGroupCount> names{
        "TOD", "W", "MT", "YR", "EPS", "AA", "EAL", "FS", "HT", "SPS", "IntType", "ISize"};
    return names[static_cast<std::size_t>(g)];
}

int nationForPlane(long planeIndex) {
    int nation = kGerman;
    if (planeIndex < 16)
        nation = kBritish;
    if (planeIndex < 9)
        nation = kUS;
    return nation;
}

std::vector<std::string> choicesLines(const MissionChoices& c) {
    std::vector<std::string> lines{c.rolePlanes[0],    c.aircraftCount,
                                   c.rolePlanes[1],    c.rolePlanes[2],
                                   c.rolePlanes[3],    common::numberLine(c.groundStart ? 0 : 255),
                                   c.targetAndBase[1], c.targetAndBase[0]};
    for (Group g : kStoredGroups)
        lines.push_back(common::numberLine(c.group(g)));
    return lines;
}

void writeChoices(std::ostream& out, const MissionChoices& choices) {
    common::writeLinesCrLf(out, choicesLines(choices));
}

std::optional<common::Problem> writeChoicesFile(const std::filesystem::path& file,
                                                const MissionChoices& choices) {
    return common::writeLinesAtomically(file, choicesLines(choices));
}

namespace {

std::string lineLabel(int lineNumber) {
    return "line " + std::to_string(lineNumber);
}

// The aircraft index a role text names, with "None"/"Random" folded onto their list entries.
bool planeTextValid(const std::string& text, int role, int planeCount) {
    if (planeCount <= 0)
        return true;
    const long n = common::readInteger(text);
    if (role == 0)
        return n >= 0 && n < planeCount - 2;
    return (n >= -2 && n < planeCount);
}

} // namespace

std::optional<long> typedWholeNumber(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text.remove_prefix(first);
    text.remove_suffix(text.size() - text.find_last_not_of(' ') - 1);
    const bool negative = text.starts_with('-');
    if (negative)
        text.remove_prefix(1);
    // More digits than any choice needs would only overflow.
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    long n = 0;
    for (const char digit : text)
        n = n * 10 + (digit - '0');
    return negative ? -n : n;
}

ReadLastResult parseChoices(const std::vector<std::string>& lines, const MissionChoices& current,
                            const ChoiceLimits& limits) {
    ReadLastResult result{current, {}};
    MissionChoices& c = result.choices;
    auto& notes = result.notes;

    if (lines.size() < static_cast<std::size_t>(kChoicesLineCount))
        notes.push_back("the choices file has " + std::to_string(lines.size()) + " of " +
                        std::to_string(kChoicesLineCount) + " lines; the rest keep their values");
    auto line = [&](int number) -> const std::string* {
        const auto i = static_cast<std::size_t>(number - 1);
        return i < lines.size() ? &lines[i] : nullptr;
    };

    static constexpr std::array<int, kRoleCount> roleLines{1, 3, 4, 5};
    for (int r = 0; r < kRoleCount; ++r) {
        const std::string* text = line(roleLines[static_cast<std::size_t>(r)]);
        if (!text)
            continue;
        if (planeTextValid(*text, r, limits.planeCount))
            c.rolePlanes[static_cast<std::size_t>(r)] = *text;
        else
            notes.push_back(lineLabel(roleLines[static_cast<std::size_t>(r)]) + ": aircraft \"" + *text +
                            "\" is not in the aircraft list");
    }
    if (const std::string* text = line(2)) {
        const long n = common::readInteger(*text);
        if (n >= 1 && n <= 12)
            c.aircraftCount = *text;
        else
            notes.push_back(lineLabel(2) + ": number of aircraft \"" + *text + "\" is not 1 to 12");
    }
    if (const std::string* text = line(6))
        c.groundStart = !(common::readInteger(*text) > 0);

    static constexpr std::array<int, 2> targetLines{8, 7}; // Text6[0] target on line 8, Text6[1] base on 7
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string* text = line(targetLines[i]);
        if (!text)
            continue;
        const long n = common::readInteger(*text);
        if (limits.targetCount <= 0 || (n >= 0 && n < limits.targetCount))
            c.targetAndBase[i] = *text;
        else
            notes.push_back(lineLabel(targetLines[i]) + ": target \"" + *text +
                            "\" is not in the target list");
    }

    for (std::size_t k = 0; k < kStoredGroups.size(); ++k) {
        const int number = 9 + static_cast<int>(k);
        const std::string* text = line(number);
        if (!text)
            continue;
        const long n = common::readInteger(*text);
        const int count = limits.optionCounts[k];
        if (n >= 0 && n < count)
            c.group(kStoredGroups[k]) = static_cast<int>(n);
        else
            notes.push_back(lineLabel(number) + ": " + std::string(groupName(kStoredGroups[k])) +
                            " option \"" + *text + "\" does not exist");
    }

    c.nation = nationForPlane(common::readInteger(c.rolePlanes[0]));
    return result;
}

common::Result<ReadLastResult> ReadLast(const std::filesystem::path& file, const MissionChoices& current,
                                        const ChoiceLimits& limits) {
    auto lines = common::readLines(file);
    if (!lines.ok())
        return {ReadLastResult{current, {}}, lines.problem};
    return {parseChoices(lines.value, current, limits), std::nullopt};
}

} // namespace sortie
