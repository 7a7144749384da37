#pragma once
// What the game can read from the six settings: a whole number no larger than the game's 16-bit
// fields, a day of a month, a month of a year. A box holding anything else is refused before
// "eaw.ini" is touched, so a typo never reaches the game's settings.

#include "outfitter/settings/ini_keys.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace outfitter {

inline constexpr std::uint32_t kIniValueLimit = 65535;

struct IniRefusal {
    enum class Reason {
        NotWholeNumber, // empty, a sign, a blank, a point or a letter
        TooLarge,       // above kIniValueLimit
        OutOfRange,     // a day outside 1-31, a month outside 1-12
    };
    std::size_t key = 0; // index into kIniKeys
    std::string value;   // the box's text as typed
    Reason reason = Reason::NotWholeNumber;
    std::uint32_t lowest = 0;
    std::uint32_t highest = kIniValueLimit;
};

// nullopt when the game can use `value` for the key at `key`.
std::optional<IniRefusal> checkIniValue(std::size_t key, std::string_view value);

} // namespace outfitter
