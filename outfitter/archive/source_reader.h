#pragma once
// One way to walk whatever is being added as a set, an archive or a plain folder: its entries in
// order, each with its name as written and its kind, and the contents of each file in blocks.

#include "common/problem.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace outfitter {

enum class SourceEntryKind { File, Folder, SymbolicLink, HardLink, Device, Other };

struct SourceEntry {
    std::string name; // as written, UTF-8 (names of old zip archives are read as CP437)
    SourceEntryKind kind = SourceEntryKind::Other;
    std::uint64_t size = 0; // as the header says: the contents are counted as they arrive
    bool encrypted = false;
    bool nameUnreadable = false; // the archive's name bytes are not text in its stated encoding
};

class SourceReader {
  public:
    virtual ~SourceReader() = default;

    // The next entry, nullopt at the end. A damaged source sets `problem` and returns nullopt.
    virtual std::optional<SourceEntry> next(std::optional<common::Problem>& problem) = 0;

    // Hands the contents of the entry last returned by next() to `take`, block by block, in order,
    // holes of a sparse entry as zeros up to its full size; `take` returns false to stop early. A
    // problem means the source is damaged or unreadable.
    virtual std::optional<common::Problem>
    readContents(const std::function<bool(std::string_view)>& take) = 0;
};

// The archive readers (libarchive's, or the stand-in of a build without it, which refuses every
// archive with kNoArchiveSupport). `problem` is set when the archive cannot be opened. next() reads
// the archive to its very end before it says so, so every checksum the format carries (the gzip,
// bzip2 and xz streams around a tar included) has been checked once the last entry is behind.
std::unique_ptr<SourceReader> openArchiveReader(const std::filesystem::path& archive,
                                                std::optional<common::Problem>& problem);
bool archivesSupported();

inline constexpr const char* kSelectorFolderInside =
    "a set cannot be added from \"QIV128\" itself or a folder holding it";
inline constexpr const char* kNoArchiveSupport =
    "This build cannot read archives; unpack it and add the folder.";

// Walks `folder` without following links, each entry named relative to it with `prefix` in front. A
// folder met on the way that is `selectorFolder` under another name (a bind mount) is refused.
std::unique_ptr<SourceReader> openFolderReader(const std::filesystem::path& folder, const std::string& prefix,
                                               const std::filesystem::path& selectorFolder);

} // namespace outfitter
