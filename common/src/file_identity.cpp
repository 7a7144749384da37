#include "common/file_identity.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace common {

namespace fs = std::filesystem;

std::optional<FileIdentity> fileIdentity(const fs::path& path) {
#ifdef _WIN32
    // Backup semantics opens a folder as well as a file; nothing is read or changed.
    const HANDLE handle = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool ok = GetFileInformationByHandle(handle, &info) != 0;
    CloseHandle(handle);
    if (!ok)
        return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber,
                        (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
#else
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
#endif
}

bool isSameOrInside(const fs::path& inner, const fs::path& outer) {
    const auto target = fileIdentity(outer);
    if (!target)
        return false;
    std::error_code ec;
    auto at = fs::weakly_canonical(inner, ec);
    if (ec)
        at = fs::absolute(inner, ec);
    for (;;) {
        if (fileIdentity(at) == target)
            return true;
        if (!at.has_relative_path())
            return false;
        at = at.parent_path();
    }
}

} // namespace common
