#include "common/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace common {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The long range as doubles that convert back safely: LONG_MAX itself is not representable.
constexpr double longLow = static_cast<double>(std::numeric_limits<long>::min());
constexpr double longHighExclusive = -longLow;

long clampToLong(double value) {
    if (std::isnan(value))
        return 0;
    if (value < longLow)
        return std::numeric_limits<long>::min();
    if (value >= longHighExclusive)
        return std::numeric_limits<long>::max();
    return static_cast<long>(value);
}

} // namespace

double readNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Collected without the sign so from_chars never sees a locale or a "+".
    std::string digits;
    while (i < text.size() && isDigit(text[i]))
        digits += text[i++];
    if (i < text.size() && text[i] == '.') {
        std::string fraction;
        ++i;
        while (i < text.size() && isDigit(text[i]))
            fraction += text[i++];
        if (!fraction.empty()) {
            // Two appends: GCC 12 gives a false -Wrestrict for "literal + string" in optimised builds.
            digits += digits.empty() ? "0." : ".";
            digits += fraction;
        }
    }
    if (digits.empty())
        return 0.0;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range)
        value = std::numeric_limits<double>::infinity();
    else if (ec != std::errc())
        value = 0.0;
    return negative ? -value : value;
}

long readInteger(std::string_view text) {
    return clampToLong(std::trunc(readNumber(text)));
}

std::string numberLine(long value) {
    std::string line = value < 0 ? "" : " ";
    line += std::to_string(value);
    line += ' ';
    return line;
}

namespace {

// Half-to-even without depending on the floating-point rounding mode someone may have set.
double roundHalfEvenDouble(double value) {
    const double lower = std::floor(value);
    const double diff = value - lower;
    if (diff < 0.5)
        return lower;
    if (diff > 0.5)
        return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

} // namespace

long roundHalfEven(double value) {
    return clampToLong(roundHalfEvenDouble(value));
}

std::optional<std::uint8_t> roundToByte(double value) {
    if (std::isnan(value))
        return std::nullopt;
    const double rounded = roundHalfEvenDouble(value);
    if (rounded < 0.0 || rounded > 255.0)
        return std::nullopt;
    return static_cast<std::uint8_t>(rounded);
}

} // namespace common
