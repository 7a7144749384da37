// The 20-line choices file: any lines give choices within their limits, and the file written from
// them reads back as the same choices.
#include "fuzz_input.h"

#include "common/text_file.h"
#include "sortie/core/mission_choices.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lines = common::splitLines(fuzzing::asBytes(data, size));
    sortie::ChoiceLimits limits;
    limits.planeCount = 32;
    limits.targetCount = 200;
    const sortie::MissionChoices defaults;
    const auto parsed = sortie::parseChoices(lines, defaults, limits);
    const auto again = sortie::parseChoices(sortie::choicesLines(parsed.choices), defaults, limits);
    if (again.choices != parsed.choices)
        fuzzing::broken("a written choices file does not read back as the same choices");
    return 0;
}
