#include "sortie/theatre/target_grid.h"

namespace sortie {

namespace {

void writeHeadings(TargetGrid::Row& h) {
    h[0] = "targets.dat";
    for (int i = 0; i < 4; ++i) {
        h[static_cast<std::size_t>(1 + i)] = "X" + std::to_string(i + 1);
        h[static_cast<std::size_t>(5 + i)] = "Y" + std::to_string(i + 1);
    }
    h[17] = "TstrL";
    h[18] = "TstrH";
    h[19] = "Check";
    h[20] = "#Recs";
    h[21] = "StRecL";
    h[22] = "StRecH";
    h[25] = "BaseL";
    h[26] = "BaseH";
}

} // namespace

TargetGrid TargDat(const TargetTable& table, const std::vector<std::string>& targetNames) {
    TargetGrid grid;
    writeHeadings(grid.headings);
    // Only the row number, the flag byte, "BaseL" and the name stay visible.
    grid.widthsTwips.fill(0);
    grid.widthsTwips[0] = kTgWidthUnchanged;
    grid.widthsTwips[kTgCheckColumn] = 720;
    grid.widthsTwips[kTgBaseColumn] = 720;
    grid.widthsTwips[kTgNameColumn] = 2000;
    grid.widthsTwips[kTgMapXColumn] = 480;
    grid.widthsTwips[kTgMapYColumn] = 480;

    grid.rows.reserve(table.records.size());
    for (std::size_t k = 0; k < table.records.size(); ++k) {
        const TargetRecord& record = table.records[k];
        TargetGrid::Row row;
        row[0] = std::to_string(k);
        for (std::size_t i = 0; i < record.length; ++i)
            row[1 + i] = std::to_string(record.bytes[i]);
        if (k < targetNames.size())
            row[kTgNameColumn] = targetNames[k];
        grid.rows.push_back(std::move(row));
    }
    return grid;
}

} // namespace sortie
