#pragma once
// What makes two names one file or folder: the device and inode (the volume and file ID on Windows).
// Paths cannot tell it: a bind mount, a link or a second drive letter shows one folder under two names.

#include <cstdint>
#include <filesystem>
#include <optional>

namespace common {

struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t file = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The identity of what `path` names, following links; nullopt when it cannot be looked at.
std::optional<FileIdentity> fileIdentity(const std::filesystem::path& path);

// Whether `inner` is `outer` or lies below it, whatever names either goes by: `inner` and each folder
// above it (through its canonical path) is compared with `outer` by identity.
bool isSameOrInside(const std::filesystem::path& inner, const std::filesystem::path& outer);

} // namespace common
