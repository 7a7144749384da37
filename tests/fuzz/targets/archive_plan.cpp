// The listing of an archive being added as a set: names, kinds and sizes as strangers write them.
// Each line is KIND SIZE NAME (f file, d folder, l link, h hard link, p pipe, e a file protected by a
// password); the first byte asks for a category letter. Planning must refuse or propose, never crash,
// and a proposal must route every file into a set.
#include "fuzz_input.h"

#include "outfitter/archive/set_import.h"
#include "outfitter/core/category_table.h"

#include "common/text_file.h"

#include <optional>
#include <vector>

namespace {

class ListingReader final : public outfitter::SourceReader {
  public:
    explicit ListingReader(std::vector<outfitter::SourceEntry> entries) : entries_(std::move(entries)) {}

    std::optional<outfitter::SourceEntry> next(std::optional<common::Problem>&) override {
        if (at_ == entries_.size())
            return std::nullopt;
        return entries_[at_++];
    }
    std::optional<common::Problem> readContents(const std::function<bool(std::string_view)>&) override {
        return std::nullopt;
    }

  private:
    std::vector<outfitter::SourceEntry> entries_;
    std::size_t at_ = 0;
};

outfitter::SourceEntry entryOf(std::string_view line) {
    using Kind = outfitter::SourceEntryKind;
    outfitter::SourceEntry entry;
    const char kind = line.empty() ? 'f' : line.front();
    entry.kind = kind == 'd'   ? Kind::Folder
                 : kind == 'l' ? Kind::SymbolicLink
                 : kind == 'h' ? Kind::HardLink
                 : kind == 'p' ? Kind::Device
                               : Kind::File;
    entry.encrypted = kind == 'e';
    std::size_t at = line.empty() ? 0 : 1;
    while (at < line.size() && line[at] == ' ')
        ++at;
    while (at < line.size() && line[at] >= '0' && line[at] <= '9' && entry.size < (1ull << 50))
        entry.size = entry.size * 10 + static_cast<std::uint64_t>(line[at++] - '0');
    if (at < line.size() && line[at] == ' ')
        ++at;
    entry.name = std::string(line.substr(at));
    return entry;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto categories = [] {
        common::Problems problems;
        const auto selector = fuzzing::Scratch::instance().folder() / "QIV128";
        std::filesystem::create_directories(selector);
        return outfitter::CategoryTable::load(selector, problems);
    }();
    auto bytes = fuzzing::asBytes(data, size);
    const bool withLetter = fuzzing::takeByte(bytes) & 1;
    std::vector<outfitter::SourceEntry> entries;
    for (const auto& line : common::splitLines(bytes))
        entries.push_back(entryOf(line));
    ListingReader reader(entries);
    outfitter::ImportPlan plan;
    plan.source = "listing.zip";
    outfitter::planFromListing(plan, reader, categories, "listing",
                               withLetter ? std::optional<std::string>("W") : std::nullopt, std::nullopt);
    if (!plan.problems.empty())
        return 0;
    if (plan.sets.empty() || plan.files == 0)
        fuzzing::broken("a plan without problems proposes no set or no file");
    if (plan.letterNeeded == withLetter && plan.layout != outfitter::ImportLayout::NamedFolder &&
        plan.layout != outfitter::ImportLayout::SelectorFolder)
        fuzzing::broken("a loose listing asks for a letter exactly when none was given");
    return 0;
}
