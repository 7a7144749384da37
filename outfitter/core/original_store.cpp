#include "outfitter/core/original_store.h"

#include "common/write_check.h"

#include "common/change_recorder.h"

#include "common/file_compare.h"
#include "common/folder_copy.h"
#include "common/folder_index.h"
#include "common/game_file_ops.h"
#include "common/names.h"
#include "common/resolver.h"
#include "common/text_file.h"
#include "outfitter/core/game_subfolder.h"
#include "outfitter/core/game_targets.h"

#include <array>
#include <optional>
#include <system_error>
#include <unordered_map>

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

struct Holder {
    const FileOwner* owner;
    const OwnedFile* file;
};

// The latest owner of each name and place, in the order given (ledger order: the last load wins).
class Holders final {
  public:
    explicit Holders(const std::vector<FileOwner>& owners) {
        for (const auto& owner : owners)
            for (const auto& file : owner.files)
                latest_[key(file.place, file.name)] = Holder{&owner, &file};
    }
    std::optional<Holder> find(GameSubfolder place, std::string_view name) const {
        const auto found = latest_.find(key(place, name));
        return found == latest_.end() ? std::nullopt : std::optional(found->second);
    }

  private:
    static std::string key(GameSubfolder place, std::string_view name) {
        return placePrefix(place) + common::toUpperAscii(name);
    }
    std::unordered_map<std::string, Holder> latest_;
};

void bump(std::vector<std::pair<std::string, std::size_t>>& counts, const std::string& name) {
    for (auto& [set, count] : counts)
        if (set == name) {
            ++count;
            return;
        }
    counts.emplace_back(name, 1);
}

// Puts a kept original back into `folder` as `name`: the copy arrives whole before the kept one is
// given up.
bool putBack(const fs::path& stored, common::FolderIndex& folder, const std::string& name,
             SetFileWork& result, bool giveUp = true) {
    auto placed =
        common::copyIntoFolder(folder, stored, name,
                               {"putting back the original as",
                                "putting back the original " + common::pathText(stored.filename()) + " as",
                                {}});
    if (!placed.ok()) {
        result.work.problems.push_back(std::move(*placed.problem));
        return false;
    }
    if (giveUp)
        if (auto problem = common::deleteFile(stored))
            result.work.problems.push_back(std::move(*problem));
    result.work.done.push_back(placed.value);
    result.changes.push_back({ChangeKind::Restore, placed.value, "original"});
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

namespace {

// A kept entry, or why it cannot be looked at.
common::Result<common::Resolved> storedEntry(const fs::path& store, GameSubfolder place,
                                             const std::string& name) {
    return common::resolve(store, placePrefix(place) + name);
}

bool storedFile(const common::Result<common::Resolved>& stored) {
    return stored.ok() && stored.value.exists &&
           common::entryKindAt(stored.value.path) == common::EntryKind::PlainFile;
}

void dropEntry(const fs::path& stored, SetFileWork& result) {
    if (auto problem = common::deleteFile(stored))
        result.work.problems.push_back(std::move(*problem));
    else
        result.changes.push_back({ChangeKind::Delete, stored, "stale original"});
}

} // namespace

SetFileWork OriginalStore::beforeLoad(const FileOwner& arriving, const std::vector<FileOwner>& loaded) const {
    SetFileWork result;
    const Holders holders(loaded);
    const auto store = folder();
    GameTargets targets(gameFolder_);
    for (const auto& file : arriving.files) {
        if (!file.source.empty() && common::sameFolder(gameFolder_, file.source.parent_path()))
            continue;
        const auto target = targets.get(file.place);
        if (!target.index)
            continue;
        const auto existing = target.index->find(file.name);
        if (!existing.ok())
            continue; // the load refuses these itself
        const auto holder = holders.find(file.place, file.name);
        if (holder) {
            if (existing.value && existing.value->kind == common::EntryKind::PlainFile)
                bump(result.replacedOf, holder->owner->name);
            continue;
        }
        // Kept under the game's own spelling, which is the one put back.
        const auto stored = storedEntry(store, file.place, existing.value ? existing.value->name : file.name);
        if (!stored.ok()) {
            result.work.problems.push_back(*stored.problem);
            continue;
        }
        if (!existing.value || existing.value->kind != common::EntryKind::PlainFile) {
            // Nothing of the player's stands there now, so an old entry would put back a file where
            // none was.
            if (storedFile(stored) && !existing.value)
                dropEntry(stored.value.path, result);
            continue;
        }
        const auto gameFile = target.index->folder() / common::pathFromText(existing.value->name);
        if (common::isReadOnlyFile(gameFile))
            continue; // the load refuses to replace it, and copying it must not touch its attribute
        // The arriving owner's own bytes are what an earlier load of it left, not the player's file.
        if (!file.source.empty() && common::isCopyOf(gameFile, file.source))
            continue;
        if (storedFile(stored) && common::isCopyOf(stored.value.path, gameFile))
            continue;
        if (auto problem = common::makeFolders(stored.value.path.parent_path())) {
            result.work.problems.push_back(std::move(*problem));
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

SetFileWork OriginalStore::afterUnload(const FileOwner& leaving,
                                       const std::vector<FileOwner>& stillLoaded) const {
    SetFileWork result;
    const Holders holders(stillLoaded);
    const auto store = folder();
    GameTargets targets(gameFolder_); // listed afresh: the unload has just deleted files
    for (const auto& file : leaving.files) {
        if (!file.source.empty() && common::sameFolder(gameFolder_, file.source.parent_path()))
            continue;
        const auto target = targets.get(file.place);
        if (!target.index)
            continue;
        const auto present = target.index->find(file.name);
        if (!present.ok()) {
            result.work.problems.push_back(*present.problem);
            continue;
        }
        if (const auto holder = holders.find(file.place, file.name)) {
            if (present.value || holder->file->source.empty())
                continue; // the unload left this file (a save stays in "Savedata"), so it is whole
            const auto action = "putting back " + holder->owner->name + "'s " + holder->file->name + " as";
            auto placed = common::copyIntoFolder(*target.index, holder->file->source, holder->file->name,
                                                 {action, action, {}});
            if (!placed.ok()) {
                result.work.problems.push_back(std::move(*placed.problem));
                continue;
            }
            result.work.done.push_back(placed.value);
            result.changes.push_back({ChangeKind::Restore, placed.value, "copy of " + holder->owner->name});
            ++result.sharedRestored;
            continue;
        }
        const auto stored = storedEntry(store, file.place, file.name);
        if (!stored.ok()) {
            result.work.problems.push_back(*stored.problem);
            continue;
        }
        if (!storedFile(stored))
            continue;
        auto name = common::pathText(stored.value.path.filename());
        if (present.value) {
            name = present.value->name;
            const auto destination = target.index->folder() / common::pathFromText(name);
            if (present.value->kind != common::EntryKind::PlainFile)
                continue;
            // Put back already by an unload that died before giving the kept copy up.
            if (common::isCopyOf(destination, stored.value.path)) {
                dropEntry(stored.value.path, result);
                continue;
            }
            // Only the owner's own copy gives way: a file the player changed since is never replaced.
            // A patched file has no copy to compare with: it is the owner's work, so it gives way.
            if (!file.source.empty() && !common::isCopyOf(destination, file.source)) {
                result.work.problems.push_back(
                    {destination, "putting back the original of",
                     "the file was changed since the set was loaded; the original stays in QIV128/" +
                         std::string(kOriginalsFolderName)});
                continue;
            }
        }
        putBack(stored.value.path, *target.index, name, result);
    }
    return result;
}

namespace {

// Each plain file of the store with its place, in file-list order.
struct KeptEntry {
    GameSubfolder place;
    std::string name;
    fs::path path;
};

std::vector<KeptEntry> keptEntries(const fs::path& store, common::Problems& problems) {
    std::vector<KeptEntry> kept;
    for (const auto place : kPlaces) {
        fs::path folder = store;
        if (place != GameSubfolder::Top) {
            const auto prefix = placePrefix(place);
            const auto sub = common::resolve(store, prefix.substr(0, prefix.size() - 1));
            if (!sub.ok() || !sub.value.exists)
                continue;
            folder = sub.value.path;
        }
        auto listing = common::FolderIndex::scan(folder);
        if (!listing.ok()) {
            std::error_code ec;
            if (fs::exists(folder, ec))
                problems.push_back(*listing.problem);
            continue;
        }
        for (const auto& entry : listing.value.entries())
            if (entry.kind == common::EntryKind::PlainFile)
                kept.push_back({place, entry.name, folder / common::pathFromText(entry.name)});
    }
    return kept;
}

} // namespace

SetFileWork OriginalStore::restoreAll(const std::vector<FileOwner>& wereLoaded, bool everything) const {
    SetFileWork result;
    const Holders holders(wereLoaded);
    GameTargets targets(gameFolder_);
    std::vector<fs::path> putBackAll;
    for (const auto& entry : keptEntries(folder(), result.work.problems)) {
        if (!everything && !holders.find(entry.place, entry.name)) {
            dropEntry(entry.path, result);
            continue;
        }
        const auto target = targets.get(entry.place);
        if (!target.index) {
            result.work.problems.push_back(*target.problem);
            continue;
        }
        if (putBack(entry.path, *target.index, entry.name, result, false))
            putBackAll.push_back(entry.path);
    }
    for (const auto& kept : putBackAll)
        if (auto problem = common::deleteFile(kept))
            result.work.problems.push_back(std::move(*problem));
    return result;
}

SetFileWork OriginalStore::dropStale(const std::vector<FileOwner>& loaded) const {
    SetFileWork result;
    const Holders holders(loaded);
    for (const auto& entry : keptEntries(folder(), result.work.problems))
        if (!holders.find(entry.place, entry.name))
            dropEntry(entry.path, result);
    return result;
}

std::size_t OriginalStore::count() const {
    common::Problems ignored;
    return keptEntries(folder(), ignored).size();
}

std::size_t OriginalStore::countHeldBy(const std::vector<FileOwner>& owners) const {
    const Holders holders(owners);
    common::Problems ignored;
    std::size_t held = 0;
    for (const auto& entry : keptEntries(folder(), ignored))
        if (holders.find(entry.place, entry.name))
            ++held;
    return held;
}

} // namespace outfitter
