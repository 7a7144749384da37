#pragma once
// The skins of the "Planes and Skins" tab as a model: one row per folder of the skin store
// ("QIV128\Skinfolder"), its aircraft code and its installed mark; installing with the replacement of
// the installed skin of the same aircraft, removing, `Skinkill`, renaming, the `List1` filter and what
// a row shows. Marks say what the game folder holds; the caller refreshes the summary when told.

#include "outfitter/core/change_log.h"
#include "outfitter/core/work_journal.h"
#include "outfitter/planes/skin_files.h"
#include "outfitter/core/file_owner.h"
#include "outfitter/planes/skin_names.h"

#include "common/problem.h"

#include <cstddef>
#include <functional>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace outfitter {

inline constexpr const char* kSkinStoreName = "Skinfolder";

struct SkinRow {
    std::string name; // the folder's name as the file system spells it
    bool installed = false;
    std::string code; // upper-case aircraft code, empty when the folder holds no "p*.3dz"
};

// What one action changed, for the window to redraw.
struct SkinChange {
    std::vector<std::size_t> rowsChanged; // rows whose mark or name changed
    FileWorkReport work;
    std::vector<Change> originals; // files kept or put back around the skin's own, for the log
    bool summaryDue = false; // the ledger must be rewritten (the summary refresh)
};

struct SkinRename {
    SkinNameCheck check;                    // why the name was refused, when it was
    std::optional<common::Problem> problem; // the file system refused the rename
    bool renamed = false;
    bool summaryDue = false; // an installed skin changed its name in the ledger
};

struct SkinView {
    std::vector<std::string> description;         // lines of "contents.txt"
    std::optional<std::filesystem::path> picture; // the first matching picture
    common::Problems problems;
};

class SkinStore final {
  public:
    SkinStore() = default;
    explicit SkinStore(std::filesystem::path gameFolder, SkinFileOps ops = SkinFileOps::standard());

    // Fills the rows from the skin store, in file-list order. A store not made yet means no skins.
    common::Problems load();

    const std::vector<SkinRow>& rows() const { return rows_; }
    // The skin store folder as spelt on disk (or as it will be made).
    std::filesystem::path storeFolder() const;

    // The other owners of game files (loaded sets, marked plane sets), so that a skin keeps the
    // originals of what it replaces and puts back what it uncovers, as a set does. Without it the
    // skins only count each other.
    void setOtherOwners(std::function<std::vector<FileOwner>()> owners) { otherOwners_ = std::move(owners); }
    // The installed skins as owners of their travelling files.
    std::vector<FileOwner> owners() const;
    // Finishes an install or removal that died part-way (start-up marked the row installed).
    FileWorkReport finishWork(const WorkJournal& work);

    // `Check5` "Include flt files".
    bool includeFlightData() const { return includeFlightData_; }
    void setIncludeFlightData(bool include) { includeFlightData_ = include; }

    // Start-up's ledger replay: marks every row of that name without copying; whether any matched.
    bool markFromLedger(const std::string& name);
    // Names of the installed rows in grid order, for the summary and the ledger.
    std::vector<std::string> installedNames() const;

    // A double-click (or Enter): removes an installed skin, or installs one after removing the
    // installed skin of the same aircraft. A skin whose files all failed to copy stays unmarked; one
    // whose files could not all be deleted keeps its mark, since part of it is still installed.
    SkinChange toggle(std::size_t row, const ProgressCallback& progress = {});
    // `Skinkill`: removes every installed skin.
    SkinChange Skinkill(const ProgressCallback& progress = {});
    // "Reset All": removes every installed skin and clears every mark, as the emptied ledger will say;
    // the clean-up that follows takes whatever a refused deletion left.
    FileWorkReport unloadAll(const ProgressCallback& progress = {});

    // The message line's account of a toggle or `Skinkill`: "Installed skin Blue 109, removed skin
    // Red 109: 12 files"; empty when nothing was tried.
    std::string describe(const SkinChange& change) const;

    // `Command12` "Re-Name": gives row's folder the new name when it is usable.
    SkinRename rename(std::size_t row, const std::string& newName);

    // `List1`: 0 "ALL", 1 "Selected" (installed rows), 2 + s the rows of slot s's aircraft code.
    std::vector<bool> filter(std::size_t listPosition) const;
    // The rows whose code is `code` (upper case), for the mouse over the plane-set grid.
    std::vector<bool> filterByCode(std::string_view code) const;

    // A click shows "mypic", "skinpic", ".jpg" or ".bmp"; the mouse going over also takes a ".gif".
    SkinView describe(std::size_t row, bool hovering) const;

  private:
    std::filesystem::path skinFolder(std::size_t row) const;
    SkinFileWork removeFiles(std::size_t row, const ProgressCallback& progress);
    // The files the skin moves now (the box as it is), and the files it holds in the game folder.
    FileOwner owner(std::size_t row) const;
    FileOwner holding(std::size_t row) const;
    // Every owner but `row` that counts as loaded now.
    std::vector<FileOwner> ownersBut(std::size_t row) const;
    // Removes an installed skin's files and puts back what they had covered; whether it is out.
    bool takeOut(std::size_t row, const ProgressCallback& progress, FileWorkReport& work,
                 std::vector<Change>& originals);
    // Keeps the originals and copies the files in; whether the skin now counts as installed.
    bool putIn(std::size_t row, const ProgressCallback& progress, FileWorkReport& work,
               std::vector<Change>& originals);
    std::filesystem::path selectorFolder() const;

    std::filesystem::path gameFolder_;
    SkinFileOps ops_ = SkinFileOps::standard();
    std::vector<SkinRow> rows_;
    bool includeFlightData_ = false;
    std::function<std::vector<FileOwner>()> otherOwners_;
    bool finishing_ = false; // a dead run's work is being finished
};

} // namespace outfitter
