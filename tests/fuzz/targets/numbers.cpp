// The lenient leading-number reader and the number-line form written from it.
#include "fuzz_input.h"

#include "common/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto text = fuzzing::asBytes(data, size);
    const double value = common::readNumber(text);
    const long whole = common::readInteger(text);
    common::roundHalfEven(value);
    common::roundToByte(value);
    // A number line reads back as the number it was written from, as far as a double holds it exactly.
    constexpr long long exact = 1LL << 53; // long is 32 bits on Windows
    if (whole > -exact && whole < exact && common::readInteger(common::numberLine(whole)) != whole)
        fuzzing::broken("a number line does not read back as its number");
    return 0;
}
