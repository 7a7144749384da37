#include "outfitter/planes/loadout_patches.h"

#include "outfitter/planes/plane_game_file.h"

#include "common/folder_copy.h"
#include "common/folder_listing.h"
#include "common/game_file_ops.h"
#include "common/numbers.h"
#include "common/resolver.h"
#include "common/text_file.h"

#include <cmath>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

// A blank line at the end is an editor's leftover, not a position of 0.
std::vector<std::string> withoutTrailingBlanks(std::vector<std::string> lines) {
    while (!lines.empty() && lines.back().find_first_not_of(" \t") == std::string::npos)
        lines.pop_back();
    return lines;
}

class PatchReader final {
  public:
    PatchReader(const std::vector<std::string>& lines, const fs::path& file) : lines_(lines) {
        patch_.file = file;
    }

    std::optional<std::size_t> position(std::size_t index) {
        const double value = common::readNumber(lines_[index]);
        if (value < 1 || value != std::floor(value) || value > 1e15) {
            refuse(index, "is not a position (a whole number from 1)");
            return std::nullopt;
        }
        return static_cast<std::size_t>(value);
    }
    std::optional<std::uint8_t> value(std::size_t index) {
        const auto byte = common::roundToByte(common::readNumber(lines_[index]));
        if (!byte)
            refuse(index, "is not a byte value (0 to 255)");
        return byte;
    }
    void refuse(std::size_t index, const std::string& what) {
        if (!patch_.fault)
            patch_.fault = common::Problem{patch_.file, "reading loadout patch",
                                           "line " + std::to_string(index + 1) + ": \"" + lines_[index] +
                                               "\" " + what + "; the patch is refused"};
    }
    LoadoutPatch finish() {
        if (patch_.fault)
            patch_.writes.clear();
        return std::move(patch_);
    }
    LoadoutPatch patch_;

  private:
    const std::vector<std::string>& lines_;
};

std::optional<fs::path> onlyFile(const fs::path& folder, const char* pattern, common::Problems& problems) {
    const auto files = common::listFiles(folder, pattern);
    if (!files.ok()) {
        problems.push_back(*files.problem);
        return std::nullopt;
    }
    // Two of a kind: the author did not say which one is meant, so neither is applied.
    if (files.value.size() != 1)
        return std::nullopt;
    return folder / common::pathFromText(files.value.front());
}

} // namespace

LoadoutPatch parseLoxPatch(const std::vector<std::string>& rawLines, const fs::path& file) {
    const auto lines = withoutTrailingBlanks(rawLines);
    PatchReader reader(lines, file);
    if (lines.size() % 2 != 0) {
        reader.refuse(lines.size() - 1, "has no value line after it (the file has an odd number of lines)");
        return reader.finish();
    }
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        const auto position = reader.position(i);
        const auto value = reader.value(i + 1);
        if (position && value)
            reader.patch_.writes.push_back({*position, *value});
    }
    return reader.finish();
}

LoadoutPatch parseRunPatch(const std::vector<std::string>& rawLines, const fs::path& file) {
    const auto lines = withoutTrailingBlanks(rawLines);
    PatchReader reader(lines, file);
    if (lines.empty())
        return reader.finish();
    const auto start = reader.position(0);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto value = reader.value(i);
        if (start && value)
            reader.patch_.writes.push_back({*start + i - 1, *value});
    }
    return reader.finish();
}

std::optional<common::Problem> applyLoadoutPatch(std::string& bytes, const LoadoutPatch& patch) {
    if (patch.fault)
        return patch.fault;
    // Checked against the length before this patch, so the limit holds for each patch on its own.
    const std::size_t end = bytes.size();
    for (const auto& write : patch.writes)
        if (write.position > end + kLoadoutGrowthLimit)
            return common::Problem{patch.file, "applying loadout patch",
                                   "position " + std::to_string(write.position) + " lies more than " +
                                       std::to_string(kLoadoutGrowthLimit) + " bytes past the end of " +
                                       kLoadoutFile + " (" + std::to_string(end) +
                                       " bytes); the patch is refused"};
    for (const auto& write : patch.writes) {
        if (write.position > bytes.size())
            bytes.resize(write.position, '\0');
        bytes[write.position - 1] = static_cast<char>(write.value);
    }
    return std::nullopt;
}

AircraftExtrasReport applyLoadoutsAndFlightModel(const fs::path& planeSetFolder, const fs::path& gameFolder) {
    AircraftExtrasReport report;
    std::vector<LoadoutPatch> patches;
    if (const auto lox = onlyFile(planeSetFolder, "*.lox", report.problems)) {
        const auto lines = common::readLines(*lox);
        patches.push_back(lines.ok() ? parseLoxPatch(lines.value, *lox)
                                     : LoadoutPatch{*lox, {}, lines.problem});
    }
    for (const char* pattern : {"*.lo1", "*.lo2"})
        if (const auto run = onlyFile(planeSetFolder, pattern, report.problems)) {
            const auto lines = common::readLines(*run);
            patches.push_back(lines.ok() ? parseRunPatch(lines.value, *run)
                                         : LoadoutPatch{*run, {}, lines.problem});
        }

    if (!patches.empty()) {
        auto loadout = readGameFile(gameFolder, kLoadoutFile, true);
        if (!loadout.ok()) {
            report.problems.push_back(*loadout.problem);
            report.notWritten.push_back(loadout.value.path.empty() ? fs::path(kLoadoutFile)
                                                                   : loadout.value.path);
        } else {
            bool anyApplied = false;
            bool anyRefused = false;
            for (const auto& patch : patches) {
                if (auto refused = applyLoadoutPatch(loadout.value.bytes, patch)) {
                    report.problems.push_back(std::move(*refused));
                    anyRefused = true;
                } else {
                    anyApplied = anyApplied || !patch.writes.empty();
                }
            }
            if (anyApplied) {
                if (auto failed = writeGameFile(loadout.value)) {
                    report.problems.push_back(std::move(*failed));
                    report.notWritten.push_back(loadout.value.path);
                } else {
                    report.written.push_back(loadout.value.path);
                }
            } else if (anyRefused) {
                report.notWritten.push_back(loadout.value.path);
            }
        }
    }

    if (const auto flt = onlyFile(planeSetFolder, "*.flt", report.problems)) {
        const auto name = common::pathText(flt->filename());
        auto placed = common::copyIntoFolder(gameFolder, *flt, name, {"copying " + name + " to", {}, {}});
        if (placed.ok()) {
            report.written.push_back(placed.value);
        } else {
            report.problems.push_back(std::move(*placed.problem));
            report.notWritten.push_back(placed.value.empty() ? gameFolder / flt->filename() : placed.value);
        }
    }
    return report;
}

} // namespace outfitter
