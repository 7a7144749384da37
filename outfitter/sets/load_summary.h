#pragma once
// The summary of what is loaded ("Whats Set?") and the ledger written from it: the marked set names,
// then the marked skins, then the marked plane sets while their grid is shown.

#include "common/problem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace outfitter {

// A grid row as the summary sees it: the name it records and whether the row carries its load mark.
struct MarkedName {
    std::string name;
    bool marked = false;
};

struct LoadSummary {
    std::vector<std::string> lines;

    // The summary label's text: every line followed by CR LF.
    std::string text() const;
};

LoadSummary buildLoadSummary(const std::vector<MarkedName>& sets, const std::vector<MarkedName>& skins,
                             const std::vector<MarkedName>& planeSets, bool planeSetsShown);

// The summary refresh's file work: replaces the ledger of `selectorFolder` with the summary, atomically.
// The caller skips it while its ready flag is down (during the replay of the ledger at start).
std::optional<common::Problem> writeLoadSummary(const std::filesystem::path& selectorFolder,
                                                const LoadSummary& summary);

} // namespace outfitter
