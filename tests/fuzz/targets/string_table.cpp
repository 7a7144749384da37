// ".str" string tables: any bytes decode to a defined result, and what decodes encodes and decodes
// back to the same strings.
#include "fuzz_input.h"

#include "common/string_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto decoded = common::decodeStringTable(fuzzing::asBytes(data, size));
    if (!decoded.ok())
        return 0;
    const auto encoded = common::encodeStringTable(decoded.value);
    if (!encoded.ok())
        return 0;
    const auto again = common::decodeStringTable(encoded.value);
    if (!again.ok() || again.value != decoded.value)
        fuzzing::broken("an encoded string table does not decode to the same strings");
    return 0;
}
