#include "outfitter/sets/set_files.h"

#include "outfitter/core/game_targets.h"

#include "common/file_compare.h"
#include "common/folder_index.h"
#include "common/names.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

std::string key(GameSubfolder place, std::string_view name) {
    return std::to_string(static_cast<int>(place)) + common::toUpperAscii(name);
}

// Who holds each name and place, in the order given.
using Holders = std::unordered_map<std::string, std::vector<const FileOwner*>>;

Holders holdersOf(const std::vector<FileOwner>& owners, const std::string& except) {
    Holders holders;
    for (const auto& owner : owners) {
        if (owner.name == except)
            continue;
        for (const auto& file : owner.files) {
            auto& list = holders[key(file.place, file.name)];
            if (list.empty() || list.back() != &owner)
                list.push_back(&owner);
        }
    }
    return holders;
}

const OwnedFile* fileOf(const FileOwner& owner, GameSubfolder place, std::string_view name) {
    for (const auto& file : owner.files)
        if (file.place == place && common::equalsIgnoreCase(file.name, name))
            return &file;
    return nullptr;
}

// The kept originals, listed once: the store mirrors the game folder's places below its own folder.
class Originals final {
  public:
    explicit Originals(const fs::path& folder) {
        auto top = common::FolderIndex::scan(folder);
        if (!top.ok())
            return;
        for (const auto place : {GameSubfolder::Savedata, GameSubfolder::Music}) {
            const auto sub =
                top.value.find(place == GameSubfolder::Savedata ? kSavedataFolderName : kMusicFolderName);
            if (sub.ok() && sub.value && sub.value->kind == common::EntryKind::Folder) {
                auto index = common::FolderIndex::scan(folder / common::pathFromText(sub.value->name));
                if (index.ok())
                    places_[static_cast<std::size_t>(place)] = std::move(index.value);
            }
        }
        places_[0] = std::move(top.value);
    }
    bool holds(GameSubfolder place, std::string_view name) const {
        const auto& index = places_[static_cast<std::size_t>(place)];
        if (!index)
            return false;
        const auto found = index->find(name);
        return found.ok() && found.value && found.value->kind == common::EntryKind::PlainFile;
    }

  private:
    std::array<std::optional<common::FolderIndex>, 3> places_;
};

} // namespace

SetFiles listSetFiles(const SetFilesQuery& query) {
    SetFiles result;
    result.set = query.name;
    result.loaded = query.loaded;
    const auto names = setFileNames(query.folder);
    if (!names.ok())
        result.problems.push_back(*names.problem);
    const auto loaded = holdersOf(query.loadedOwners, query.name);
    const auto unloaded = holdersOf(query.unloadedSets, query.name);
    GameTargets targets(query.gameFolder);
    std::optional<Originals> originals;
    if (query.loaded)
        originals.emplace(query.originalsFolder);

    result.files.reserve(names.value.size());
    for (const auto& name : names.value) {
        SetFileLine line;
        line.name = name;
        if (skippedWhenLoading(name)) {
            result.files.push_back(std::move(line));
            continue;
        }
        const auto place = loadDestination(name);
        line.place = place;
        const auto target = targets.get(place);
        fs::path gameFile;
        if (target.index) {
            const auto found = target.index->find(name);
            if (found.ok() && found.value && found.value->kind != common::EntryKind::Folder) {
                line.gameFileThere = true;
                gameFile = target.index->folder() / common::pathFromText(found.value->name);
            }
        }
        const auto k = key(place, name);
        if (const auto it = loaded.find(k); it != loaded.end())
            for (const auto* owner : it->second)
                line.loadedOwners.push_back(owner->name);
        if (const auto it = unloaded.find(k); it != unloaded.end())
            for (const auto* owner : it->second)
                line.otherSets.push_back(owner->name);
        if (query.loaded) {
            line.originalKept = originals->holds(place, name);
            line.state = LoadedState::Missing;
            if (line.gameFileThere) {
                const auto compared =
                    common::compareWithCopy(gameFile, query.folder / common::pathFromText(name));
                if (compared.problem)
                    result.problems.push_back(*compared.problem);
                line.state = compared.comparison == common::Comparison::Same ? LoadedState::AsLoaded
                                                                             : LoadedState::Changed;
                // A later load of a set sharing the name put its own copy there: not a change.
                if (line.state == LoadedState::Changed)
                    if (const auto it = loaded.find(k); it != loaded.end())
                        for (auto owner = it->second.rbegin(); owner != it->second.rend(); ++owner) {
                            const auto* file = fileOf(**owner, place, name);
                            if (file && file->source.empty()) {
                                line.state = LoadedState::Patched;
                                line.heldBy = (*owner)->name;
                                break;
                            }
                            if (file && common::isCopyOf(gameFile, file->source)) {
                                line.state = LoadedState::HeldByOther;
                                line.heldBy = (*owner)->name;
                                break;
                            }
                        }
            }
        }
        result.files.push_back(std::move(line));
    }
    return result;
}

std::string placeText(const std::optional<GameSubfolder>& place) {
    if (!place)
        return "left out";
    switch (*place) {
    case GameSubfolder::Savedata:
        return kSavedataFolderName;
    case GameSubfolder::Music:
        return kMusicFolderName;
    case GameSubfolder::Top:
        break;
    }
    return "game folder";
}

namespace {

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return text;
}

} // namespace

std::string meetsText(const SetFileLine& line, bool setLoaded) {
    if (!line.place)
        return {};
    std::string text;
    if (!line.loadedOwners.empty())
        text = (line.loadedOwners.size() == 1 ? "a file of " : "files of ") + joined(line.loadedOwners) +
               ", loaded";
    else if (setLoaded)
        text = line.originalKept ? "the game's or player's own file (kept as an original)" : "nothing";
    else if (line.gameFileThere)
        text = "the game's or player's own file (kept as an original on load)";
    else
        text = "nothing";
    if (!line.otherSets.empty())
        text += "; also in " + joined(line.otherSets) + ", not loaded";
    return text;
}

std::string stateText(const SetFileLine& line) {
    switch (line.state) {
    case LoadedState::NotLoaded:
        return {};
    case LoadedState::AsLoaded:
        return "as loaded";
    case LoadedState::Changed:
        return "changed since loaded";
    case LoadedState::Missing:
        return "missing";
    case LoadedState::HeldByOther:
        return "holds the copy of " + line.heldBy;
    case LoadedState::Patched:
        return "patched by " + line.heldBy;
    }
    return {};
}

std::string lineText(const SetFileLine& line, bool setLoaded) {
    std::string text = line.name + " | " + placeText(line.place);
    if (!line.place)
        return text;
    text += " | " + meetsText(line, setLoaded);
    if (const auto state = stateText(line); !state.empty())
        text += " | " + state;
    return text;
}

std::vector<std::pair<std::string, std::size_t>> sharedWithLoaded(const FileOwner& set,
                                                                  const std::vector<FileOwner>& loaded) {
    std::unordered_map<std::string, int> names;
    for (const auto& file : set.files)
        names.emplace(key(file.place, file.name), 0);
    std::vector<std::pair<std::string, std::size_t>> shared;
    for (const auto& owner : loaded) {
        if (owner.name == set.name)
            continue;
        std::size_t count = 0;
        for (const auto& file : owner.files)
            count += names.count(key(file.place, file.name));
        if (count > 0)
            shared.emplace_back(owner.name, count);
    }
    return shared;
}

std::string sharedText(const std::vector<std::pair<std::string, std::size_t>>& shared) {
    std::string text;
    for (std::size_t i = 0; i < shared.size(); ++i) {
        text += i == 0 ? "shares " : i + 1 == shared.size() ? " and " : ", ";
        text += std::to_string(shared[i].second) + (shared[i].second == 1 ? " file" : " files") + " with " +
                shared[i].first + ", loaded";
    }
    return text;
}

} // namespace outfitter
