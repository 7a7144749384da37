#pragma once
// The demo's weapon names "weapons.str" and loadout table "Loadout.dat".

#include <string>

namespace demo {

inline constexpr int kWeaponNames = 24;
inline constexpr int kLoadoutRecordSize = 44;

std::string weaponsStr();

// A 4-byte header and 44-byte records, the loadouts of each aircraft consecutive (slot order), then
// one stray record for aircraft 9 after the others, which a reader must not take as its own.
std::string loadoutDat();

// Index of the first loadout record of an aircraft (-1 when it has none).
int firstLoadoutRecord(int aircraft);

} // namespace demo
