#include "common/write_check.h"
#include "common/game_file_ops.h"

#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#else
#include <cerrno>
#include <unistd.h>
#endif

namespace common {

namespace fs = std::filesystem;

namespace {

#if defined(_WIN32)

bool attributeReadOnly(const fs::path& file) {
    const DWORD attributes = ::GetFileAttributesW(file.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// A folder's read-only attribute does not stop files being made in it on Windows; what does shows as
// a failed write, which the writers report.
std::optional<int> folderRefusal(const fs::path&) {
    return std::nullopt;
}

#else

bool attributeReadOnly(const fs::path& file) {
    // The mode bits are the attribute a player sets; access() adds what binds us (owner, read-only
    // mounts). Root passes access() even for a mode of 0444, hence both.
    std::error_code ec;
    const auto perms = fs::status(file, ec).permissions();
    if (ec)
        return false;
    constexpr auto anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((perms & anyWrite) == fs::perms::none)
        return true;
    return ::access(file.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS || errno == EPERM);
}

std::optional<int> folderRefusal(const fs::path& folder) {
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return errno;
    return std::nullopt;
}

#endif

} // namespace

bool hasReadOnlyAttribute(const fs::path& file) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return false;
#if defined(_WIN32)
    return attributeReadOnly(file);
#else
    const auto perms = fs::status(file, ec).permissions();
    constexpr auto anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return !ec && (perms & anyWrite) == fs::perms::none;
#endif
}

bool isReadOnlyFile(const fs::path& file) {
    std::error_code ec;
    return fs::is_regular_file(file, ec) && attributeReadOnly(file);
}

std::optional<Problem> replaceRefusal(const fs::path& file, const std::string& action) {
    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    std::error_code ec;
    const auto folderStatus = fs::status(folder, ec);
    if (!fs::exists(folderStatus))
        return Problem{folder, action, "the folder does not exist"};
    if (!fs::is_directory(folderStatus))
        return Problem{folder, action, "it is not a folder"};
    if (auto err = folderRefusal(folder))
        return problemFromErrno(folder, action, *err);

    const auto fileStatus = fs::status(file, ec);
    if (!fs::exists(fileStatus))
        return std::nullopt;
    if (!fs::is_regular_file(fileStatus))
        return Problem{file, action, "it is not a plain file"};
    if (attributeReadOnly(file))
        return Problem{file, action, kReadOnlyRefusal};
    return std::nullopt;
}

} // namespace common
