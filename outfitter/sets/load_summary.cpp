#include "outfitter/sets/load_summary.h"

#include "outfitter/core/load_ledger.h"

#include "common/text_file.h"

namespace outfitter {

std::string LoadSummary::text() const {
    return common::joinLinesCrLf(lines);
}

LoadSummary buildLoadSummary(const std::vector<MarkedName>& sets, const std::vector<MarkedName>& skins,
                             const std::vector<MarkedName>& planeSets, bool planeSetsShown) {
    LoadSummary summary;
    const auto takeMarked = [&](const std::vector<MarkedName>& rows) {
        for (const auto& row : rows)
            if (row.marked)
                summary.lines.push_back(row.name);
    };
    takeMarked(sets);
    takeMarked(skins);
    if (planeSetsShown)
        takeMarked(planeSets);
    return summary;
}

std::optional<common::Problem> writeLoadSummary(const std::filesystem::path& selectorFolder,
                                                const LoadSummary& summary) {
    return writeLedger(selectorFolder, summary.lines);
}

} // namespace outfitter
