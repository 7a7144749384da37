#include "outfitter/archive/import_rules.h"

#include "outfitter/archive/entry_names.h"

#include <algorithm>
#include <utility>

namespace outfitter {

namespace fs = std::filesystem;

std::pair<std::string, std::string> megabytesApart(std::uint64_t needed, std::uint64_t available) {
    std::uint64_t unit = 1'000'000;
    int decimals = 0;
    const auto round = [&](std::uint64_t bytes) { return (bytes + unit / 2) / unit; };
    while (unit > 1 && round(needed) == round(available)) {
        unit /= 10;
        ++decimals;
    }
    const auto text = [&](std::uint64_t bytes) {
        auto digits = std::to_string(round(bytes));
        if (decimals > 0) {
            digits.insert(0, static_cast<std::size_t>(std::max<int>(0, decimals + 1 - int(digits.size()))),
                          '0');
            digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
        }
        return digits + " MB";
    };
    return {text(needed), text(available)};
}

std::optional<std::vector<std::string>> checkEntry(const SourceEntry& entry, std::string& fault) {
    if (entry.nameUnreadable) {
        fault = "its name is not valid UTF-8, though the archive says it is";
        return std::nullopt;
    }
    if (entry.encrypted) {
        fault = "the entry is protected by a password";
        return std::nullopt;
    }
    switch (entry.kind) {
    case SourceEntryKind::File:
    case SourceEntryKind::Folder:
        return splitEntryName(entry.name, fault);
    case SourceEntryKind::SymbolicLink:
        fault = "the entry is a link, which could point outside the set";
        break;
    case SourceEntryKind::HardLink:
        fault = "the entry is a hard link, which could point outside the set";
        break;
    case SourceEntryKind::Device:
        fault = "the entry is a device or a pipe, not a file";
        break;
    case SourceEntryKind::Other:
        fault = "the entry is neither a file nor a folder";
        break;
    }
    return std::nullopt;
}

common::Problem entryProblem(const fs::path& source, std::string_view entry, const std::string& why) {
    constexpr std::size_t kLongestShown = 160;
    if (entry.size() <= kLongestShown)
        return {source, "adding", inQuotes(entry) + ": " + why};
    // A hostile name may run to thousands of bytes; its ends say which entry it is.
    return {
        source, "adding",
        inQuotes(std::string(entry.substr(0, 100)) + "..." + std::string(entry.substr(entry.size() - 50))) +
            ": " + why};
}

std::string withThousands(std::uint64_t number) {
    auto digits = std::to_string(number);
    for (auto at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, ",");
    return digits;
}

std::optional<common::Problem> bombRefusal(const fs::path& source, const ImportLimits& limits,
                                           std::uint64_t archiveSize, std::uint64_t bytes) {
    if (bytes <= limits.bytes || bytes <= limits.ratio * std::max<std::uint64_t>(archiveSize, 1))
        return std::nullopt;
    return common::Problem{source, "adding",
                           "it unpacks to more than " + withThousands(limits.ratio) +
                               " times its own size (a compression bomb)"};
}

std::optional<common::Problem> freeSpaceRefusal(const fs::path& folder, std::uint64_t bytes) {
    std::error_code ec;
    const auto space = fs::space(folder, ec);
    if (ec || space.available >= bytes)
        return std::nullopt;
    const auto [needed, available] = megabytesApart(bytes, space.available);
    return common::Problem{folder, "adding the set to",
                           "it needs " + needed + " but the disk has only " + available + " free"};
}

} // namespace outfitter
