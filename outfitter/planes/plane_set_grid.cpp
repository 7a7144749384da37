#include "outfitter/planes/plane_set_grid.h"

#include "outfitter/core/selector_startup.h"
#include "outfitter/planes/fuel_options.h"

#include "common/folder_index.h"
#include "common/folder_listing.h"
#include "common/numbers.h"
#include "common/resolver.h"
#include "common/text_file.h"
#include "common/write_check.h"
#include "outfitter/core/file_snapshot.h"
#include "outfitter/core/original_store.h"
#include "outfitter/core/work_journal.h"
#include "outfitter/planes/loadout_patches.h"
#include "outfitter/planes/picture_menu.h"
#include "outfitter/planes/plane_names_table.h"

#include <algorithm>

namespace outfitter {

namespace fs = std::filesystem;

namespace {

bool isPlaneSetFolder(const std::string& name) {
    return name.rfind(kPlaneSetPrefix, 0) == 0;
}

} // namespace

long PlaneSetRow::slot() const {
    return common::readInteger(plnSlot);
}

PlaneSetGrid::PlaneSetGrid(fs::path gameFolder) : gameFolder_(std::move(gameFolder)) {}

common::Problems PlaneSetGrid::GridSet(const fs::path& setFolder) {
    common::Problems problems;
    auto folders = common::listFolders(setFolder);
    if (!folders.ok())
        problems.push_back(*folders.problem);
    std::vector<std::string> planeSets;
    for (auto& name : folders.value)
        if (isPlaneSetFolder(name))
            planeSets.push_back(std::move(name));
    if (planeSets.empty())
        return problems;
    if (planeSets.size() > kMaxPlaneSets) {
        problems.push_back({setFolder, "listing plane sets",
                            std::to_string(planeSets.size()) + " plane-set folders; only the first " +
                                std::to_string(kMaxPlaneSets) + " are shown"});
        planeSets.resize(kMaxPlaneSets);
    }

    setFolder_ = setFolder;
    rows_.clear();
    for (const auto& name : planeSets) {
        PlaneSetRow row;
        row.folder = name;
        if (const auto qivFile = findQivFile(setFolder / common::pathFromText(name))) {
            const auto qiv = readQiv(*qivFile);
            row.aircraft = qiv.aircraft;
            row.plnSlot = qiv.plnSlot;
            row.skinSlot = qiv.skinSlot;
        } else {
            problems.push_back({setFolder / common::pathFromText(name), "listing plane sets",
                                "the folder holds no *.qiv file"});
        }
        rows_.push_back(std::move(row));
    }

    fuel_ = {};
    if (const auto planes = common::resolve(setFolder, kPlanesFile); planes.ok() && planes.value.exists) {
        const auto bytes = common::readFileBytes(planes.value.path);
        if (bytes.ok())
            fuel_ = readSlotFuel(bytes.value);
        else
            problems.push_back(*bytes.problem);
    } else {
        fuel_ = readSlotFuel({});
    }

    for (const auto& name : pending_)
        markFromLedger(name);
    pending_.clear();
    return problems;
}

void PlaneSetGrid::clear() {
    rows_.clear();
    setFolder_.clear();
    fuelText_.clear();
    fuelPositionText_.clear();
}

fs::path PlaneSetGrid::selectorFolder() const {
    const auto selector = common::resolve(gameFolder_, kSelectorFolderName);
    return selector.ok() ? selector.value.path : gameFolder_ / kSelectorFolderName;
}

FileOwner PlaneSetGrid::owner(std::size_t row) const {
    const auto folder = setFolder_ / common::pathFromText(rows_[row].folder);
    FileOwner owner{rows_[row].folder, {}};
    std::vector<std::string> patched{kPlanesFile, kPlaneNamesFile};
    patched.insert(patched.end(), kMenuFiles.begin(), kMenuFiles.end());
    if (!common::listFiles(folder, "*.lox;*.lo1;*.lo2").value.empty())
        patched.push_back(kLoadoutFile);
    for (const auto& name : patched)
        owner.files.push_back({name, GameSubfolder::Top, {}});
    for (const auto& flt : common::listFiles(folder, "*.flt").value)
        owner.files.push_back({flt, GameSubfolder::Top, folder / common::pathFromText(flt)});
    return owner;
}

std::vector<FileOwner> PlaneSetGrid::owners() const {
    std::vector<FileOwner> all;
    for (std::size_t row = 0; row < rows_.size(); ++row)
        if (rows_[row].marked)
            all.push_back(owner(row));
    return all;
}

bool PlaneSetGrid::prepareInstall(std::size_t row, PlaneInstallReport& report) {
    const auto arriving = owner(row);
    std::vector<fs::path> files;
    for (const auto& file : arriving.files) {
        const auto where = common::resolve(gameFolder_, file.name);
        if (!where.ok()) {
            report.problems.push_back(*where.problem);
            continue;
        }
        files.push_back(where.value.path);
        if (auto refused = common::replaceRefusal(where.value.path, "installing the aircraft: writing"))
            report.problems.push_back(std::move(*refused));
        else if (const auto twins = common::caseTwins(where.value.path); !twins.empty())
            report.problems.push_back(
                common::caseClashProblem(gameFolder_, twins, "installing the aircraft: writing"));
    }
    const auto refuse = [&] {
        report.problems.push_back({setFolder_ / common::pathFromText(rows_[row].folder),
                                   "installing plane set", "nothing was written"});
        return false;
    };
    if (!report.problems.empty())
        return refuse();
    // Removed by the summary refresh once the ledger records the outcome.
    const auto selector = selectorFolder();
    if (auto failed = writeJournal(selector, {WorkJournal::Kind::InstallAircraft, rows_[row].folder})) {
        report.problems.push_back(std::move(*failed));
        return refuse();
    }
    auto failed = takeSnapshot(selector, files);
    if (failed.empty()) {
        auto others = otherOwners_ ? otherOwners_() : std::vector<FileOwner>{};
        const auto marked = owners();
        others.insert(others.end(), marked.begin(), marked.end());
        failed = OriginalStore(gameFolder_, selector).beforeLoad(arriving, others).work.problems;
    }
    if (failed.empty())
        return true;
    report.problems.insert(report.problems.end(), failed.begin(), failed.end());
    common::Problems ignored;
    restoreSnapshot(selector, ignored);
    if (auto notRemoved = removeJournal(selector))
        report.problems.push_back(std::move(*notRemoved));
    return refuse();
}

PlaneInstallReport PlaneSetGrid::install(std::size_t row, bool ready) {
    PlaneInstallReport report;
    if (!ready || row >= rows_.size())
        return report;
    if (!prepareInstall(row, report))
        return report;
    report = installPlaneSet(setFolder_ / common::pathFromText(rows_[row].folder), gameFolder_);
    if (!report.recordWritten) {
        // Refused before its first write: there is nothing to finish or put back.
        dropSnapshot(selectorFolder());
        removeJournal(selectorFolder());
        return report;
    }
    // The file may have changed since the grid was read: the row shows what was installed.
    auto& installed = rows_[row];
    installed.aircraft = report.qiv.aircraft;
    installed.plnSlot = report.qiv.plnSlot;
    installed.skinSlot = report.qiv.skinSlot;
    mark(row);

    const auto slot = static_cast<std::size_t>(report.qiv.slot);
    fuel_.fuel[slot] = report.qiv.fuel;
    fuelText_ = std::to_string(report.qiv.fuel);
    fuelPositionText_ = fuel_.position[slot] ? std::to_string(*fuel_.position[slot]) : std::string();
    return report;
}

void PlaneSetGrid::mark(std::size_t row) {
    const long slot = rows_[row].slot();
    for (std::size_t other = 0; other < rows_.size(); ++other)
        if (other != row && rows_[other].slot() == slot)
            rows_[other].marked = false;
    rows_[row].marked = true;
}

std::optional<common::Problem> PlaneSetGrid::chooseFuel(int option) {
    if (fuelText_.empty() || fuelPositionText_.empty())
        return std::nullopt;
    const auto full = static_cast<unsigned>(common::readInteger(fuelText_));
    const auto position = static_cast<std::size_t>(common::readInteger(fuelPositionText_));
    return writeFuel(gameFolder_, position, scaledFuel(full, option));
}

PlaneSetHover PlaneSetGrid::hover(std::size_t row) const {
    PlaneSetHover hover;
    if (row >= rows_.size())
        return hover;
    const fs::path folder = setFolder_ / common::pathFromText(rows_[row].folder);
    const auto text = common::listFiles(folder, "contents.txt");
    if (!text.ok())
        hover.problems.push_back(*text.problem);
    else if (!text.value.empty()) {
        const auto lines = common::readLines(folder / common::pathFromText(text.value.front()));
        if (lines.ok())
            hover.description = common::joinLinesCrLf(lines.value);
        else
            hover.problems.push_back(*lines.problem);
    }
    hover.plnSlot = rows_[row].plnSlot;
    hover.skinSlot = rows_[row].skinSlot;
    return hover;
}

std::vector<bool> PlaneSetGrid::filter(int list1Position) const {
    std::vector<bool> visible(rows_.size(), list1Position <= 0);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (list1Position == 1)
            visible[i] = rows_[i].marked;
        else if (list1Position >= 2)
            visible[i] = rows_[i].slot() == list1Position - 2;
    }
    return visible;
}

std::vector<std::string> PlaneSetGrid::markedFolders() const {
    std::vector<std::string> names;
    for (const auto& row : rows_)
        if (row.marked)
            names.push_back(row.folder);
    return names;
}

bool PlaneSetGrid::markFromLedger(const std::string& name) {
    if (!isPlaneSetFolder(name))
        return false;
    if (!rows_.empty()) {
        bool matched = false;
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (rows_[i].folder == name) {
                mark(i);
                matched = true;
            }
        return matched;
    }
    // Start-up replays the ledger before the flight-model set's grid exists.
    pending_.push_back(name);
    const auto selector = common::resolve(gameFolder_, kSelectorFolderName);
    if (!selector.ok() || !selector.value.exists)
        return false;
    for (const auto& set : common::listFolders(selector.value.path).value)
        if (!set.empty() && set.front() == 'F') {
            const auto folders = common::listFolders(selector.value.path / common::pathFromText(set)).value;
            if (std::find(folders.begin(), folders.end(), name) != folders.end())
                return true;
        }
    return false;
}

} // namespace outfitter
