#pragma once
// The game-folder chooser, through one door so that a test can answer it instead of a player.

#include <QString>

#include <deque>
#include <filesystem>
#include <optional>
#include <vector>

namespace eaw::startup {

struct StartRequest;

class FolderChooser final {
  public:
    struct Asked {
        QString note;
        std::filesystem::path offer;
    };

    // Asks for a folder, starting at `offer`, with `note` saying why; nothing when cancelled.
    static std::optional<std::filesystem::path> choose(const QString& note,
                                                       const std::filesystem::path& offer);

    // The next questions are not shown but answered in order (tests); nullopt answers "Cancel".
    static void setNextAnswers(std::deque<std::optional<std::filesystem::path>> answers);
    // Every question asked so far, shown or answered.
    static const std::vector<Asked>& asked();
    static void clearAsked();
};

// Settles the game folder of a program that is about to open its window: the folder of the request
// when it holds the game, else what the player chooses (asked again until the choice holds the game).
// The choice is remembered in `rememberFile` and offered next time. Nothing when the player cancels:
// the program then ends without touching any folder.
std::optional<std::filesystem::path> settleGameFolder(const StartRequest& request,
                                                      const std::filesystem::path& rememberFile);
std::optional<std::filesystem::path> settleGameFolder(const StartRequest& request);

} // namespace eaw::startup
