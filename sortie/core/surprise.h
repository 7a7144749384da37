#pragma once
// "Surprise me": a whole mission drawn at random from what the board offers for the theatre, the same
// for the same seed on every system.

#include "sortie/core/mission_choices.h"
#include "sortie/core/option_catalog.h"

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace sortie {

struct TheatreLists;

// Whole numbers below a bound from a seed. std::mt19937_64's output is fixed by the standard, the
// distributions are not; this mapping is ours, so a seed gives the same draws everywhere.
class PortableRandom final {
  public:
    explicit PortableRandom(std::uint64_t seed) : engine_(seed) {}
    // 0 to bound - 1, each as likely; 0 when bound is 0.
    std::uint64_t below(std::uint64_t bound);
    int index(std::size_t count) { return static_cast<int>(below(count)); }

  private:
    std::mt19937_64 engine_;
};

// The player's aircraft of one nation, another of the same nation for the support role, enemies of
// the other side (the enemy secondary sometimes "None"), a number of aircraft from 1 to 12, an option
// of every group, air or ground start, an airfield as home base and another record as target. What
// no draw touches (the role to fill, the pick switch, the front line) is kept from `current`. Nullopt
// when the theatre has no aircraft or no target records to draw from.
std::optional<MissionChoices> drawSurprise(std::uint64_t seed, const MissionChoices& current,
                                           const OptionCatalog& catalog, const TheatreLists& lists);

// A seed as the player types it: decimal digits only, at most 2^64 - 1.
std::optional<std::uint64_t> readSeed(const std::string& text);

} // namespace sortie
