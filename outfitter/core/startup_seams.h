#pragma once
// What start-up asks of the parts that own the game settings, the skin grid and the plane-set grid.
// Each is optional: an empty callback means that part is not there yet, and start-up does without it.

#include "common/problem.h"

#include <filesystem>
#include <functional>
#include <string>

namespace outfitter {

struct StartupSeams {
    // Reads the settings of "eaw.ini" (given by its found path); called only when the file exists.
    std::function<common::Problems(const std::filesystem::path& eawIni)> iniRead;
    // Marks the skin rows that a ledger line names; says whether any row matched.
    std::function<bool(const std::string& ledgerLine)> markSkin;
    // Marks the plane-set rows that a ledger line names; says whether any row matched.
    std::function<bool(const std::string& ledgerLine)> markPlaneSet;
};

} // namespace outfitter
