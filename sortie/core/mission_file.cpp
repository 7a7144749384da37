#include "sortie/core/mission_file.h"

#include "common/atomic_file.h"
#include "common/numbers.h"
#include "common/text_file.h"

#include <ostream>

namespace sortie {

namespace {

// The mission file marks the start the other way round from the choices file (255/0).
constexpr long kAirStart = -1;
constexpr long kGroundStart = 0;

} // namespace

std::vector<std::string> missionLines(const MissionChoices& c) {
    auto number = [](long value) { return common::numberLine(value); };
    return {
        number(c.year),
        number(c.timeOfDay),
        number(c.weather),
        number(c.missionType),
        c.aircraftCount,
        number(c.altitude),
        c.rolePlanes[0],
        c.rolePlanes[1],
        number(c.formationSize),
        number(c.friendlySkill),
        number(c.enemyActivity),
        c.rolePlanes[2],
        c.rolePlanes[3],
        number(c.enemyAAA),
        number(c.enemySkill),
        number(c.groundStart ? kGroundStart : kAirStart),
        c.targetAndBase[kTargoHomeBase],
        c.targetAndBase[kTargoTarget],
        number(c.interdictionType), // written whatever the mission type
        number(c.convoySize),
        std::string(),
        std::string(kDetailsLine),
    };
}

std::string missionBytes(const MissionChoices& choices, std::string_view summary) {
    std::string bytes = common::joinLinesCrLf(missionLines(choices));
    bytes.append(summary);
    bytes.append("\r\n");
    return bytes;
}

std::optional<common::Problem> writeMission(std::ostream& out, const MissionChoices& choices,
                                            std::string_view summary) {
    const std::string bytes = missionBytes(choices, summary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out)
        return common::Problem{{}, "writing the mission file", "the output refused the data"};
    return std::nullopt;
}

MakeMpfResult Make_mpf(const std::filesystem::path& file, const MissionSnapshot& mission) {
    MakeMpfResult result{ShowChoice(mission), std::nullopt};
    result.problem =
        common::writeFileAtomically(file, missionBytes(mission.choices, result.summary.summaryText));
    return result;
}

} // namespace sortie
