// "FoldersLoaded.txt": the ledger the next start replays; what is read writes back as the same names.
#include "fuzz_input.h"

#include "outfitter/core/load_ledger.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto& scratch = fuzzing::Scratch::instance();
    scratch.write("QIV128/FoldersLoaded.txt", fuzzing::asBytes(data, size));
    const auto names = outfitter::readLedger(scratch.folder() / "QIV128");
    if (!names.ok())
        return 0;
    scratch.write("QIV128/FoldersLoaded.txt", outfitter::ledgerBytes(names.value));
    const auto again = outfitter::readLedger(scratch.folder() / "QIV128");
    if (!again.ok() || again.value != names.value)
        fuzzing::broken("a written ledger does not read back as the same names");
    return 0;
}
