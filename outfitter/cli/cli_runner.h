#pragma once
// The selector without a window, for launchers and shortcuts: `--apply PACKAGE [--reset]` loads an
// autoscript exactly as "Load this package" does, `--launch PROGRAM` starts a program of the game
// folder, `--list` prints the sets, categories and marks, `--add PATH [--category L] [--name N]` adds
// a set from an archive or folder, `--files SET` prints each file of a set and what it meets,
// `--check` compares the loaded files with their owners' copies, `--undo` takes back the newest change and
// `--history` lists those that can be. Each prints what it did and fails with a
// one-line reason. `--apply` and `--add` hold the game folder's lock for the whole run, waiting a few
// seconds for it; the others only read, never repair, and say so when another process holds it.

#include "startup/program_start.h"

#include "common/game_folder_lock.h"

#include <chrono>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace outfitter {

struct CliRequest {
    std::optional<std::string> apply;  // the package: a name in "Autoscripts" (".set" optional) or a file
    bool reset = false;                // "Reset all before loading"
    std::optional<std::string> launch; // a program of the game folder
    bool list = false;
    std::optional<std::string> add;      // an archive or folder to add as a set
    std::optional<std::string> category; // with add: the category letter
    std::optional<std::string> name;     // with add: the set's name
    std::optional<std::string> files;    // a set whose files to print
    bool check = false;                  // compare the game folder with what is loaded
    bool undo = false;                   // take back the newest change
    bool history = false;                // print the changes that can be undone
    // How long a command that changes the game folder waits for another process to finish.
    std::chrono::milliseconds lockWait = common::kGameFolderLockWait;

    bool changesGameFolder() const { return apply || add || undo; }
};

// The selector's options among those start-up let through; nullopt when there are none (the window
// opens). A contradiction (`--reset` without `--apply`, an option given twice) fills `refusal`.
std::optional<CliRequest> cliRequest(const std::vector<eaw::startup::GivenOption>& options,
                                     std::string& refusal);

// Does what `request` asks in `gameFolder` and returns the exit code: 0 when everything was done,
// 1 with the reason on `err` when anything failed. `--check` gives 0 when every file is as loaded,
// 1 with the list of files missing or changed, 2 when the folder holds no game.
int runCli(const CliRequest& request, const std::filesystem::path& gameFolder, std::ostream& out,
           std::ostream& err);

} // namespace outfitter
