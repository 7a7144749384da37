// "targets.dat": the header's count is never trusted, every record accessor stays inside its bytes.
#include "fuzz_input.h"

#include "sortie/theatre/target_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto table = sortie::decodeTargets(fuzzing::asBytes(data, size));
    unsigned sum = 0;
    for (const auto& record : table.value.records) {
        if (record.hasNameIndex())
            sum += record.nameIndex();
        sum += record.isAirfield() ? 1 : 0;
        sum += record.complete() ? 1 : 0;
    }
    return sum == 0xFFFFFFFFu ? 1 : 0;
}
