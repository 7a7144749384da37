#pragma once
// The three folders a set's files go to, "Savedata" and "Music" found whatever their letter case and
// listed once per job, refused when they are links so nothing is ever written or deleted through one.

#include "common/folder_index.h"
#include "outfitter/core/game_subfolder.h"

#include "common/problem.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace outfitter {

class GameTargets final {
  public:
    explicit GameTargets(std::filesystem::path gameFolder) : gameFolder_(std::move(gameFolder)) {}

    // The listing of the folder, or why it cannot be used. `missing` is set (and no problem) when the
    // folder simply does not exist, so callers that only delete can pass over it quietly.
    struct Target {
        common::FolderIndex* index = nullptr;
        std::optional<common::Problem> problem;
        bool missing = false;
    };
    Target get(GameSubfolder which);

  private:
    struct Slot {
        bool tried = false;
        std::optional<common::FolderIndex> index;
        std::optional<common::Problem> problem;
        bool missing = false;
    };
    std::filesystem::path gameFolder_;
    std::array<Slot, 3> slots_;
};

// A set folder's files in file-list order: its plain files, and links that lead to plain files
// (reading through a link out of a set is harmless; only the game folders are guarded).
common::Result<std::vector<std::string>> setFileNames(const std::filesystem::path& setFolder);

} // namespace outfitter
