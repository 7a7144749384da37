#pragma once
// The one lock of a game folder, kept in its selector folder "QIV128", that every program takes before
// it changes the game folder, so no two of them change it at once and none repairs another's live work.
// A window also keeps a second lock there for as long as it is open, so that one game folder gets one
// window while windows on different game folders stand side by side.

#include "common/file_lock.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace common {

inline constexpr const char* kGameFolderLockName = ".qiv-lock";
inline constexpr const char* kWindowLockName = ".qiv-window";

// How long a command that changes the game folder waits for the lock before it refuses.
inline constexpr auto kGameFolderLockWait = std::chrono::seconds(5);

// The lock file `name` of `gameFolder`: in its "QIV128" whatever its letter case. With `makeFolder`
// the folder is made when missing; without it a missing folder gives nullopt (nothing to lock).
Result<std::optional<std::filesystem::path>> gameFolderLockFile(const std::filesystem::path& gameFolder,
                                                                 std::string_view name, bool makeFolder);

// Takes `name` of `gameFolder`, making "QIV128" when missing, waiting up to `wait`.
FileLock takeGameFolderLock(const std::filesystem::path& gameFolder, std::string_view program,
                            std::chrono::milliseconds wait = std::chrono::milliseconds(0),
                            std::string_view name = kGameFolderLockName);

// For the programs that only write a few game files: takes the lock without waiting when "QIV128" is
// there; a game folder the selector never used has nobody to share it with, and gets no such folder.
struct WriteLock {
    FileLock lock;
    bool refused = false; // another process holds it; `lock.holder()` says who

    bool mayWrite() const { return lock.held() || (!refused && !lock.problem()); }
};
WriteLock takeLockForWrite(const std::filesystem::path& gameFolder, std::string_view program);

// Who holds `name` of `gameFolder`, when another process does; makes nothing.
std::optional<LockHolder> gameFolderLockHolder(const std::filesystem::path& gameFolder,
                                               std::string_view name = kGameFolderLockName);

// " (process 1234)" for a holder that recorded itself, else nothing.
std::string processText(const LockHolder& holder);

} // namespace common
