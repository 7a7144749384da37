#pragma once
// What a long file job (loading, unloading, cleaning up) reports back: progress while it runs, and
// afterwards which files it touched and what went wrong.

#include "common/problem.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace outfitter {

// The window shows `caption` in its title bar and `fraction` (0 to 1) on a progress bar, then repaints.
struct FileWorkProgress {
    std::string caption;
    double fraction = 0.0;
};
using ProgressCallback = std::function<void(const FileWorkProgress&)>;

struct FileWorkReport {
    std::vector<std::filesystem::path> done; // files copied to or deleted from, as found on disk
    common::Problems problems;               // one per file that failed; the others were still done
    // An unload's files that are still in the game folder because their deletion failed.
    std::vector<std::filesystem::path> stayed;
    bool setUnread = false; // the set folder could not be listed, so nothing is known of its files

    bool ok() const { return problems.empty(); }
    void add(const FileWorkReport& other);
};

// Captions the window shows while the work runs; the window restores its own caption afterwards.
inline constexpr const char* kCopyingCaption = "Please wait- copying: ";
inline constexpr const char* kDeletingCaption = "Deleting ";
inline constexpr const char* kCleaningCaption = "Please wait... cleaning up";

} // namespace outfitter
