// The aircraft picture-menu files: any bytes and entry count decode to a defined result, and what
// decodes encodes to a file that decodes to the same names.
#include "fuzz_input.h"

#include "outfitter/planes/picture_menu_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto bytes = fuzzing::asBytes(data, size);
    const std::size_t count = fuzzing::takeByte(bytes) % 48;
    const auto menu = outfitter::decodeMenuFile(bytes, count);
    if (!menu.ok())
        return 0;
    if (menu.value.entries.size() != count)
        fuzzing::broken("a decoded menu with another number of entries than asked");
    const auto encoded = outfitter::encodeMenuFile(menu.value);
    if (!encoded.ok())
        return 0;
    const auto again = outfitter::decodeMenuFile(encoded.value, count);
    if (!again.ok() || again.value.entries.size() != count)
        fuzzing::broken("an encoded menu does not decode");
    for (std::size_t i = 0; i < count; ++i)
        if (again.value.entries[i].name != menu.value.entries[i].name ||
            again.value.entries[i].trailing != menu.value.entries[i].trailing)
            fuzzing::broken("an encoded menu entry does not decode to the same entry");
    return 0;
}
