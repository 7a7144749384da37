#include "common/change_recorder.h"

#include "common/file_faults.h"

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
