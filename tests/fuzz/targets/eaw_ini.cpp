// "eaw.ini" lines: the six settings read, the file rewritten with them and with the player's nation
// and aircraft; no line is lost or added by either rewrite.
#include "fuzz_input.h"

#include "common/text_file.h"
#include "outfitter/settings/ini_lines.h"
#include "sortie/core/launch_mission.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = fuzzing::asBytes(data, size);
    const auto lines = common::splitLines(bytes);
    outfitter::IniValues values;
    const auto read = outfitter::readIniValues(lines);
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = read[i].value_or("0");
    if (common::splitLines(outfitter::iniWithValues(lines, values)).size() != lines.size())
        fuzzing::broken("saving the settings changed the number of lines");
    outfitter::iniFreeText(lines);
    for (const auto& line : lines)
        outfitter::shortestNumber(line);
    if (common::splitLines(sortie::rewriteGameIni(bytes, sortie::kBritish, "12")).size() != lines.size())
        fuzzing::broken("flying changed the number of lines of eaw.ini");
    return 0;
}
