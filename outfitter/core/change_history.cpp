#include "outfitter/core/change_history.h"

#include "outfitter/core/change_log.h"
#include "outfitter/core/file_snapshot.h"
#include "outfitter/core/work_journal.h"

#include "common/game_folder_lock.h"
#include "common/names.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sstream>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

constexpr const char* kManifestName = "step.txt";
constexpr const char* kAsideListName = "aside.txt";
constexpr const char* kUndoingMark = "undoing";
constexpr const char* kUndoneMark = "undone";

// Names may hold any character the file system allows; the few that would break a line are escaped.
std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '%' || c == '\t' || c == '\n' || c == '\r') {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", static_cast<unsigned char>(c));
            out += code;
        } else
            out += c;
    }
    return out;
}

std::string unescaped(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else
            out += text[i];
    }
    return out;
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const auto tab = line.find('\t', start);
        out.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos)
            return out;
        start = tab + 1;
    }
}

std::vector<std::vector<std::string>> readLines(const fs::path& file) {
    std::vector<std::vector<std::string>> lines;
    std::ifstream in(file, std::ios::binary);
    std::string line;
    while (std::getline(in, line))
        if (!line.empty())
            lines.push_back(fields(line));
    return lines;
}

// Whether anything stands at `path`, a dangling link included.
bool standing(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

std::uint64_t sizeOf(const fs::path& path) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    return ec ? 0 : size;
}

struct Entry {
    enum class Kind { Kept, Absent, Moved, Made } kind;
    std::string file; // Kept: the kept copy's name in "files"
    std::string path;
    std::string to; // Moved
};

std::vector<Entry> entriesOf(const std::vector<std::vector<std::string>>& lines) {
    std::vector<Entry> entries;
    for (const auto& f : lines) {
        if (f[0] == "kept" && f.size() == 4)
            entries.push_back({Entry::Kind::Kept, f[1], unescaped(f[3]), {}});
        else if (f[0] == "absent" && f.size() == 2)
            entries.push_back({Entry::Kind::Absent, {}, unescaped(f[1]), {}});
        else if (f[0] == "moved" && f.size() == 3)
            entries.push_back({Entry::Kind::Moved, {}, unescaped(f[1]), unescaped(f[2])});
        else if (f[0] == "made" && f.size() == 2)
            entries.push_back({Entry::Kind::Made, {}, unescaped(f[1]), {}});
    }
    return entries;
}

HistoryStep readStep(const fs::path& folder) {
    HistoryStep step;
    step.id = common::pathText(folder.filename());
    for (const auto& f : readLines(folder / kManifestName)) {
        if (f[0] == "title" && f.size() == 2)
            step.title = unescaped(f[1]);
        else if (f[0] == "time" && f.size() == 2)
            step.time = f[1];
        else if (f[0] == "done")
            step.finished = true;
        else if (f[0] == "kept" && f.size() == 4) {
            step.bytes += std::strtoull(f[2].c_str(), nullptr, 10);
            step.changed.push_back(unescaped(f[3]));
        } else if (f[0] == "absent" && f.size() == 2)
            step.changed.push_back(unescaped(f[1]));
        else if (f[0] == "moved" && f.size() == 3)
            step.changed.push_back(unescaped(f[1]) + " -> " + unescaped(f[2]));
    }
    for (const auto& f : readLines(folder / kAsideListName))
        if (f.size() == 3)
            step.bytes += std::strtoull(f[1].c_str(), nullptr, 10);
    step.undone = standing(folder / kUndoneMark);
    return step;
}

} // namespace

ChangeHistory::ChangeHistory(fs::path gameFolder, fs::path selectorFolder)
    : gameFolder_(std::move(gameFolder)), selectorFolder_(std::move(selectorFolder)) {}

fs::path ChangeHistory::folder() const {
    return selectorFolder_ / kHistoryFolderName;
}

std::vector<HistoryStep> ChangeHistory::steps(bool undoable) const {
    std::vector<fs::path> folders;
    std::error_code ec;
    for (fs::directory_iterator it(folder(), ec), end; !ec && it != end; it.increment(ec))
        if (it->is_directory(ec))
            folders.push_back(it->path());
    std::sort(folders.begin(), folders.end());
    std::vector<HistoryStep> out;
    for (const auto& stepFolder : folders) {
        auto step = readStep(stepFolder);
        if (!undoable || !step.undone)
            out.push_back(std::move(step));
    }
    return out;
}

bool ChangeHistory::excluded(const std::string& rel) const {
    // The selector's own records: the history itself, the log, the locks and the journals, which live
    // only for the span of a change or keep growing whatever is undone.
    const fs::path path = common::pathFromText(rel);
    auto part = path.begin();
    if (part == path.end() ||
        !common::equalsIgnoreCase(common::pathText(*part), common::pathText(selectorFolder_.filename())))
        return false;
    if (++part == path.end())
        return true;
    const auto name = common::pathText(*part);
    for (const char* own :
         {kHistoryFolderName, kChangeLogName, kChangeLogOlderName, kJournalFileName, kPackageJournalFileName,
          kSnapshotFolderName, common::kGameFolderLockName, common::kWindowLockName})
        if (common::equalsIgnoreCase(name, own))
            return true;
    return false;
}

ChangeHistory::Step::Step(const ChangeHistory& history, fs::path folder, bool resumed)
    : history_(history), folder_(std::move(folder)) {
    if (resumed) {
        for (const auto& entry : entriesOf(readLines(folder_ / kManifestName))) {
            seen_.insert(entry.path);
            if (entry.kind == Entry::Kind::Kept)
                nextFile_ = std::max<std::size_t>(nextFile_, std::stoul(entry.file) + 1);
        }
        std::error_code ec;
        for (fs::directory_iterator it(folder_ / "files", ec), end; !ec && it != end; it.increment(ec))
            nextFile_ = std::max<std::size_t>(
                nextFile_, std::strtoul(common::pathText(it->path().filename()).c_str(), nullptr, 10) + 1);
    }
    manifest_.open(folder_ / kManifestName, std::ios::binary | std::ios::app);
}

std::optional<std::string> ChangeHistory::Step::relative(const fs::path& path) const {
    const auto rel = path.lexically_relative(history_.gameFolder_);
    if (rel.empty() || *rel.begin() == "..")
        return std::nullopt;
    auto text = common::pathText(rel);
    if (history_.excluded(text))
        return std::nullopt;
    return text;
}

void ChangeHistory::Step::note(const std::string& line) {
    manifest_ << line << '\n';
    manifest_.flush();
}

std::optional<common::Problem> ChangeHistory::Step::keep(const fs::path& path, const std::string& rel,
                                                         bool& kept) {
    kept = false;
    std::error_code ec;
    const auto status = fs::symlink_status(path, ec);
    if (!fs::exists(status) || fs::is_directory(status))
        return std::nullopt;
    const auto name = std::to_string(nextFile_++);
    const auto copy = folder_ / "files" / name;
    // A second name for the same bytes: the change then replaces or removes only the game folder's
    // name, so keeping costs no copy. Where the file system has no such names, a copy.
    if (fs::is_symlink(status))
        fs::copy_symlink(path, copy, ec);
    else {
        fs::create_hard_link(path, copy, ec);
        if (ec) {
            ec.clear();
            fs::copy_file(path, copy, ec);
        }
    }
    if (ec)
        return common::problemFromError(path, "keeping what stood there before changing", ec);
    note("kept\t" + name + "\t" + std::to_string(sizeOf(copy)) + "\t" + escaped(rel));
    if (!manifest_)
        return common::Problem{folder_ / kManifestName, "noting the change in",
                               "the history could not be written"};
    kept = true;
    return std::nullopt;
}

std::optional<common::Problem> ChangeHistory::Step::beforeWrite(const fs::path& path) {
    const auto rel = relative(path);
    if (!rel || seen_.count(*rel))
        return std::nullopt;
    bool kept = false;
    if (auto problem = keep(path, *rel, kept))
        return problem;
    if (!kept) {
        note("absent\t" + escaped(*rel));
        if (!manifest_)
            return common::Problem{folder_ / kManifestName, "noting the change in",
                                   "the history could not be written"};
    }
    seen_.insert(*rel);
    return std::nullopt;
}

std::optional<common::Problem> ChangeHistory::Step::beforeDelete(const fs::path& path, bool& taken) {
    // Kept under a second name first, so a kill at any moment leaves the file in one place or both.
    taken = false;
    return beforeWrite(path);
}

std::optional<common::Problem> ChangeHistory::Step::beforeRename(const fs::path& from, const fs::path& to) {
    const auto relFrom = relative(from);
    const auto relTo = relative(to);
    if (!relFrom || !relTo)
        return std::nullopt;
    if (auto problem = beforeWrite(to))
        return problem;
    note("moved\t" + escaped(*relFrom) + "\t" + escaped(*relTo));
    if (!manifest_)
        return common::Problem{folder_ / kManifestName, "noting the change in",
                               "the history could not be written"};
    seen_.insert(*relFrom);
    return std::nullopt;
}

std::optional<common::Problem> ChangeHistory::Step::beforeMakeFolder(const fs::path& path) {
    const auto rel = relative(path);
    if (!rel)
        return std::nullopt;
    note("made\t" + escaped(*rel));
    if (!manifest_)
        return common::Problem{folder_ / kManifestName, "noting the change in",
                               "the history could not be written"};
    return std::nullopt;
}

std::unique_ptr<ChangeHistory::Step> ChangeHistory::begin(const std::string& title,
                                                          common::Problems& problems) const {
    if (gameFolder_.empty())
        return nullptr;
    const auto all = steps();
    const unsigned long next = all.empty() ? 1 : std::strtoul(all.back().id.c_str(), nullptr, 10) + 1;
    char id[16];
    std::snprintf(id, sizeof id, "%06lu", next);
    const fs::path stepFolder = folder() / id;
    std::error_code ec;
    fs::create_directories(stepFolder / "files", ec);
    if (ec) {
        problems.push_back(common::problemFromError(stepFolder, "making the history step", ec));
        return nullptr;
    }
    auto step = std::make_unique<Step>(*this, stepFolder, false);
    step->note("title\t" + escaped(title));
    step->note("time\t" + timeText(std::chrono::system_clock::now()));
    if (!step->manifest_) {
        problems.push_back({stepFolder / kManifestName, "writing", "the history could not be written"});
        return nullptr;
    }
    return step;
}

std::unique_ptr<ChangeHistory::Step> ChangeHistory::resumeUnfinished() const {
    const auto all = steps();
    if (all.empty() || all.back().finished || all.back().undone)
        return nullptr;
    const fs::path stepFolder = folder() / common::pathFromText(all.back().id);
    if (standing(stepFolder / kUndoingMark))
        return nullptr;
    return std::make_unique<Step>(*this, stepFolder, true);
}

std::vector<std::string> ChangeHistory::finish(std::unique_ptr<Step> step,
                                               const HistoryLimits& limits) const {
    std::vector<std::string> dropped;
    if (!step)
        return dropped;
    std::error_code ec;
    if (!step->changedAnything() && readStep(step->folder()).changed.empty()) {
        step->manifest_.close();
        fs::remove_all(step->folder(), ec);
        fs::remove(folder(),
                   ec); // only when no other step is kept: a change that did nothing leaves no trace
        return dropped;
    }
    step->note("done");
    step->manifest_.close();
    auto all = steps();
    std::uint64_t bytes = 0;
    for (const auto& kept : all)
        bytes += kept.bytes;
    // The newest step stays, however large: it is the one a player reaches for first.
    std::size_t first = 0;
    while (all.size() - first > 1 && (all.size() - first > limits.steps || bytes > limits.bytes)) {
        fs::remove_all(folder() / common::pathFromText(all[first].id), ec);
        bytes -= all[first].bytes;
        dropped.push_back(all[first].title);
        ++first;
    }
    return dropped;
}

ChangeHistory::Undo ChangeHistory::undoNewest() const {
    const auto undoable = steps(true);
    if (undoable.empty())
        return {};
    return undo(folder() / common::pathFromText(undoable.back().id));
}

std::optional<ChangeHistory::Undo> ChangeHistory::finishInterruptedUndo() const {
    for (const auto& step : steps(true))
        if (const auto stepFolder = folder() / common::pathFromText(step.id);
            standing(stepFolder / kUndoingMark))
            return undo(stepFolder);
    return std::nullopt;
}

ChangeHistory::Undo ChangeHistory::undo(const fs::path& stepFolder) const {
    Undo result;
    result.step = readStep(stepFolder);
    std::error_code ec;
    { std::ofstream mark(stepFolder / kUndoingMark); }
    auto asideLines = readLines(stepFolder / kAsideListName);
    std::size_t nextAside = asideLines.size();
    std::ofstream asideList(stepFolder / kAsideListName, std::ios::binary | std::ios::app);
    fs::create_directories(stepFolder / "aside", ec);
    // What stands there now (the step's own file, or the player's edit of it) goes aside, not away.
    const auto setAside = [&](const fs::path& path, const std::string& rel) {
        const auto name = std::to_string(nextAside++);
        const auto size = sizeOf(path);
        std::error_code moved;
        asideList << name << '\t' << size << '\t' << escaped(rel) << '\n';
        asideList.flush();
        fs::rename(path, stepFolder / "aside" / name, moved);
        if (moved) {
            result.problems.push_back(common::problemFromError(path, "setting aside", moved));
            return false;
        }
        result.setAside.push_back(path);
        return true;
    };
    const auto entries = entriesOf(readLines(stepFolder / kManifestName));
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        const fs::path path = gameFolder_ / common::pathFromText(it->path);
        std::error_code failed;
        switch (it->kind) {
        case Entry::Kind::Kept: {
            const auto copy = stepFolder / "files" / common::pathFromText(it->file);
            if (!standing(copy))
                break; // put back already, by an undo a kill ended
            if (standing(path) && !setAside(path, it->path))
                break;
            fs::create_directories(path.parent_path(), failed);
            fs::rename(copy, path, failed);
            if (failed)
                result.problems.push_back(common::problemFromError(path, "putting back", failed));
            else
                result.restored.push_back(path);
            break;
        }
        case Entry::Kind::Absent:
            if (standing(path))
                setAside(path, it->path);
            break;
        case Entry::Kind::Made:
            // Only when empty: what the player put there since stays with it.
            fs::remove(path, failed);
            break;
        case Entry::Kind::Moved: {
            const fs::path to = gameFolder_ / common::pathFromText(it->to);
            if (standing(to) && !standing(path)) {
                fs::rename(to, path, failed);
                if (failed)
                    result.problems.push_back(common::problemFromError(to, "renaming back", failed));
                else
                    result.restored.push_back(path);
            }
            break;
        }
        }
    }
    asideList.close();
    if (result.problems.empty()) {
        fs::rename(stepFolder / kUndoingMark, stepFolder / kUndoneMark, ec);
        result.step->undone = true;
    }
    return result;
}

} // namespace outfitter
