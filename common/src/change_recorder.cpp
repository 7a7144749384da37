#include "common/change_recorder.h"

#include "common/file_faults.h"

#include <vector>

namespace common {

namespace fs = std::filesystem;

namespace {

thread_local ChangeRecorder* current = nullptr;

} // namespace

ChangeRecorder* changeRecorder() {
    return current;
}

RecordingScope::RecordingScope(ChangeRecorder* recorder) : previous_(current) {
    current = recorder;
}

RecordingScope::~RecordingScope() {
    current = previous_;
}

std::optional<Problem> makeFolders(const fs::path& folder) {
    std::vector<fs::path> missing;
    std::error_code ec;
    for (auto path = folder; !path.empty() && !fs::exists(fs::symlink_status(path, ec));
         path = path.parent_path()) {
        missing.push_back(path);
        if (path == path.parent_path())
            break;
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        if (auto* recorder = changeRecorder())
            if (auto refused = recorder->beforeMakeFolder(*it))
                return refused;
        if (!fs::create_directory(*it, ec) && ec)
            return problemFromError(*it, "making the folder", ec);
    }
    return std::nullopt;
}

std::optional<Problem> renameEntry(const fs::path& from, const fs::path& to, const std::string& action) {
    if (auto* recorder = changeRecorder())
        if (auto refused = recorder->beforeRename(from, to))
            return refused;
    std::error_code ec;
    if (const int injected = faults::injected(faults::Operation::Rename, from))
        ec = {injected, std::generic_category()};
    else
        fs::rename(from, to, ec);
    if (ec)
        return problemFromError(from, action, ec);
    return std::nullopt;
}

} // namespace common
