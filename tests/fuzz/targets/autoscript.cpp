// Autoscripts and packages ("*.set"): fields, reduced items and the description, from bytes and file.
#include "fuzz_input.h"

#include "outfitter/sets/package_items.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = fuzzing::asBytes(data, size);
    const auto contents = outfitter::parsePackage(bytes);
    if (contents.descriptionItems > contents.items.size())
        fuzzing::broken("more description items than items");
    for (const auto& item : contents.items) {
        outfitter::reducePackageItem(item);
        outfitter::packageItemMatches(item, "W-Some set");
    }
    outfitter::readPackage(fuzzing::Scratch::instance().write("Autoscripts/a.set", bytes));
    return 0;
}
