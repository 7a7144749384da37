// "results.txt": the report from any lines, and from the file in a game folder.
#include "fuzz_input.h"

#include "common/text_file.h"
#include "sortie/core/results_report.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = fuzzing::asBytes(data, size);
    sortie::resultsText(common::splitLines(bytes));
    auto& scratch = fuzzing::Scratch::instance();
    scratch.write("game/results.txt", bytes);
    sortie::showResults(scratch.folder() / "game");
    return 0;
}
