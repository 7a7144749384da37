#include "outfitter/settings/ini_lines.h"

#include "common/numbers.h"
#include "common/text_file.h"

#include <charconv>
#include <ostream>
#include <sstream>

namespace outfitter {

namespace {

bool startsWith(std::string_view line, std::string_view key) {
    return line.substr(0, key.size()) == key;
}

} // namespace

std::string shortestNumber(std::string_view text) {
    const double value = common::readNumber(text);
    if (value == 0.0)
        return "0"; // also for -0: the box shows no sign on nothing
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc())
        return "0";
    return std::string(buffer, end);
}

std::array<std::optional<std::string>, kIniKeyCount> readIniValues(const std::vector<std::string>& lines) {
    std::array<std::optional<std::string>, kIniKeyCount> values;
    for (const auto& line : lines)
        for (std::size_t k = 0; k < kIniKeyCount; ++k)
            if (startsWith(line, kIniKeys[k].key))
                values[k] = shortestNumber(std::string_view(line).substr(kIniKeys[k].key.size()));
    return values;
}

void writeIniWithValues(std::ostream& out, const std::vector<std::string>& lines, const IniValues& values) {
    for (const auto& line : lines) {
        bool replaced = false;
        for (std::size_t k = 0; k < kIniKeyCount && !replaced; ++k)
            if (startsWith(line, kIniKeys[k].key)) {
                out << kIniKeys[k].key << values[k] << "\r\n";
                replaced = true;
            }
        if (!replaced)
            out << line << "\r\n";
    }
}

std::string iniWithValues(const std::vector<std::string>& lines, const IniValues& values) {
    std::ostringstream out;
    writeIniWithValues(out, lines, values);
    return out.str();
}

std::string iniFreeText(const std::vector<std::string>& lines) {
    return common::joinLinesCrLf(lines);
}

} // namespace outfitter
