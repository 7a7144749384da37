// "PevPic.txt": the option board's picture table, and one line's entry on its own.
#include "fuzz_input.h"

#include "sortie/core/picture_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = fuzzing::asBytes(data, size);
    sortie::pictureEntryFromLine(bytes);
    sortie::readPictureTable(fuzzing::Scratch::instance().write("PevPic.txt", bytes));
    return 0;
}
