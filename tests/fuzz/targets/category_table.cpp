// "qiv.ini": the category table from any lines, and as the selector loads it from its folder.
#include "fuzz_input.h"

#include "common/text_file.h"
#include "outfitter/core/category_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = fuzzing::asBytes(data, size);
    common::Problems problems;
    const auto table = outfitter::CategoryTable::parse(common::splitLines(bytes), "qiv.ini", problems);
    if (table.size() > outfitter::kMaxCategories)
        fuzzing::broken("more categories than the table holds");
    for (const auto& category : table.categories())
        if (category.letter.size() != 1)
            fuzzing::broken("a category letter that is not one byte");
    for (std::size_t p = 0; p < table.size() + 3; ++p)
        table.indexAtListPosition(p);

    auto& scratch = fuzzing::Scratch::instance();
    scratch.write("QIV128/qiv.ini", bytes);
    outfitter::CategoryTable::load(scratch.folder() / "QIV128", problems);
    return 0;
}
