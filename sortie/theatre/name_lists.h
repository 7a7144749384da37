#pragma once
// Readers of the game's string tables and the name lists built from them at start-up.

#include "common/problem.h"
#include "sortie/theatre/data_locator.h"
#include "sortie/theatre/target_table.h"

#include <string>
#include <string_view>
#include <vector>

namespace sortie {

// The strings of a located string-table file, in file order. A table that breaks off gives the
// strings read before the break and a problem.
common::Result<std::vector<std::string>> StrToList(const DataLocator& data, std::string_view fileName);

// The same strings shifted by one: entry i is string i, entry 0 exists and is empty.
common::Result<std::vector<std::string>> StrToArray(const DataLocator& data, std::string_view fileName);

// One name per record, entry k for record k. Names whose index lies beyond `names` (or that a short
// record does not hold) are empty and reported in one problem.
common::Result<std::vector<std::string>> TargList(const TargetTable& table,
                                                  const std::vector<std::string>& names);

inline constexpr std::size_t kAircraftSlots = 30;

struct TheatreNames {
    std::vector<std::string> aircraftNames; // `PList`: aircraft names, then "None" and "Random"
    std::vector<std::string> targetNames;   // `TList`: target names, entry k for record k
    TargetTable targets;
    common::Problems problems;
};

// "tarnames.str", then "targets.dat", then "pnames.str"; a missing or broken file is reported and the
// lists are built from what could be read.
TheatreNames LoadNameLists(const DataLocator& data);

} // namespace sortie
