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
        number(c.YR),
        number(c.TOD),
        number(c.W),
        number(c.MT),
        c.Text5,
        number(c.HT),
        c.Text1[0],
        c.Text1[1],
        number(c.FS),
        number(c.SPS),
        number(c.EAL),
        c.Text1[2],
        c.Text1[3],
        number(c.AA),
        number(c.EPS),
        number(c.Check1 ? kGroundStart : kAirStart),
        c.Text6[kTargoHomeBase],
        c.Text6[kTargoTarget],
        number(c.IntType), // written whatever the mission type
        number(c.ISize),
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
    result.problem = common::writeFileAtomically(file, missionBytes(mission.choices, result.summary.Label9));
    return result;
}

} // namespace sortie
