#pragma once
// What a plane-set folder brings besides its record: byte patches of the game's "loadout.dat"
// (".lox" position and value pairs; ".lo1" and ".lo2" a start position and consecutive values) and
// one flight model ".flt" copied in. Each kind applies only when exactly one file of it is there.

#include "common/problem.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace outfitter {

inline constexpr const char* kLoadoutFile = "loadout.dat";
// How far past the current end of "loadout.dat" a patch may write. The game's table is a few
// kilobytes; a position further out is a typo that must not grow the file to gigabytes.
inline constexpr std::size_t kLoadoutGrowthLimit = 65536;

struct LoadoutWrite {
    std::size_t position = 0; // 1-based
    std::uint8_t value = 0;
};

struct LoadoutPatch {
    std::filesystem::path file;
    std::vector<LoadoutWrite> writes;
    std::optional<common::Problem> fault; // the whole patch is refused; names the file and line
};

LoadoutPatch parseLoxPatch(const std::vector<std::string>& lines, const std::filesystem::path& file);
LoadoutPatch parseRunPatch(const std::vector<std::string>& lines, const std::filesystem::path& file);

// Applies the patch to `bytes`, growing them with zero bytes where it writes past the end. A write
// further than kLoadoutGrowthLimit past the end refuses the patch and leaves `bytes` as they were.
std::optional<common::Problem> applyLoadoutPatch(std::string& bytes, const LoadoutPatch& patch);

struct AircraftExtrasReport {
    std::vector<std::filesystem::path> written;    // game files replaced
    std::vector<std::filesystem::path> notWritten; // game files that should have been but were not
    common::Problems problems;
};

// ".lox", then ".lo1", then ".lo2" (so a later one wins at the same position) into one in-memory
// copy of the game folder's "loadout.dat", written once; then the ".flt" copy.
AircraftExtrasReport applyLoadoutsAndFlightModel(const std::filesystem::path& planeSetFolder,
                                                 const std::filesystem::path& gameFolder);

} // namespace outfitter
