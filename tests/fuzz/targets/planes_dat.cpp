// "planes.dat": patching a slot's record never grows or shortens the file and touches only that
// record's first 168 bytes.
#include "fuzz_input.h"

#include "outfitter/planes/plane_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto bytes = fuzzing::asBytes(data, size);
    const int slot = static_cast<int>(fuzzing::takeByte(bytes) % 32);
    std::array<std::uint8_t, outfitter::kQivRecordBytes> record{};
    record.fill(0xA5);
    const std::string original(bytes);
    const auto patched = outfitter::patchPlaneRecord(original, slot, record);
    if (patched.ok()) {
        if (patched.value.size() != original.size())
            fuzzing::broken("a patched planes.dat changed its length");
        const std::size_t from = outfitter::planeRecordOffset(slot);
        if (patched.value.compare(0, from, original, 0, from) != 0 ||
            patched.value.compare(from + record.size(), std::string::npos, original, from + record.size(),
                                  std::string::npos) != 0)
            fuzzing::broken("a patch touched bytes outside its slot's record");
    }
    outfitter::readSlotFuel(bytes);
    return 0;
}
