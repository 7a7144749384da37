#pragma once
// Nothing a change of the game folder takes away is gone: before the file layer replaces, creates or
// deletes a file, or renames an entry, it tells the recorder of the change under way on this thread,
// which keeps what stood there so the change can be taken back byte for byte. Without a recorder the
// file layer works as before.

#include "common/problem.h"

#include <filesystem>
#include <optional>

namespace common {

class ChangeRecorder {
  public:
    virtual ~ChangeRecorder() = default;
    // `path` is about to be replaced or created. A problem refuses the write.
    virtual std::optional<Problem> beforeWrite(const std::filesystem::path& path) = 0;
    // `path` is about to be deleted. The recorder may take the file away itself (a rename into its
    // keep, as fast as the deletion); `taken` says so, and the caller deletes nothing then.
    virtual std::optional<Problem> beforeDelete(const std::filesystem::path& path, bool& taken) = 0;
    // `from` is about to be renamed to `to`.
    virtual std::optional<Problem> beforeRename(const std::filesystem::path& from,
                                                const std::filesystem::path& to) = 0;
    // The folder `path` is about to be made.
    virtual std::optional<Problem> beforeMakeFolder(const std::filesystem::path& path) = 0;
};

// The recorder of this thread's change, or none.
ChangeRecorder* changeRecorder();

// Makes `recorder` this thread's for its lifetime (none: nothing is recorded within), then puts the
// one before it back.
class RecordingScope final {
  public:
    explicit RecordingScope(ChangeRecorder* recorder);
    ~RecordingScope();
    RecordingScope(const RecordingScope&) = delete;
    RecordingScope& operator=(const RecordingScope&) = delete;

  private:
    ChangeRecorder* previous_;
};

// Makes `folder` and whichever of its parents are missing, the recorder told of each.
std::optional<Problem> makeFolders(const std::filesystem::path& folder);

// Renames `from` to `to` (a file or a folder) with the recorder told first; the system's reason on
// failure.
std::optional<Problem> renameEntry(const std::filesystem::path& from, const std::filesystem::path& to,
                                   const std::string& action = "renaming");

} // namespace common
