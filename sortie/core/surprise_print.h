#pragma once
// `sortie --surprise [SEED]`: a mission drawn at random, printed as "FLY!" would write its mission
// file, with nothing written to the game folder.

#include "sortie/second/build_settings.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>

namespace sortie {

// Starts the builder in `gameFolder` as the window does (theatre, stored choices), draws the surprise
// of `seed` (a fresh one when none is given, named on `err`) and puts the mission file's bytes on
// `out`. What start-up had to say goes to `err`. 0 when printed, 1 when there was nothing to draw from.
int printSurprise(const std::filesystem::path& gameFolder, const BuildSettings& settings,
                  std::optional<std::uint64_t> seed, std::ostream& out, std::ostream& err);

// A seed nobody chose: the system's entropy, in 32 bits so that it is short to type again.
std::uint64_t freshSeed();

} // namespace sortie
