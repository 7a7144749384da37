#include "category_table.h"

#include "common/atomic_file.h"
#include "common/resolver.h"
#include "common/text_file.h"

#include <algorithm>

namespace outfitter {

const std::vector<std::string>& CategoryTable::defaultLines() {
    static const std::vector<std::string> lines{
        "Versions of the EAW.exe: E",
        "Non-Career Complete Sets: W",
        "Scenarios(No FM/skin etc): s",
        "Campaign/Career full sets: C",
        "Singlemission/Targets: Q",
        "Flight- and Damagemodels: F",
        "Gunsights: O",
        "Bases: U",
        "Sky and Horizon Sets: H",
        "Cloudlayers: R",
        "Groundobject Sets: D",
        "Tree Sets: i",
        "Terrain Sets: T",
        "Game Sounds(multiselection): N",
        "Speech (multiselection): X",
        "Mainscreens: B",
        "Screen Sets: K",
        "Axis skins: g",
        "Allied skins: a",
        "Inflight map: M",
        "Skin Sets: S",
        "Graphics1 (multiselection): G",
        "Graphics2 (multiselection): Z",
        "Land Height(eaw16.hm): L",
        "Frontlines: J",
        "EAW.tm: V",
        "Convoy Files: c",
    };
    return lines;
}

std::string CategoryTable::defaultBytes() {
    return common::joinLinesCrLf(defaultLines());
}

CategoryTable CategoryTable::parse(const std::vector<std::string>& lines, const std::filesystem::path& file,
                                   common::Problems& problems) {
    CategoryTable table;
    const std::size_t usable = std::min(lines.size(), kMaxCategories);
    for (std::size_t i = 0; i < usable; ++i) {
        const std::string& line = lines[i];
        const auto colon = line.find(':');
        if (line.empty() || colon == std::string::npos) {
            problems.push_back({file, "reading the categories of",
                                "line " + std::to_string(i + 1) +
                                    (line.empty() ? " is empty" : " has no \":\" (\"" + line + "\")") +
                                    "; it is skipped"});
            continue;
        }
        table.categories_.push_back({line.substr(0, colon), line.substr(line.size() - 1)});
    }
    if (lines.size() > kMaxCategories)
        problems.push_back({file, "reading the categories of",
                            std::to_string(lines.size() - kMaxCategories) + " line(s) after line " +
                                std::to_string(kMaxCategories) + " are ignored"});
    return table;
}

CategoryTable CategoryTable::load(const std::filesystem::path& selectorFolder, common::Problems& problems,
                                  bool writeMissing) {
    const auto where = common::resolve(selectorFolder, kCategoryFileName);
    if (!where.ok()) {
        problems.push_back(*where.problem);
        return {};
    }
    const auto& file = where.value.path;
    if (!where.value.exists) {
        if (!writeMissing)
            return parse(defaultLines(), file, problems);
        if (auto failed = common::writeFileAtomically(file, defaultBytes())) {
            problems.push_back(*failed);
            // The player still gets the default categories for this session.
            return parse(defaultLines(), file, problems);
        }
    }
    auto lines = common::readLines(file);
    if (!lines.ok()) {
        problems.push_back(*lines.problem);
        return {};
    }
    auto table = parse(lines.value, file, problems);
    if (table.size() == 0)
        problems.push_back(
            {file, "reading the categories of", "it holds no categories, so no set can be listed"});
    return table;
}

std::optional<std::size_t> CategoryTable::indexAtListPosition(std::size_t position) const {
    if (position < kFixedListEntries || position - kFixedListEntries >= categories_.size())
        return std::nullopt;
    return position - kFixedListEntries;
}

bool CategoryTable::isMultiselection(std::string_view letter) {
    return letter.size() == 1 && std::string_view("GNXYZK").find(letter.front()) != std::string_view::npos;
}

} // namespace outfitter
