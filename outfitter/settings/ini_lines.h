#pragma once
// The two readings of "eaw.ini" lines: the six values as numbers, and the file rewritten with the
// boxes' texts in place of the keyed lines, every other line kept as it was.

#include "outfitter/settings/ini_keys.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace outfitter {

// The leading number of the text, in its shortest decimal form ("1024", "2.5", "0" for no number).
std::string shortestNumber(std::string_view text);

// Every line is tested against every key; a key found on several lines keeps the last. A key found on
// no line stays nullopt, so its box keeps what it showed.
std::array<std::optional<std::string>, kIniKeyCount> readIniValues(const std::vector<std::string>& lines);

// Each line that begins with a key becomes the key followed by its box's text exactly as typed;
// each line is written with CR LF. Keys absent from the file are not added.
void writeIniWithValues(std::ostream& out, const std::vector<std::string>& lines, const IniValues& values);
std::string iniWithValues(const std::vector<std::string>& lines, const IniValues& values);

// The free-text view: every line of the file followed by CR LF.
std::string iniFreeText(const std::vector<std::string>& lines);

} // namespace outfitter
