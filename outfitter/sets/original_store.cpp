#include "outfitter/sets/original_store.h"

#include "common/write_check.h"

#include "common/folder_index.h"
#include "common/game_file_ops.h"
#include "common/resolver.h"
#include "common/text_file.h"
#include "outfitter/sets/game_targets.h"
#include "outfitter/sets/set_file_rules.h"

#include <array>
#include <optional>
#include <system_error>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

constexpr std::array<GameSubfolder, 3> kPlaces{GameSubfolder::Top, GameSubfolder::Savedata,
                                               GameSubfolder::Music};

std::string placePrefix(GameSubfolder place) {
    switch (place) {
    case GameSubfolder::Savedata:
        return std::string(kSavedataFolderName) + "\\";
    case GameSubfolder::Music:
        return std::string(kMusicFolderName) + "\\";
    case GameSubfolder::Top:
        break;
    }
    return {};
}

// Each loaded set listed once per job, in ledger order; a set that cannot be listed holds nothing.
std::vector<std::optional<common::FolderIndex>> listSets(const std::vector<LoadedSet>& sets) {
    std::vector<std::optional<common::FolderIndex>> listed;
    listed.reserve(sets.size());
    for (const auto& set : sets) {
        auto scanned = common::FolderIndex::scan(set.folder);
        listed.push_back(scanned.ok() ? std::optional(std::move(scanned.value)) : std::nullopt);
    }
    return listed;
}

struct Holder {
    std::size_t set;
    std::string name; // the file's name as the holding set spells it
};

// The latest set, in ledger order, that would load a file of this name.
std::optional<Holder> lastHolder(const std::vector<std::optional<common::FolderIndex>>& listed,
                                 const std::string& name) {
    for (std::size_t i = listed.size(); i-- > 0;) {
        if (!listed[i])
            continue;
        const auto found = listed[i]->find(name);
        if (!found.ok() || !found.value)
            continue;
        std::error_code ec;
        if (fs::is_regular_file(listed[i]->folder() / common::pathFromText(found.value->name), ec))
            return Holder{i, found.value->name};
    }
    return std::nullopt;
}

bool sameBytes(const fs::path& a, const fs::path& b) {
    const auto first = common::readFileBytes(a);
    const auto second = common::readFileBytes(b);
    return first.ok() && second.ok() && first.value == second.value;
}

void bump(std::vector<std::pair<std::string, std::size_t>>& counts, const std::string& name) {
    for (auto& [set, count] : counts)
        if (set == name) {
            ++count;
            return;
        }
    counts.emplace_back(name, 1);
}

// Puts a kept original back: the copy arrives whole before the kept one is given up.
bool putBack(const fs::path& stored, const fs::path& destination, SetFileWork& result) {
    if (auto problem = common::copyReplacing(stored, destination)) {
        problem->action = "putting back the original " + common::pathText(stored.filename()) + " as";
        result.work.problems.push_back(std::move(*problem));
        return false;
    }
    if (auto problem = common::deleteFile(stored))
        result.work.problems.push_back(std::move(*problem));
    result.work.done.push_back(destination);
    result.changes.push_back({ChangeKind::Restore, destination, "original"});
    ++result.originalsRestored;
    return true;
}

} // namespace

OriginalStore::OriginalStore(fs::path gameFolder, fs::path selectorFolder)
    : gameFolder_(std::move(gameFolder)), selectorFolder_(std::move(selectorFolder)) {}

fs::path OriginalStore::folder() const {
    const auto where = common::resolve(selectorFolder_, kOriginalsFolderName);
    return where.ok() ? where.value.path : selectorFolder_ / kOriginalsFolderName;
}

SetFileWork OriginalStore::beforeLoad(const fs::path& setFolder, const std::vector<LoadedSet>& loaded) const {
    SetFileWork result;
    if (sameFolder(gameFolder_, setFolder))
        return result;
    const auto names = setFileNames(setFolder);
    if (!names.ok()) // the load itself will say so
        return result;
    const auto listed = listSets(loaded);
    GameTargets targets(gameFolder_);
    for (const auto& name : names.value) {
        if (skippedWhenLoading(name))
            continue;
        const auto place = loadDestination(name);
        const auto target = targets.get(place);
        if (!target.index)
            continue;
        const auto existing = target.index->find(name);
        if (!existing.ok() || !existing.value || existing.value->kind != common::EntryKind::PlainFile)
            continue; // the load refuses these itself
        if (const auto holder = lastHolder(listed, name)) {
            bump(result.replacedOf, loaded[holder->set].name);
            continue;
        }
        const auto gameFile = target.index->folder() / common::pathFromText(existing.value->name);
        if (common::isReadOnlyFile(gameFile))
            continue; // the load refuses to replace it, and copying it must not touch its attribute
        const auto stored = common::resolve(folder(), placePrefix(place) + existing.value->name);
        if (!stored.ok()) {
            result.work.problems.push_back(*stored.problem);
            continue;
        }
        if (stored.value.exists)
            continue; // the first original is the player's; a later one is a leftover of a set
        std::error_code ec;
        fs::create_directories(stored.value.path.parent_path(), ec);
        if (ec) {
            result.work.problems.push_back(
                common::problemFromError(stored.value.path.parent_path(), "making the folder", ec));
            continue;
        }
        if (auto problem = common::copyReplacing(gameFile, stored.value.path)) {
            problem->action = "keeping the original " + existing.value->name + " in";
            result.work.problems.push_back(std::move(*problem));
            continue;
        }
        result.work.done.push_back(stored.value.path);
        result.changes.push_back({ChangeKind::Keep, gameFile, "in QIV128/.originals"});
        ++result.originalsKept;
    }
    return result;
}

SetFileWork OriginalStore::afterUnload(const fs::path& setFolder,
                                       const std::vector<LoadedSet>& stillLoaded) const {
    SetFileWork result;
    if (sameFolder(gameFolder_, setFolder))
        return result;
    const auto names = setFileNames(setFolder);
    if (!names.ok())
        return result;
    const auto listed = listSets(stillLoaded);
    GameTargets targets(gameFolder_); // listed afresh: the unload has just deleted files
    for (const auto& name : names.value) {
        if (skippedWhenLoading(name))
            continue;
        const auto place = loadDestination(name);
        const auto target = targets.get(place);
        if (!target.index)
            continue;
        const auto present = target.index->find(name);
        if (!present.ok()) {
            result.work.problems.push_back(*present.problem);
            continue;
        }
        if (const auto holder = lastHolder(listed, name)) {
            if (present.value)
                continue; // the unload left this file (a save stays in "Savedata"), so it is whole
            const auto& set = stillLoaded[holder->set];
            const auto destination = target.index->folder() / common::pathFromText(holder->name);
            if (auto problem =
                    common::copyReplacing(set.folder / common::pathFromText(holder->name), destination)) {
                problem->action = "putting back " + set.name + "'s " + holder->name + " as";
                result.work.problems.push_back(std::move(*problem));
                continue;
            }
            target.index->noteCreated({holder->name, common::EntryKind::PlainFile});
            result.work.done.push_back(destination);
            result.changes.push_back({ChangeKind::Restore, destination, "copy of " + set.name});
            ++result.sharedRestored;
            continue;
        }
        const auto stored = common::resolve(folder(), placePrefix(place) + name);
        if (!stored.ok()) {
            result.work.problems.push_back(*stored.problem);
            continue;
        }
        if (!stored.value.exists || common::entryKindAt(stored.value.path) != common::EntryKind::PlainFile)
            continue;
        fs::path destination = target.index->folder() / stored.value.path.filename();
        if (present.value) {
            destination = target.index->folder() / common::pathFromText(present.value->name);
            if (present.value->kind != common::EntryKind::PlainFile)
                continue;
            // Only the set's own copy gives way: a file the player changed since is never replaced.
            if (!sameBytes(destination, setFolder / common::pathFromText(name))) {
                result.work.problems.push_back(
                    {destination, "putting back the original of",
                     "the file was changed since the set was loaded; the original stays in QIV128/" +
                         std::string(kOriginalsFolderName)});
                continue;
            }
        }
        if (putBack(stored.value.path, destination, result))
            target.index->noteCreated(
                {common::pathText(destination.filename()), common::EntryKind::PlainFile});
    }
    return result;
}

SetFileWork OriginalStore::restoreAll() const {
    SetFileWork result;
    const auto store = folder();
    GameTargets targets(gameFolder_);
    for (const auto place : kPlaces) {
        fs::path kept = store;
        if (place != GameSubfolder::Top) {
            const auto sub =
                common::resolve(store, placePrefix(place).substr(0, placePrefix(place).size() - 1));
            if (!sub.ok() || !sub.value.exists)
                continue;
            kept = sub.value.path;
        }
        auto listing = common::FolderIndex::scan(kept);
        if (!listing.ok()) {
            std::error_code ec;
            if (fs::exists(kept, ec))
                result.work.problems.push_back(*listing.problem);
            continue;
        }
        for (const auto& entry : listing.value.entries()) {
            if (entry.kind != common::EntryKind::PlainFile)
                continue;
            const auto target = targets.get(place);
            if (!target.index) {
                result.work.problems.push_back(*target.problem);
                break;
            }
            const auto existing = target.index->find(entry.name);
            if (!existing.ok()) {
                result.work.problems.push_back(*existing.problem);
                continue;
            }
            const auto name = existing.value ? existing.value->name : entry.name;
            if (existing.value && existing.value->kind != common::EntryKind::PlainFile) {
                result.work.problems.push_back(
                    leftInPlace(target.index->folder() / common::pathFromText(name),
                                "putting back the original as", existing.value->kind));
                continue;
            }
            if (putBack(kept / common::pathFromText(entry.name),
                        target.index->folder() / common::pathFromText(name), result))
                target.index->noteCreated({name, common::EntryKind::PlainFile});
        }
    }
    return result;
}

std::size_t OriginalStore::count() const {
    std::size_t found = 0;
    std::error_code ec;
    const auto store = folder();
    if (!fs::is_directory(store, ec))
        return 0;
    for (auto it = fs::recursive_directory_iterator(store, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        if (it->is_regular_file(ec))
            ++found;
    return found;
}

} // namespace outfitter
