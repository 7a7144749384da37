#pragma once
// The demo's aircraft: names and model codes of the 30 slots, "planes.dat" records and "*.qiv"
// plane-set files.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace demo {

inline constexpr int kSlotCount = 30;
inline constexpr int kPlaneRecordSize = 216;
inline constexpr int kQivBytes = 168;

// Four-character model code of each slot (slot 0 first).
const std::array<std::string, kSlotCount>& planeCodes();
// Display name of each slot, matching its code.
const std::array<std::string, kSlotCount>& planeNames();

// One 216-byte slot record; `variant` changes performance bytes and fuel so sets differ from stock.
std::vector<std::uint8_t> planeRecord(int slot, int variant);
// Full "planes.dat": a 4-byte header and 30 records.
std::string planesDat(int variant);

// A plane-set file: the name, then record bytes 0 to 167 of `slot`, one decimal number a line.
std::vector<std::string> qivLines(const std::string& name, int slot, int variant);

// "pnames.str" holding the 30 names in slot order.
std::string pnamesStr();

} // namespace demo
