#include "file_snapshot.h"

#include "common/atomic_file.h"
#include "common/game_file_ops.h"
#include "common/text_file.h"

#include <string>
#include <system_error>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

// One line a file: "+" and the copy's number, or "-" for a file that was not there, a tab, the path.
constexpr const char* kManifestName = "manifest";

fs::path snapshotFolder(const fs::path& selectorFolder) {
    return selectorFolder / kSnapshotFolderName;
}

} // namespace

common::Problems takeSnapshot(const fs::path& selectorFolder, const std::vector<fs::path>& files) {
    common::Problems problems = dropSnapshot(selectorFolder);
    if (!problems.empty())
        return problems;
    const auto folder = snapshotFolder(selectorFolder);
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        return {common::problemFromError(folder, "making the folder", ec)};
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const auto& file = files[i];
        if (!fs::is_regular_file(file, ec)) {
            lines.push_back("-\t" + common::pathText(file));
            continue;
        }
        const auto copy = folder / std::to_string(i);
        if (auto failed = common::copyReplacing(file, copy)) {
            failed->action = "keeping a copy of " + common::pathText(file.filename()) + " in";
            problems.push_back(std::move(*failed));
            continue;
        }
        lines.push_back("+" + std::to_string(i) + "\t" + common::pathText(file));
    }
    if (problems.empty())
        if (auto failed = common::writeFileAtomically(folder / kManifestName, common::joinLinesCrLf(lines)))
            problems.push_back(std::move(*failed));
    if (!problems.empty()) {
        auto more = dropSnapshot(selectorFolder);
        problems.insert(problems.end(), more.begin(), more.end());
    }
    return problems;
}

std::vector<fs::path> restoreSnapshot(const fs::path& selectorFolder, common::Problems& problems) {
    std::vector<fs::path> restored;
    const auto folder = snapshotFolder(selectorFolder);
    std::error_code ec;
    if (!fs::exists(folder / kManifestName, ec)) {
        // A snapshot without its manifest was never complete, so its patch never started.
        auto more = dropSnapshot(selectorFolder);
        problems.insert(problems.end(), more.begin(), more.end());
        return restored;
    }
    const auto lines = common::readLines(folder / kManifestName);
    if (!lines.ok()) {
        problems.push_back(*lines.problem);
        return restored; // kept for the next start
    }
    bool allBack = true;
    for (const auto& line : lines.value) {
        const auto tab = line.find('\t');
        if (line.empty() || tab == std::string::npos)
            continue;
        const auto file = common::pathFromText(line.substr(tab + 1));
        std::optional<common::Problem> failed;
        if (line.front() == '-') {
            if (fs::is_regular_file(file, ec))
                failed = common::deleteFile(file);
        } else {
            failed = common::copyReplacing(folder / line.substr(1, tab - 1), file);
        }
        if (failed) {
            allBack = false;
            problems.push_back(std::move(*failed));
        } else {
            restored.push_back(file);
        }
    }
    if (allBack) {
        auto more = dropSnapshot(selectorFolder);
        problems.insert(problems.end(), more.begin(), more.end());
    }
    return restored;
}

common::Problems dropSnapshot(const fs::path& selectorFolder) {
    std::error_code ec;
    fs::remove_all(snapshotFolder(selectorFolder), ec);
    if (ec)
        return {common::problemFromError(snapshotFolder(selectorFolder), "deleting", ec)};
    return {};
}

} // namespace outfitter
