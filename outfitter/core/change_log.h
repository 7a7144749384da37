#pragma once
// A running record, in "QIV128\outfitter.log", of every change the selector makes below the game
// folder, so a player can see afterwards what a load, an unload or a clean-up really did. The engine
// reports through a ChangeSink, so it works (and is tested) without any log at all.

#include "common/problem.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace outfitter {

inline constexpr const char* kChangeLogName = "outfitter.log";
inline constexpr const char* kChangeLogOlderName = "outfitter.log.1";
// Past this size the log's lines move to the ".1" file and a new log begins.
inline constexpr std::uintmax_t kChangeLogLimit = 1024 * 1024;

enum class ChangeKind { Copy, Delete, Rename, Patch, Keep, Restore, Launch, Add, Undo, Forget };

struct Change {
    ChangeKind kind = ChangeKind::Copy;
    std::filesystem::path path; // the file changed (or the program started)
    std::string detail;         // e.g. "from W-Desert Air War"; may be empty
};

using ChangeSink = std::function<void(const Change&)>;

std::string_view changeWord(ChangeKind kind);

// "2026-12-08 11:20:03 UTC", as the log and the history write a moment.
std::string timeText(std::chrono::system_clock::time_point when);

// Records each file a job reports as done: as a copy when it is there now, as a deletion when it is
// gone, or as `kind` when given (a patch).
void recordFiles(const ChangeSink& sink, const std::vector<std::filesystem::path>& files,
                 const std::string& detail, std::optional<ChangeKind> kind = std::nullopt);

// One line of the log: "2026-12-08 11:20:03 UTC copy Savedata/desert.msn from W-Desert Air War".
// Paths inside `gameFolder` are written relative to it.
std::string formatChange(const Change& change, std::chrono::system_clock::time_point when,
                         const std::filesystem::path& gameFolder);

class ChangeLog final {
  public:
    ChangeLog() = default; // keeps nothing: changes recorded go nowhere
    ChangeLog(std::filesystem::path gameFolder, std::filesystem::path selectorFolder,
              std::uintmax_t limit = kChangeLogLimit);

    void record(const Change& change) { record(change, std::chrono::system_clock::now()); }
    void record(const Change& change, std::chrono::system_clock::time_point when);
    // A sink that records into this log; the log must outlive it.
    ChangeSink sink();

    // The first problem met since the last call (a log that cannot be written never stops the work).
    std::optional<common::Problem> takeProblem();

    std::filesystem::path file() const;
    std::filesystem::path olderFile() const;
    // The log's bytes; a log not written yet reads as empty.
    common::Result<std::string> read() const;

  private:
    void note(common::Problem problem);

    std::filesystem::path gameFolder_;
    std::filesystem::path selectorFolder_;
    std::uintmax_t limit_ = kChangeLogLimit;
    std::optional<common::Problem> problem_;
};

} // namespace outfitter
