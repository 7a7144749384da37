#include "outfitter/planes/skin_store.h"

#include "outfitter/core/game_targets.h"
#include "outfitter/core/original_store.h"
#include "outfitter/core/plane_codes.h"
#include "outfitter/core/selector_startup.h"
#include "outfitter/core/set_description.h"
#include "outfitter/planes/skin_file_class.h"

#include "common/change_recorder.h"
#include "common/file_compare.h"
#include "common/folder_index.h"
#include "common/folder_listing.h"
#include "common/names.h"
#include "common/resolver.h"
#include "common/text_file.h"

#include <system_error>
#include <utility>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

constexpr const char* kClickPictures = "mypic;skinpic;*.jpg;*.bmp";
constexpr const char* kHoverPictures = "mypic;skinpic;*.jpg;*.bmp;*.gif";

} // namespace

SkinStore::SkinStore(fs::path gameFolder, SkinFileOps ops)
    : gameFolder_(std::move(gameFolder)), ops_(std::move(ops)) {}

fs::path SkinStore::storeFolder() const {
    const auto where = common::resolve(gameFolder_, std::string(kSelectorFolderName) + "\\" + kSkinStoreName);
    return where.value.path.empty() ? gameFolder_ / kSelectorFolderName / kSkinStoreName : where.value.path;
}

fs::path SkinStore::skinFolder(std::size_t row) const {
    return storeFolder() / common::pathFromText(rows_[row].name);
}

common::Problems SkinStore::load() {
    common::Problems problems;
    rows_.clear();
    const auto store = storeFolder();
    if (!fs::exists(store))
        return problems;
    const auto folders = common::listFolders(store);
    if (!folders.ok()) {
        problems.push_back(*folders.problem);
        return problems;
    }
    for (const auto& name : folders.value)
        rows_.push_back({name, false, aircraftCode(store / common::pathFromText(name), problems)});
    return problems;
}

bool SkinStore::markFromLedger(const std::string& name) {
    bool matched = false;
    for (auto& row : rows_)
        if (row.name == name) {
            row.installed = true;
            matched = true;
        }
    return matched;
}

std::vector<std::string> SkinStore::installedNames() const {
    std::vector<std::string> names;
    for (const auto& row : rows_)
        if (row.installed)
            names.push_back(row.name);
    return names;
}

SkinFileWork SkinStore::removeFiles(std::size_t row, const ProgressCallback& progress) {
    return removeSkinFiles(gameFolder_, skinFolder(row), includeFlightData_, ops_, progress, finishing_);
}

fs::path SkinStore::selectorFolder() const {
    return storeFolder().parent_path();
}

FileOwner SkinStore::owner(std::size_t row) const {
    FileOwner owner{rows_[row].name, {}};
    const auto folder = skinFolder(row);
    const auto names = setFileNames(folder);
    for (const auto& name : names.value)
        if (skinFileTravels(name, includeFlightData_))
            owner.files.push_back({name, GameSubfolder::Top, folder / common::pathFromText(name)});
    return owner;
}

std::vector<FileOwner> SkinStore::owners() const {
    std::vector<FileOwner> all;
    for (std::size_t row = 0; row < rows_.size(); ++row)
        if (rows_[row].installed)
            all.push_back(holding(row));
    return all;
}

FileOwner SkinStore::holding(std::size_t row) const {
    // Which flight data a skin brought depends on the box as it was then, which no file records; the
    // game folder does: a flight-data file that is the skin's own copy came with it.
    auto held = owner(row);
    if (includeFlightData_)
        return held;
    const auto folder = skinFolder(row);
    const auto names = setFileNames(folder);
    for (const auto& name : names.value) {
        if (classifySkinFile(name) != SkinFileClass::FlightData)
            continue;
        const auto game = common::resolve(gameFolder_, name);
        if (!game.ok() || !game.value.exists)
            continue;
        if (common::isCopyOf(game.value.path, folder / common::pathFromText(name)))
            held.files.push_back({name, GameSubfolder::Top, folder / common::pathFromText(name)});
    }
    return held;
}

std::vector<FileOwner> SkinStore::ownersBut(std::size_t row) const {
    auto all = otherOwners_ ? otherOwners_() : std::vector<FileOwner>{};
    for (std::size_t other = 0; other < rows_.size(); ++other)
        if (other != row && rows_[other].installed)
            all.push_back(holding(other));
    return all;
}

bool SkinStore::takeOut(std::size_t row, const ProgressCallback& progress, FileWorkReport& work,
                        std::vector<Change>& originals) {
    const auto removed = removeFiles(row, progress);
    work.add(removed.report);
    const OriginalStore store(gameFolder_, selectorFolder());
    const auto restored = store.afterUnload(owner(row), ownersBut(row));
    // What came back is told as such in the log, not counted among the skin's own files.
    work.problems.insert(work.problems.end(), restored.work.problems.begin(), restored.work.problems.end());
    originals.insert(originals.end(), restored.changes.begin(), restored.changes.end());
    return removed.listed && removed.failed == 0;
}

bool SkinStore::putIn(std::size_t row, const ProgressCallback& progress, FileWorkReport& work,
                      std::vector<Change>& originals) {
    const OriginalStore store(gameFolder_, selectorFolder());
    const auto kept = store.beforeLoad(owner(row), ownersBut(row));
    work.problems.insert(work.problems.end(), kept.work.problems.begin(), kept.work.problems.end());
    originals.insert(originals.end(), kept.changes.begin(), kept.changes.end());
    if (!kept.work.ok()) {
        work.problems.push_back(
            {skinFolder(row), "installing", "not installed: the files it would replace could not be kept"});
        return false;
    }
    const auto copied = installSkinFiles(gameFolder_, skinFolder(row), includeFlightData_, ops_, progress);
    work.add(copied.report);
    return copied.listed && (copied.tried == 0 || copied.failed < copied.tried);
}

SkinChange SkinStore::toggle(std::size_t row, const ProgressCallback& progress) {
    SkinChange change;
    if (row >= rows_.size())
        return change;
    auto& target = rows_[row];
    change.summaryDue = true;
    // Removed by the summary refresh once the ledger records the outcome.
    if (auto failed = writeJournal(selectorFolder(), {target.installed ? WorkJournal::Kind::RemoveSkin
                                                                       : WorkJournal::Kind::InstallSkin,
                                                      target.name, includeFlightData_}))
        change.work.problems.push_back(std::move(*failed));

    if (target.installed) {
        if (takeOut(row, progress, change.work, change.originals)) {
            target.installed = false;
            change.rowsChanged.push_back(row);
        }
        return change;
    }

    // One skin per aircraft: the installed one of the same code makes way. A skin of no known
    // aircraft is never taken for another.
    for (std::size_t other = 0; other < rows_.size(); ++other) {
        if (other == row || !rows_[other].installed || target.code.empty() ||
            rows_[other].code != target.code)
            continue;
        if (!takeOut(other, progress, change.work, change.originals)) {
            change.work.problems.push_back({skinFolder(row), "installing",
                                            "not installed: the skin \"" + rows_[other].name +
                                                "\" of the same aircraft could not be removed completely"});
            return change;
        }
        rows_[other].installed = false;
        change.rowsChanged.push_back(other);
    }

    if (putIn(row, progress, change.work, change.originals)) {
        target.installed = true;
        change.rowsChanged.push_back(row);
    }
    return change;
}

FileWorkReport SkinStore::finishWork(const WorkJournal& work) {
    FileWorkReport report;
    // The files the interrupted work was moving are the ones the box chose then.
    const bool chosen = std::exchange(includeFlightData_, work.flightData);
    finishing_ = true;
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (rows_[row].name != work.set)
            continue;
        std::vector<Change> originals;
        if (work.kind == WorkJournal::Kind::InstallSkin)
            rows_[row].installed = putIn(row, {}, report, originals);
        else if (work.kind == WorkJournal::Kind::RemoveSkin)
            rows_[row].installed = !takeOut(row, {}, report, originals);
    }
    includeFlightData_ = chosen;
    finishing_ = false;
    return report;
}

SkinChange SkinStore::Skinkill(const ProgressCallback& progress) {
    SkinChange change;
    change.summaryDue = true;
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (!rows_[row].installed)
            continue;
        if (auto failed = writeJournal(selectorFolder(),
                                       {WorkJournal::Kind::RemoveSkin, rows_[row].name, includeFlightData_}))
            change.work.problems.push_back(std::move(*failed));
        if (takeOut(row, progress, change.work, change.originals)) {
            rows_[row].installed = false;
            change.rowsChanged.push_back(row);
        }
    }
    return change;
}

FileWorkReport SkinStore::unloadAll(const ProgressCallback& progress) {
    // "Reset All" puts the originals back itself, after its clean-up.
    FileWorkReport report;
    for (std::size_t row = 0; row < rows_.size(); ++row)
        if (rows_[row].installed) {
            report.add(removeFiles(row, progress).report);
            rows_[row].installed = false;
        }
    return report;
}

std::string SkinStore::describe(const SkinChange& change) const {
    std::string what;
    for (const auto row : change.rowsChanged) {
        if (row >= rows_.size())
            continue;
        const bool installed = rows_[row].installed;
        what += what.empty() ? (installed ? "Installed skin " : "Removed skin ")
                             : (installed ? ", installed skin " : ", removed skin ");
        what += rows_[row].name;
    }
    if (what.empty() && change.work.problems.empty())
        return {};
    if (what.empty())
        what = "No skin changed";
    const auto files = change.work.done.size();
    what += ": " + std::to_string(files) + (files == 1 ? " file" : " files");
    if (!change.work.problems.empty())
        what += "; " + std::to_string(change.work.problems.size()) + " failed";
    return what;
}

SkinRename SkinStore::rename(std::size_t row, const std::string& newName) {
    SkinRename outcome;
    if (row >= rows_.size())
        return outcome;
    std::vector<std::string> taken;
    for (const auto& skin : rows_)
        taken.push_back(skin.name);
    const auto store = storeFolder();
    // Whatever else the store holds (a file, a folder made since start) is in the way too.
    if (const auto index = common::FolderIndex::scan(store); index.ok())
        for (const auto& entry : index.value.entries())
            if (entry.name != rows_[row].name)
                taken.push_back(entry.name);
    outcome.check = checkSkinName(newName, taken);
    if (outcome.check.verdict != SkinNameVerdict::Usable)
        return outcome;
    if (auto problem =
            common::renameEntry(store / common::pathFromText(rows_[row].name),
                                store / common::pathFromText(newName), "renaming to \"" + newName + "\"")) {
        outcome.problem = std::move(problem);
        return outcome;
    }
    rows_[row].name = newName;
    outcome.renamed = true;
    outcome.summaryDue = rows_[row].installed;
    return outcome;
}

std::vector<bool> SkinStore::filter(std::size_t listPosition) const {
    if (listPosition == 0)
        return std::vector<bool>(rows_.size(), true);
    if (listPosition == 1) {
        std::vector<bool> visible;
        for (const auto& row : rows_)
            visible.push_back(row.installed);
        return visible;
    }
    const std::size_t slot = listPosition - 2;
    if (slot >= kPlaneCodes.size())
        return std::vector<bool>(rows_.size(), false);
    return filterByCode(common::toUpperAscii(kPlaneCodes[slot]));
}

std::vector<bool> SkinStore::filterByCode(std::string_view code) const {
    std::vector<bool> visible;
    for (const auto& row : rows_)
        visible.push_back(row.code == code);
    return visible;
}

SkinView SkinStore::describe(std::size_t row, bool hovering) const {
    SkinView view;
    if (row >= rows_.size())
        return view;
    const auto folder = skinFolder(row);
    const auto text = common::listFiles(folder, kDescriptionFileName);
    if (!text.ok()) {
        view.problems.push_back(*text.problem);
        return view;
    }
    if (!text.value.empty()) {
        auto lines = common::readLines(folder / common::pathFromText(text.value.front()));
        if (lines.ok())
            view.description = std::move(lines.value);
        else
            view.problems.push_back(*lines.problem);
    }
    const auto pictures = common::listFiles(folder, hovering ? kHoverPictures : kClickPictures);
    if (pictures.ok() && !pictures.value.empty())
        view.picture = folder / common::pathFromText(pictures.value.front());
    return view;
}

} // namespace outfitter
