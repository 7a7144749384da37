#pragma once
// The contents of the target grid `Tg`: a heading row and one row of cell texts per target record.

#include "sortie/theatre/target_table.h"

#include <array>
#include <string>
#include <vector>

namespace sortie {

inline constexpr int kTgColumns = 36;
inline constexpr int kTgCheckColumn = 19;
inline constexpr int kTgBaseColumn = 25;
inline constexpr int kTgNameColumn = 33;
inline constexpr int kTgMapXColumn = 34;
inline constexpr int kTgMapYColumn = 35;
inline constexpr int kTgWidthUnchanged = -1; // the grid's own default width

struct TargetGrid {
    using Row = std::array<std::string, kTgColumns>;
    Row headings;
    std::array<int, kTgColumns> widthsTwips{}; // 0 hides a column
    std::vector<Row> rows;                     // rows[k] is grid row k + 1, record k
};

// Column 0 the record index, 1 to 32 the record's bytes (empty past a short record's end), 33 the name
// from `TList`, 34 and 35 left for the map positions.
TargetGrid TargDat(const TargetTable& table, const std::vector<std::string>& targetNames);

} // namespace sortie
