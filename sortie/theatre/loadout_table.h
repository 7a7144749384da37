#pragma once
// The game's loadout table "Loadout.dat": a 4-byte header and 44-byte loadout records, the loadouts
// of one aircraft consecutive. Listing a run of records and writing one of them over the whole run.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sortie {

inline constexpr std::size_t kLoadoutHeaderSize = 4;
inline constexpr std::size_t kLoadoutRecordSize = 44;
inline constexpr std::size_t kLoadoutSlots = 5;
inline constexpr std::size_t kLinesPerLoadout = 7;
// The scan only considers records that start below this 1-based file position.
inline constexpr std::size_t kLoadoutScanLimit = 7700;
inline constexpr std::string_view kLoadoutSeparator = "***********************";

using LoadoutRecord = std::array<std::uint8_t, kLoadoutRecordSize>;

struct LoadoutListing {
    std::vector<std::string> listLines; // `LodList`: seven lines per loadout
    std::size_t firstRecord = 0;     // `Sloc`: 1-based file position of the run's first record; 0 when none
    int lastLoadout = -1;            // index of the last loadout listed, -1 when none
    std::vector<int> unnamedWeapons; // weapon indices beyond the names, each once, in order met
    bool truncatedRecord = false;    // a record within the scan is cut short by the file's end

    bool found() const { return lastLoadout >= 0; }
    int count() const { return lastLoadout + 1; }
};

// The loadouts of `aircraft` from the first run of its records: the listing stops at the first
// record of another aircraft after the run, so later records of the same aircraft are not its own.
// Only whole records are read. A weapon index with no name is shown by its number.
LoadoutListing listLoadouts(std::string_view table, long aircraft,
                            const std::vector<std::string>& weaponNames);

// The slot line of a loadout: the count, two spaces and the weapon's name; empty for a count of 0.
std::string slotLine(int count, int weapon, const std::vector<std::string>& weaponNames);

// Which loadout a line of the listing belongs to, and where its record starts (1-based).
inline int loadoutOfLine(int line) {
    return line / static_cast<int>(kLinesPerLoadout);
}
inline std::size_t recordPosition(std::size_t firstRecord, int loadout) {
    return firstRecord + static_cast<std::size_t>(loadout) * kLoadoutRecordSize;
}

// The 44 bytes at 1-based position `Slab`; false when the file does not hold the whole record.
bool readLoadoutRecord(std::string_view table, std::size_t position, LoadoutRecord& record);

// `table` with `record` written over `count` consecutive records from 1-based position `Sloc`.
// False (and `table` unchanged) when the run does not lie wholly inside the file.
bool writeOverRun(std::string& table, std::size_t firstRecord, int count, const LoadoutRecord& record);

} // namespace sortie
