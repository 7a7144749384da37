#pragma once
// The game's "planes.dat": a 4-byte header, then one 216-byte record per aircraft slot. An install
// replaces a record's first 168 bytes; the header and bytes 168 to 215 are never touched.

#include "outfitter/core/plane_codes.h"
#include "outfitter/planes/qiv_file.h"

#include "common/problem.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace outfitter {

inline constexpr const char* kPlanesFile = "planes.dat";
inline constexpr std::size_t kPlanesHeaderSize = 4;
inline constexpr std::size_t kPlaneRecordSize = 216;

inline constexpr std::size_t planeRecordOffset(int slot) {
    return kPlanesHeaderSize + kPlaneRecordSize * static_cast<std::size_t>(slot);
}
// The 1-based position of the low byte of a slot's fuel load (record bytes 36 and 37).
inline constexpr std::size_t fuelPosition(int slot) {
    return kPlaneRecordSize * static_cast<std::size_t>(slot) + 41;
}

// Writes the record into a copy of `bytes`; a file too short to hold the slot's whole record is a
// problem and gives no bytes, so a short file is never grown into something the game cannot read.
common::Result<std::string> patchPlaneRecord(std::string bytes, int slot,
                                             const std::array<std::uint8_t, kQivRecordBytes>& record);

// Full fuel load and fuel position of each slot as a set's "planes.dat" holds them. Slot 0 is not
// read (the fuel options never apply to it); slots the bytes do not reach have no value.
struct SlotFuelTable {
    std::array<std::optional<unsigned>, kSlotCount> fuel{};
    std::array<std::optional<std::size_t>, kSlotCount> position{};
};
SlotFuelTable readSlotFuel(std::string_view planesDat);

// Reads the game folder's "planes.dat", patches the slot's record in memory and replaces the file.
std::optional<common::Problem> writePlaneRecord(const std::filesystem::path& gameFolder, int slot,
                                                const std::array<std::uint8_t, kQivRecordBytes>& record);

} // namespace outfitter
