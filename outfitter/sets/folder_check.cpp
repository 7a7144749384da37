#include "outfitter/sets/folder_check.h"

#include "outfitter/core/game_targets.h"

#include "common/file_compare.h"
#include "common/names.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

struct Holder {
    const FileOwner* owner;
    const OwnedFile* file;
};

bool careerSave(std::string_view name) {
    return name.size() >= 4 && common::toUpperAscii(name.substr(name.size() - 4)) == ".SVE";
}

std::string placedName(GameSubfolder place, const std::string& name) {
    switch (place) {
    case GameSubfolder::Savedata:
        return std::string(kSavedataFolderName) + "/" + name;
    case GameSubfolder::Music:
        return std::string(kMusicFolderName) + "/" + name;
    case GameSubfolder::Top:
        break;
    }
    return name;
}

} // namespace

std::vector<std::string> FolderCheck::ownersWithFindings() const {
    std::vector<std::string> owners;
    for (const auto& finding : findings)
        if (std::find(owners.begin(), owners.end(), finding.owner) == owners.end())
            owners.push_back(finding.owner);
    return owners;
}

FolderCheck checkGameFolder(const fs::path& gameFolder, const std::vector<FileOwner>& owners,
                            const std::function<bool(std::size_t, std::size_t)>& progress) {
    // Each name once, with every loaded holder that has a copy of it, in the owners' order.
    // A name an aircraft patches in place ("planes.dat") holds no owner's copy byte for byte.
    const auto keyOf = [](const OwnedFile& file) {
        return std::to_string(static_cast<int>(file.place)) + common::toUpperAscii(file.name);
    };
    std::unordered_set<std::string> patched;
    for (const auto& owner : owners)
        for (const auto& file : owner.files)
            if (file.source.empty())
                patched.insert(keyOf(file));
    std::vector<std::string> order;
    std::unordered_map<std::string, std::vector<Holder>> holders;
    for (const auto& owner : owners)
        for (const auto& file : owner.files) {
            const auto key = keyOf(file);
            if (file.source.empty() || careerSave(file.name) || patched.count(key))
                continue;
            auto& list = holders[key];
            if (list.empty())
                order.push_back(key);
            list.push_back({&owner, &file});
        }

    FolderCheck check;
    GameTargets targets(gameFolder);
    for (const auto& key : order) {
        if (progress && !progress(check.files, order.size())) {
            check.cancelled = true;
            break;
        }
        ++check.files;
        const auto& list = holders[key];
        const Holder latest = list.back();
        CheckFinding finding{latest.owner->name, {}, latest.file->name,
                             latest.file->place, {}, latest.file->source,
                             CheckFault::Missing};
        for (std::size_t i = 0; i + 1 < list.size(); ++i)
            finding.alsoHeldBy.push_back(list[i].owner->name);

        const auto target = targets.get(latest.file->place);
        std::optional<fs::path> gameFile;
        if (target.index) {
            const auto found = target.index->find(latest.file->name);
            if (!found.ok()) {
                check.problems.push_back(*found.problem);
                continue;
            }
            if (found.value)
                gameFile = target.index->folder() / common::pathFromText(found.value->name);
            finding.gameFile =
                gameFile ? *gameFile : target.index->folder() / common::pathFromText(latest.file->name);
        } else if (target.problem && !target.missing) {
            check.problems.push_back(*target.problem);
            continue;
        } else {
            // "Savedata" or "Music" is gone altogether: its files are missing where a load puts them.
            finding.gameFile =
                gameFolder / common::pathFromText(placedName(latest.file->place, latest.file->name));
        }
        if (!gameFile) {
            check.findings.push_back(std::move(finding));
            continue;
        }
        // Any loaded holder's bytes count as loaded: which of two sets sharing a name was clicked last
        // is not in the ledger, whose order is the grid's.
        bool same = false;
        bool missing = false;
        for (auto holder = list.rbegin(); holder != list.rend() && !same; ++holder) {
            const auto compared = common::compareWithCopy(*gameFile, holder->file->source);
            check.bytesRead += compared.bytesRead;
            if (compared.problem)
                check.problems.push_back(*compared.problem);
            same = !compared.problem && compared.comparison == common::Comparison::Same;
            missing = compared.comparison == common::Comparison::Missing;
        }
        if (!same) {
            finding.fault = missing ? CheckFault::Missing : CheckFault::Differs;
            check.findings.push_back(std::move(finding));
        }
    }
    return check;
}

std::string findingText(const CheckFinding& finding) {
    std::string text = (finding.fault == CheckFault::Missing ? "missing: " : "differs: ") +
                       placedName(finding.place, finding.name) + " of " + finding.owner;
    for (const auto& other : finding.alsoHeldBy)
        text += ", also of " + other;
    return text;
}

} // namespace outfitter
