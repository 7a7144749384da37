#include "outfitter/sets/music_switch.h"

#include "outfitter/core/file_routines.h"

#include "common/change_recorder.h"
#include "common/names.h"
#include "common/resolver.h"

#include <system_error>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

std::optional<common::Problem> systemRename(const fs::path& from, const fs::path& to) {
    return common::renameEntry(from, to,
                               "renaming the music folder to " + common::pathText(to.filename()) + ":");
}

bool plainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string_view::npos;
}

// Renames both folders, or neither.
void renameBoth(const FolderRename& renameFolder, const fs::path& active, const fs::path& activeOwnName,
                const fs::path& chosen, common::Problems& problems, bool& switched) {
    if (auto problem = renameFolder(active, activeOwnName)) {
        problems.push_back(std::move(*problem));
        return;
    }
    if (auto problem = renameFolder(chosen, active)) {
        problems.push_back(std::move(*problem));
        if (auto undo = renameFolder(activeOwnName, active))
            problems.push_back(std::move(*undo));
        return;
    }
    switched = true;
}

} // namespace

MusicSwitch switchMusic(const fs::path& gameFolder, std::string_view chosen, std::string_view current,
                        const FolderRename& rename) {
    MusicSwitch result;
    const std::string what = "switching the music to \"" + std::string(chosen) + "\" in";
    auto refuse = [&](std::string reason) {
        result.problems.push_back({gameFolder, what, std::move(reason)});
    };

    if (common::equalsIgnoreCase(chosen, kActiveMusicFolderName)) {
        // Already the active music: nothing to do.
    } else if (!plainName(chosen)) {
        refuse("no music folder of this name");
    } else if (!plainName(current)) {
        refuse("the music now active is not known: \"Music.ini\" names no music without a folder");
    } else {
        const auto chosenFolder = findFolder(gameFolder, chosen, result.problems);
        const auto activeFolder = findFolder(gameFolder, kActiveMusicFolderName, result.problems);
        const auto ownName = common::resolve(gameFolder, current);
        if (!result.problems.empty()) {
            // An unclear name was reported already.
        } else if (!chosenFolder) {
            refuse("the folder \"" + std::string(chosen) + "\" is not there any more");
        } else if (!activeFolder) {
            refuse("there is no \"Music\" folder");
        } else if (!ownName.ok()) {
            result.problems.push_back(*ownName.problem);
        } else if (ownName.value.exists) {
            refuse("\"" + std::string(current) + "\" is already taken by another file or folder");
        } else {
            renameBoth(rename ? rename : FolderRename(systemRename), *activeFolder, ownName.value.path,
                       *chosenFolder, result.problems, result.switched);
        }
    }
    result.music = MusicList::read(gameFolder, result.problems);
    return result;
}

} // namespace outfitter
