#include "outfitter/settings/ini_value_check.h"

#include <utility>

namespace outfitter {

namespace {

// The range a key's value must lie in; every key is a whole number up to the limit.
std::pair<std::uint32_t, std::uint32_t> rangeOf(std::string_view key) {
    if (key == "Day=")
        return {1, 31};
    if (key == "Month=")
        return {1, 12};
    return {0, kIniValueLimit};
}

} // namespace

std::optional<IniRefusal> checkIniValue(std::size_t key, std::string_view value) {
    const auto [lowest, highest] = rangeOf(kIniKeys.at(key).key);
    IniRefusal refusal{key, std::string(value), IniRefusal::Reason::NotWholeNumber, lowest, highest};
    if (value.empty())
        return refusal;
    std::uint32_t number = 0;
    for (const char c : value) {
        if (c < '0' || c > '9')
            return refusal;
        // Past the limit the rest cannot bring it back; stop before the sum could overflow.
        if (number <= kIniValueLimit)
            number = number * 10 + static_cast<std::uint32_t>(c - '0');
    }
    if (number > kIniValueLimit) {
        refusal.reason = IniRefusal::Reason::TooLarge;
        return refusal;
    }
    if (number < lowest || number > highest) {
        refusal.reason = IniRefusal::Reason::OutOfRange;
        return refusal;
    }
    return std::nullopt;
}

} // namespace outfitter
