#pragma once
// The six settings of "eaw.ini" the selector edits: the line prefix the game reads and the box that
// shows it. Keys are matched case-sensitively at the very start of a line, as the game matches them.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace outfitter {

inline constexpr const char* kIniFileName = "eaw.ini";
// Written first and renamed over "eaw.ini", so the game never finds a half-written settings file.
inline constexpr const char* kIniTempName = "eaw.ink";

struct IniKey {
    std::string_view key;   // line prefix, "=" included
    std::string_view box;   // objectName of its text box
    std::string_view label; // caption beside the box
};

inline constexpr std::size_t kIniKeyCount = 6;

inline constexpr std::array<IniKey, kIniKeyCount> kIniKeys = {{
    {"Width=", "Text5", "Width"},
    {"Height=", "Text6", "Height"},
    {"ExtraSquads=", "Text4", "Extra Squads"},
    {"Day=", "Text7", "Day"},
    {"Month=", "Text88", "Month"},
    {"PlaneSetNumber=", "Text11", "Planeset"},
}};

// The boxes' texts in the order of kIniKeys.
using IniValues = std::array<std::string, kIniKeyCount>;

} // namespace outfitter
