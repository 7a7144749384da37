#pragma once
// The six fuel buttons: the last installed aircraft's fuel load set to a fraction of its full value,
// written into the game folder's "planes.dat" as two bytes, low byte first.

#include "common/problem.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

namespace outfitter {

inline constexpr int kFuelOptions = 6;
inline constexpr std::array<std::string_view, kFuelOptions> kFuelCaptions = {"100%", "75%", "50%",
                                                                             "25%",  "10%", "5%"};

// The fuel for option 0 to 5: the integer part of full x 1, 3/4, 1/2, 1/4, 1/10, 1/20.
unsigned scaledFuel(unsigned full, int option);

// Writes `value` at the 1-based `position` (low byte) and the next one of "planes.dat", atomically.
// A missing file, or one too short for both bytes, is left alone and reported.
std::optional<common::Problem> writeFuel(const std::filesystem::path& gameFolder, std::size_t position,
                                         unsigned value);

} // namespace outfitter
