// Generates the demo's weapon names and the loadouts of all 30 aircraft.

#include "make_demo_game/loadouts.h"

#include "make_demo_game/planes.h"

#include "common/string_table.h"

#include <array>
#include <utility>
#include <vector>

namespace demo {
namespace {

// Weapon index i (from 1) is string i of "weapons.str".
const std::array<const char*, kWeaponNames> kWeapons = {
    ".303 Browning MG", ".50 Browning M2", "20mm Hispano",     "7.92mm MG 17",        "13mm MG 131",
    "20mm MG FF",       "20mm MG 151/20",  "30mm MK 108",      "250 lb GP bomb",      "500 lb GP bomb",
    "1000 lb GP bomb",  "SC 250 bomb",     "SC 500 bomb",      "SC 1000 bomb",        "60 lb RP rocket",
    "5in HVAR rocket",  "WGr 21 rocket",   "Drop tank 45 gal", "Drop tank 108 gal",   "Drop tank 300 l",
    "37mm BK 3.7",      "Warhead 850 kg",  "7.92mm MG 15",     ".50 Browning turret",
};

using Slot = std::pair<int, int>; // weapon index, count
using Loadout = std::vector<Slot>;

// Loadouts of each aircraft slot, first the standard one.
const std::array<std::vector<Loadout>, kSlotCount>& loadoutsBySlot() {
    static const std::array<std::vector<Loadout>, kSlotCount> table = {{
        {{{2, 4}, {3, 1}}, {{2, 4}, {3, 1}, {11, 2}}, {{2, 4}, {3, 1}, {19, 2}}},
        {{{2, 4}, {3, 1}}, {{2, 4}, {3, 1}, {11, 2}}, {{2, 4}, {3, 1}, {16, 10}}},
        {{{2, 8}}, {{2, 8}, {19, 1}}},
        {{{2, 8}}, {{2, 8}, {10, 2}}, {{2, 8}, {16, 10}}},
        {{{2, 4}}, {{2, 4}, {18, 2}}},
        {{{2, 6}}, {{2, 6}, {18, 2}}, {{2, 6}, {10, 2}}},
        {{{24, 13}, {9, 12}}, {{24, 13}, {10, 6}}},
        {{{24, 10}, {10, 8}}, {{24, 10}, {11, 4}}},
        {{{24, 11}, {10, 6}}, {{24, 11}, {11, 2}}},
        {{{1, 8}}, {{1, 8}, {18, 2}}, {{1, 8}, {0, 0}, {9, 2}}},
        {{{1, 8}}, {{1, 8}, {18, 1}}},
        {{{3, 2}, {1, 4}}, {{3, 2}, {2, 2}}, {{3, 2}, {1, 4}, {10, 1}}},
        {{{3, 2}, {2, 2}}, {{3, 2}, {2, 2}, {18, 1}}},
        {{{3, 4}}, {{3, 4}, {10, 2}}, {{3, 4}, {15, 8}}, {{3, 4}, {11, 2}}},
        {{{3, 4}}, {{3, 4}, {11, 2}}, {{3, 4}, {18, 2}}},
        {{{3, 4}, {1, 4}}, {{3, 4}, {1, 4}, {10, 4}}, {{3, 4}, {1, 4}, {15, 8}}},
        {{{4, 2}, {6, 2}}, {{4, 2}, {6, 2}, {12, 1}}},
        {{{5, 2}, {7, 1}}, {{5, 2}, {7, 3}}, {{5, 2}, {7, 1}, {20, 1}}},
        {{{5, 2}, {8, 1}}, {{5, 2}, {8, 1}, {20, 1}}},
        {{{4, 4}, {6, 2}, {23, 1}}, {{4, 4}, {6, 2}, {23, 1}, {12, 2}}},
        {{{4, 4}, {7, 2}, {23, 1}}, {{4, 4}, {7, 2}, {17, 4}}, {{4, 4}, {21, 1}, {23, 1}}},
        {{{4, 2}, {7, 2}, {5, 2}}, {{4, 2}, {7, 2}, {5, 2}, {13, 2}}},
        {{{5, 2}, {7, 4}}, {{5, 2}, {7, 4}, {13, 1}}, {{5, 2}, {7, 2}, {17, 2}}},
        {{{5, 2}, {7, 2}}, {{5, 2}, {7, 2}, {20, 1}}},
        {{{8, 4}}, {{8, 4}, {13, 1}}},
        {{{23, 3}, {13, 4}}, {{23, 3}, {14, 2}}},
        {{{6, 3}, {4, 3}, {23, 1}}, {{6, 3}, {4, 3}, {23, 1}, {12, 2}}},
        {{{4, 2}, {23, 1}, {13, 1}}, {{4, 2}, {23, 1}, {14, 1}}},
        {{{23, 5}, {12, 8}}, {{23, 5}, {14, 2}}},
        {{{22, 1}}},
    }};
    return table;
}

void appendRecord(std::string& out, int aircraft, int number, const Loadout& loadout) {
    std::array<std::uint8_t, kLoadoutRecordSize> record{};
    record[0] = static_cast<std::uint8_t>(aircraft);
    record[1] = static_cast<std::uint8_t>(number);
    for (std::size_t j = 0; j < loadout.size() && j < 5; ++j) {
        record[8 * j + 4] = static_cast<std::uint8_t>(loadout[j].first);
        record[8 * j + 6] = static_cast<std::uint8_t>(loadout[j].second);
        record[8 * j + 8] = static_cast<std::uint8_t>(j + 1); // invented hard-point number
    }
    record[42] = static_cast<std::uint8_t>(aircraft * 3 + number);
    out.append(reinterpret_cast<const char*>(record.data()), record.size());
}

} // namespace

std::string weaponsStr() {
    return common::encodeStringTable(std::vector<std::string>(kWeapons.begin(), kWeapons.end())).value;
}

int firstLoadoutRecord(int aircraft) {
    if (aircraft < 0 || aircraft >= kSlotCount) {
        return -1;
    }
    int record = 0;
    for (int slot = 0; slot < aircraft; ++slot) {
        record += static_cast<int>(loadoutsBySlot()[static_cast<std::size_t>(slot)].size());
    }
    return record;
}

std::string loadoutDat() {
    std::string records;
    int count = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        int number = 0;
        for (const Loadout& loadout : loadoutsBySlot()[static_cast<std::size_t>(slot)]) {
            appendRecord(records, slot, number++, loadout);
            ++count;
        }
    }
    appendRecord(records, 9, 7, {{1, 12}, {10, 2}});
    ++count;
    std::string bytes = {static_cast<char>(count % 256), static_cast<char>(count / 256), '\0', '\0'};
    return bytes + records;
}

} // namespace demo
