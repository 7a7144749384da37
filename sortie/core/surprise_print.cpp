#include "sortie/core/surprise_print.h"

#include "sortie/core/mission_builder.h"
#include "sortie/core/mission_file.h"

#include <ostream>
#include <random>

namespace sortie {

std::uint64_t freshSeed() {
    std::random_device device;
    return device();
}

int printSurprise(const std::filesystem::path& gameFolder, const BuildSettings& settings,
                  std::optional<std::uint64_t> seed, std::ostream& out, std::ostream& err) {
    MissionBuilder builder(gameFolder, settings);
    builder.start();
    const std::uint64_t drawn = seed ? *seed : freshSeed();
    const bool made = builder.surprise(drawn);
    // The start-up's notes and the refusal; the seed's own message is said below in the same words.
    const auto& messages = builder.messages();
    for (std::size_t i = 0; i + (made ? 1 : 0) < messages.size(); ++i)
        err << settings.programName << ": " << messages[i] << '\n';
    if (!made)
        return 1;
    if (!seed)
        err << settings.programName << ": seed " << drawn << '\n';
    const MissionState& m = builder.mission();
    // What "FLY!" writes: the summary made afresh from the choices, as LaunchMission makes it.
    const std::string bytes = missionBytes(m.choices(), ShowChoice(m.snapshot()).summaryText);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return out ? 0 : 1;
}

} // namespace sortie
