#include "outfitter/archive/import_rules.h"

#include "outfitter/archive/entry_names.h"

namespace outfitter {

namespace fs = std::filesystem;

namespace {

std::string megabytes(std::uint64_t bytes) {
    return std::to_string((bytes + 999'999) / 1'000'000) + " MB";
}

} // namespace

std::optional<std::vector<std::string>> checkEntry(const SourceEntry& entry, std::string& fault) {
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
    return {source, "adding", inQuotes(entry) + ": " + why};
}

std::optional<common::Problem> freeSpaceRefusal(const fs::path& folder, std::uint64_t bytes) {
    std::error_code ec;
    const auto space = fs::space(folder, ec);
    if (ec || space.available >= bytes)
        return std::nullopt;
    return common::Problem{folder, "adding the set to",
                           "it needs " + megabytes(bytes) + " but the disk has only " +
                               megabytes(space.available) + " free"};
}

} // namespace outfitter
