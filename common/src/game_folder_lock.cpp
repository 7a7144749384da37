#include "common/game_folder_lock.h"

#include "common/resolver.h"

#include <system_error>

namespace common {

namespace fs = std::filesystem;

namespace {

constexpr const char* kSelectorFolderName = "QIV128";

} // namespace

Result<std::optional<fs::path>> gameFolderLockFile(const fs::path& gameFolder, std::string_view name,
                                                   bool makeFolder) {
    Result<std::optional<fs::path>> out;
    const auto folder = resolve(gameFolder, kSelectorFolderName);
    if (!folder.ok()) {
        out.problem = folder.problem;
        return out;
    }
    std::error_code ec;
    if (!folder.value.exists) {
        if (!makeFolder)
            return out;
        fs::create_directory(folder.value.path, ec);
        if (ec) {
            out.problem = problemFromError(folder.value.path, "making the folder", ec);
            return out;
        }
    } else if (!fs::is_directory(folder.value.path, ec)) {
        out.problem = Problem{folder.value.path, "locking the game folder", "it is not a folder"};
        return out;
    }
    out.value = folder.value.path / pathFromText(name);
    return out;
}

FileLock takeGameFolderLock(const fs::path& gameFolder, std::string_view program, std::chrono::milliseconds wait,
                            std::string_view name) {
    const auto file = gameFolderLockFile(gameFolder, name, true);
    if (!file.ok())
        return FileLock::failure(*file.problem);
    return FileLock::take(*file.value, program, wait);
}

WriteLock takeLockForWrite(const fs::path& gameFolder, std::string_view program) {
    WriteLock out;
    const auto file = gameFolderLockFile(gameFolder, kGameFolderLockName, false);
    if (file.ok() && !file.value)
        return out;
    out.lock = takeGameFolderLock(gameFolder, program);
    out.refused = out.lock.outcome() == FileLock::Outcome::HeldElsewhere;
    return out;
}

std::optional<LockHolder> gameFolderLockHolder(const fs::path& gameFolder, std::string_view name) {
    const auto file = gameFolderLockFile(gameFolder, name, false);
    if (!file.ok() || !file.value)
        return std::nullopt;
    return lockHeldElsewhere(*file.value);
}

std::string processText(const LockHolder& holder) {
    return holder.processId > 0 ? " (process " + std::to_string(holder.processId) + ")" : std::string();
}

} // namespace common
