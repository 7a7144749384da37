// "frntline.dat": any set number of any bytes, and the line drawn from a set that reads.
#include "fuzz_input.h"

#include "sortie/map/front_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static sortie::MapPicture picture;
    auto bytes = fuzzing::asBytes(data, size);
    const int set = static_cast<int>(fuzzing::takeByte(bytes)) - 8; // a few negative ones too
    const auto grid = sortie::readFrontLine(bytes, set);
    if (grid.ok())
        sortie::drawFrontLine(picture, grid.value);
    return 0;
}
