// The fuel loads of a set's "planes.dat" and the scaled loads written from them.
#include "fuzz_input.h"

#include "outfitter/planes/fuel_options.h"
#include "outfitter/planes/plane_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto bytes = fuzzing::asBytes(data, size);
    const int option = static_cast<int>(fuzzing::takeByte(bytes)) - 128;
    const auto table = outfitter::readSlotFuel(bytes);
    for (std::size_t slot = 0; slot < table.fuel.size(); ++slot) {
        if (table.fuel[slot] && *table.position[slot] + 1 > bytes.size())
            fuzzing::broken("a fuel position outside the file");
        if (table.fuel[slot])
            outfitter::scaledFuel(*table.fuel[slot], option);
    }
    return 0;
}
