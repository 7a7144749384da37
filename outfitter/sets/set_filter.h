#pragma once
// Which rows of the set grid the category list shows, and the hint the grid's header cell gives.

#include "outfitter/core/category_table.h"
#include "outfitter/core/set_catalog.h"

#include <cstddef>
#include <string>
#include <vector>

namespace outfitter {

inline constexpr const char* kHeaderAllAvailable = "All folders are available";
inline constexpr const char* kHeaderOneSelection = "Only one selection can be made!";
inline constexpr const char* kHeaderSeveralSelections = "Multiple selections are allowed!";

struct SetFilterView {
    std::vector<bool> visible; // one per row
    std::string header;        // text of the grid's header cell
    std::string letter;        // the category's letter, empty for the two fixed entries
};

// List position 0 ("Show ALL") shows every set but the campaign sets named "C-" and rows named
// "Autoscripts" or "Skinfolder"; 1 ("Show Selections") shows the loaded sets; a category shows the
// names beginning with its letter and "-" or a blank, case-sensitively.
SetFilterView filterSets(const std::vector<SetRow>& rows, const CategoryTable& categories,
                         std::size_t listPosition);

} // namespace outfitter
