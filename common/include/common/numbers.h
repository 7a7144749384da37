#pragma once
// Numbers as the game's text files hold them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace common {

// Lenient leading-number reader: skips leading blanks and tabs, takes an optional sign, digits, an
// optional "." and more digits; stops at the first character that cannot continue the number.
// Text with no number reads 0. " 3 " -> 3, "-1 " -> -1, "2.5x" -> 2.5, "abc" -> 0, "" -> 0.
double readNumber(std::string_view text);

// The integer part (towards zero) of readNumber, clamped to the range of long.
long readInteger(std::string_view text);

// Number-line form: a blank (or the minus sign) before the value and a blank after: " 3 ", "-1 ".
std::string numberLine(long value);

// Round half to even ("banker's rounding"): 2.5 -> 2, 3.5 -> 4, -0.5 -> 0.
long roundHalfEven(double value);

// roundHalfEven to a byte; nullopt when the rounded value lies outside 0..255.
std::optional<std::uint8_t> roundToByte(double value);

} // namespace common
