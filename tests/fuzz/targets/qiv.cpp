// A plane-set ".qiv": a record with no fault holds a slot the game has.
#include "fuzz_input.h"

#include "common/text_file.h"
#include "outfitter/core/plane_codes.h"
#include "outfitter/planes/qiv_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = fuzzing::asBytes(data, size);
    const auto parsed = outfitter::parseQiv(common::splitLines(bytes), "plane.qiv");
    parsed.name();
    if (!parsed.fault && (parsed.slot < 0 || parsed.slot >= static_cast<int>(outfitter::kSlotCount)))
        fuzzing::broken("a sound plane set names a slot the game does not have");
    outfitter::readQiv(fuzzing::Scratch::instance().write("plane.qiv", bytes));
    return 0;
}
