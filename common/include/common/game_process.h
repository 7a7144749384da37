#pragma once
// Whether the game's program runs from a given game folder, so that nothing changes its files under
// it. Under Wine the game is a "wine" or "wine64-preloader" process with the game's path among its
// arguments; both are recognised.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace common {

struct RunningProgram {
    long long id = 0;     // the process id
    std::string program;  // the program's path as the process names it
};

// The first process whose program (or, under Wine, an argument) is `programName` (any letter case)
// and that runs from `gameFolder`: its working folder is that folder or the program's own path lies
// in it. A process whose details cannot be read (another user's) is passed over.
std::optional<RunningProgram> programRunningIn(const std::filesystem::path& gameFolder,
                                               std::string_view programName = "eaw.exe");

} // namespace common
