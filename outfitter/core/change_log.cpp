#include "outfitter/core/change_log.h"

#include "common/resolver.h"
#include "common/text_file.h"

#include <cstdio>
#include <fstream>
#include <system_error>

namespace outfitter {

namespace fs = std::filesystem;

// UTC through the calendar types alone, so no platform's local-time call is needed.
std::string timeText(std::chrono::system_clock::time_point when) {
    using namespace std::chrono;
    const auto day = floor<days>(when);
    const year_month_day date{day};
    const hh_mm_ss time{floor<seconds>(when - day)};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02ld:%02ld:%02ld UTC", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<long>(time.hours().count()), static_cast<long>(time.minutes().count()),
                  static_cast<long>(time.seconds().count()));
    return text;
}

namespace {

std::string shownPath(const fs::path& path, const fs::path& gameFolder) {
    if (!gameFolder.empty()) {
        const auto relative = path.lexically_relative(gameFolder);
        if (!relative.empty() && *relative.begin() != "..")
            return relative.generic_string();
    }
    return path.generic_string();
}

fs::path below(const fs::path& folder, const char* name) {
    const auto where = common::resolve(folder, name);
    return where.ok() ? where.value.path : folder / name;
}

} // namespace

std::string_view changeWord(ChangeKind kind) {
    switch (kind) {
    case ChangeKind::Copy:
        return "copy";
    case ChangeKind::Delete:
        return "delete";
    case ChangeKind::Rename:
        return "rename";
    case ChangeKind::Patch:
        return "patch";
    case ChangeKind::Keep:
        return "keep";
    case ChangeKind::Restore:
        return "restore";
    case ChangeKind::Launch:
        return "launch";
    case ChangeKind::Add:
        return "add";
    case ChangeKind::Undo:
        return "undo";
    case ChangeKind::Forget:
        return "forget";
    }
    return "change";
}

void recordFiles(const ChangeSink& sink, const std::vector<fs::path>& files, const std::string& detail,
                 std::optional<ChangeKind> kind) {
    if (!sink)
        return;
    for (const auto& file : files) {
        std::error_code ec;
        const bool there = fs::exists(fs::symlink_status(file, ec));
        sink({kind ? *kind : there ? ChangeKind::Copy : ChangeKind::Delete, file, detail});
    }
}

std::string formatChange(const Change& change, std::chrono::system_clock::time_point when,
                         const fs::path& gameFolder) {
    std::string line = timeText(when) + " " + std::string(changeWord(change.kind)) + " " +
                       shownPath(change.path, gameFolder);
    if (!change.detail.empty())
        line += " " + change.detail;
    // One change, one line, whatever a name holds.
    for (auto& c : line)
        if (c == '\r' || c == '\n')
            c = ' ';
    return line;
}

ChangeLog::ChangeLog(fs::path gameFolder, fs::path selectorFolder, std::uintmax_t limit)
    : gameFolder_(std::move(gameFolder)), selectorFolder_(std::move(selectorFolder)), limit_(limit) {}

fs::path ChangeLog::file() const {
    return below(selectorFolder_, kChangeLogName);
}

fs::path ChangeLog::olderFile() const {
    return below(selectorFolder_, kChangeLogOlderName);
}

void ChangeLog::note(common::Problem problem) {
    if (!problem_)
        problem_ = std::move(problem);
}

std::optional<common::Problem> ChangeLog::takeProblem() {
    auto problem = std::move(problem_);
    problem_.reset();
    return problem;
}

void ChangeLog::record(const Change& change, std::chrono::system_clock::time_point when) {
    if (selectorFolder_.empty())
        return;
    const auto line = formatChange(change, when, gameFolder_) + "\r\n";
    const auto log = file();
    std::error_code ec;
    const auto size = fs::file_size(log, ec);
    if (!ec && size > 0 && size + line.size() > limit_) {
        // The older lines move aside whole; the file before them is given up.
        fs::rename(log, olderFile(), ec);
        if (ec)
            note(common::problemFromError(log, "moving the older lines of the log to", ec));
    }
    std::ofstream out(log, std::ios::binary | std::ios::app);
    if (out)
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
    if (!out)
        note(common::Problem{log, "adding to", "the log cannot be written"});
}

ChangeSink ChangeLog::sink() {
    return [this](const Change& change) { record(change); };
}

common::Result<std::string> ChangeLog::read() const {
    const auto log = file();
    std::error_code ec;
    if (!fs::exists(log, ec))
        return {};
    return common::readFileBytes(log);
}

} // namespace outfitter
