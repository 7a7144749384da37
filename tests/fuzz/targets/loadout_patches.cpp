// ".lox", ".lo1" and ".lo2" patches of "loadout.dat": a sound patch applies without growing the table
// further than the limit, a refused one leaves the bytes as they were.
#include "fuzz_input.h"

#include "common/text_file.h"
#include "outfitter/planes/loadout_patches.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lines = common::splitLines(fuzzing::asBytes(data, size));
    const std::string table(4 + 44 * 40, '\x07');
    for (const auto& patch :
         {outfitter::parseLoxPatch(lines, "a.lox"), outfitter::parseRunPatch(lines, "a.lo1")}) {
        if (patch.fault)
            continue;
        std::string bytes = table;
        if (auto problem = outfitter::applyLoadoutPatch(bytes, patch)) {
            if (bytes != table)
                fuzzing::broken("a refused patch changed the bytes");
        } else if (bytes.size() > table.size() + outfitter::kLoadoutGrowthLimit) {
            fuzzing::broken("a patch grew the table past its limit");
        }
    }
    return 0;
}
