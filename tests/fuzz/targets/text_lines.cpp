// Text lines split at CR LF or LF, from bytes and from a file; joining with CR LF and splitting again
// keeps the lines.
#include "fuzz_input.h"

#include "common/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = fuzzing::asBytes(data, size);
    const auto lines = common::splitLines(bytes);
    if (common::splitLines(common::joinLinesCrLf(lines)) != lines)
        fuzzing::broken("lines joined with CR LF do not split into the same lines");
    const auto file = fuzzing::Scratch::instance().write("lines.txt", bytes);
    const auto read = common::readLines(file);
    if (read.ok() && read.value != lines)
        fuzzing::broken("a file's lines differ from its bytes' lines");
    return 0;
}
