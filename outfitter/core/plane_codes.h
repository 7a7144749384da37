#pragma once
// The game's fixed four-character model code of each of its 30 aircraft slots (index = slot). Skin
// files and plane-set records name their aircraft by these codes; the skin filter lists them upper-cased.

#include <array>
#include <string_view>

namespace outfitter {

inline constexpr int kSlotCount = 30;

inline constexpr std::array<std::string_view, kSlotCount> kPlaneCodes = {
    "p38h", "p38j", "p47c", "p47d", "p51b", "p51d", "bb17", "b24a", "b26a", "hurr",
    "sp2a", "sp09", "sp14", "typh", "temp", "mosq", "109e", "109g", "109k", "110c",
    "110g", "m410", "190a", "190d", "262a", "j88a", "j88c", "ju87", "h111", "v1v1",
};

} // namespace outfitter
