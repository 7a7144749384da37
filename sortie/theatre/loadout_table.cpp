#include "sortie/theatre/loadout_table.h"

#include <algorithm>

namespace sortie {

namespace {

std::uint8_t byteAt(std::string_view table, std::size_t zeroBased) {
    return static_cast<std::uint8_t>(table[zeroBased]);
}

} // namespace

std::string slotLine(int count, int weapon, const std::vector<std::string>& weaponNames) {
    if (count <= 0)
        return {};
    const auto name = weapon >= 0 && static_cast<std::size_t>(weapon) < weaponNames.size()
                          ? weaponNames[static_cast<std::size_t>(weapon)]
                          : "weapon " + std::to_string(weapon);
    return std::to_string(count) + "  " + name;
}

LoadoutListing listLoadouts(std::string_view table, long aircraft,
                            const std::vector<std::string>& weaponNames) {
    LoadoutListing out;
    // q is the 1-based position of a record's first byte, as Sloc and Slab are kept.
    for (std::size_t q = kLoadoutHeaderSize + 1; q < kLoadoutScanLimit; q += kLoadoutRecordSize) {
        const std::size_t start = q - 1;
        if (start >= table.size())
            break;
        if (start + kLoadoutRecordSize > table.size()) {
            out.truncatedRecord = true;
            break;
        }
        if (static_cast<long>(byteAt(table, start)) != aircraft) {
            if (out.found())
                break;
            continue;
        }
        const int n = out.lastLoadout + 1;
        if (n == 0)
            out.firstRecord = q;
        out.listLines.push_back("Loadout #" + std::to_string(n));
        for (std::size_t j = 0; j < kLoadoutSlots; ++j) {
            const int weapon = byteAt(table, start + 8 * j + 4);
            const int count = byteAt(table, start + 8 * j + 6);
            out.listLines.push_back(slotLine(count, weapon, weaponNames));
            if (count > 0 && static_cast<std::size_t>(weapon) >= weaponNames.size() &&
                std::find(out.unnamedWeapons.begin(), out.unnamedWeapons.end(), weapon) ==
                    out.unnamedWeapons.end())
                out.unnamedWeapons.push_back(weapon);
        }
        out.listLines.emplace_back(kLoadoutSeparator);
        out.lastLoadout = n;
    }
    return out;
}

bool readLoadoutRecord(std::string_view table, std::size_t Slab, LoadoutRecord& record) {
    if (Slab == 0 || Slab - 1 + kLoadoutRecordSize > table.size())
        return false;
    std::copy_n(table.begin() + static_cast<std::ptrdiff_t>(Slab - 1), kLoadoutRecordSize, record.begin());
    return true;
}

bool writeOverRun(std::string& table, std::size_t Sloc, int count, const LoadoutRecord& record) {
    if (Sloc == 0 || count <= 0 ||
        Sloc - 1 + static_cast<std::size_t>(count) * kLoadoutRecordSize > table.size())
        return false;
    for (int k = 0; k < count; ++k)
        std::copy(record.begin(), record.end(),
                  table.begin() + static_cast<std::ptrdiff_t>(recordPosition(Sloc, k) - 1));
    return true;
}

} // namespace sortie
