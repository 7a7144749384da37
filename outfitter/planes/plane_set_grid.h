#pragma once
// The plane-set grid `G1` as a model: the "P-" folders of the loaded flight-model set with their
// slot, model code and aircraft, the mark of the row last installed in each slot, the fuel of the
// last installed aircraft, and the ledger's marks put back without writing anything.

#include "outfitter/core/plane_codes.h"
#include "outfitter/planes/plane_install.h"
#include "outfitter/planes/plane_record.h"
#include "outfitter/core/file_owner.h"

#include "common/problem.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace outfitter {

inline constexpr std::size_t kMaxPlaneSets = 1801;
inline constexpr const char* kPlaneSetPrefix = "P-";

struct PlaneSetRow {
    std::string folder;   // "Folder": the plane-set folder's name
    std::string plnSlot;  // "PlnSlot": line 2 of its "*.qiv" as read
    std::string skinSlot; // "SkinSlot": the upper-cased model code
    std::string aircraft; // "Aircraft": line 1 as read
    bool marked = false;  // the "S" column

    // The integer part of the number in "PlnSlot".
    long slot() const;
};

struct PlaneSetHover {
    std::string description; // "contents.txt", every line followed by CR LF
    std::string plnSlot;     // `label19` 0
    std::string skinSlot;    // `label19` 1
    common::Problems problems;
};

class PlaneSetGrid final {
  public:
    explicit PlaneSetGrid(std::filesystem::path gameFolder = {});

    // `GridSet`: lists the "P-" folders of the set folder. A set without any leaves the grid as it
    // was. The fuel tables come from the set folder's "planes.dat".
    common::Problems GridSet(const std::filesystem::path& setFolder);
    // The set was unloaded (or "Reset All"): no rows, and the fuel labels empty.
    void clear();

    const std::vector<PlaneSetRow>& rows() const { return rows_; }
    const std::filesystem::path& setFolder() const { return setFolder_; } // `Label2`
    // Fuel and fuel position of the last installed aircraft, as text (shown in `Label26`, `Label27`).
    const std::string& fuelText() const { return fuelText_; }
    const std::string& fuelPositionText() const { return fuelPositionText_; }

    // A click or Enter on a row: installs its aircraft (nothing while `ready` is false). On success
    // the row takes its slot's mark from any other row; a refused record leaves every mark alone.
    PlaneInstallReport install(std::size_t row, bool ready = true);
    // The other owners of game files (loaded sets, installed skins), so that the first aircraft keeps
    // the originals of the files it patches.
    void setOtherOwners(std::function<std::vector<FileOwner>()> owners) { otherOwners_ = std::move(owners); }
    // The marked rows as owners of the files their installs wrote.
    std::vector<FileOwner> owners() const;

    // `Option1`(option): nothing unless both fuel labels hold a value.
    std::optional<common::Problem> chooseFuel(int option);

    PlaneSetHover hover(std::size_t row) const;
    // Rows shown for the skin filter's list position: 0 all, 1 the marked ones, 2 + s slot s.
    std::vector<bool> filter(int list1Position) const;

    // The ledger's names of marked rows while the grid is shown; rows marked by a replay.
    std::vector<std::string> markedFolders() const;
    // Marks the rows a ledger line names, one per slot. While start-up replays the ledger the grid is
    // still empty: the name is kept for the next `GridSet`, and the answer says whether a loaded
    // flight-model set holds such a folder.
    bool markFromLedger(const std::string& name);
    // Start-up is over: names kept for a grid that never came are dropped.
    void endReplay() { pending_.clear(); }

  private:
    void mark(std::size_t row);
    FileOwner owner(std::size_t row) const;
    std::filesystem::path selectorFolder() const;
    // Refuses the install whole when a file it writes is read-only or clashes, then journals it and
    // keeps a snapshot and the originals; false when it must not go ahead.
    bool prepareInstall(std::size_t row, PlaneInstallReport& report);

    std::filesystem::path gameFolder_;
    std::filesystem::path setFolder_;
    std::vector<PlaneSetRow> rows_;
    SlotFuelTable fuel_;
    std::string fuelText_;
    std::string fuelPositionText_;
    std::vector<std::string> pending_;
    std::function<std::vector<FileOwner>()> otherOwners_;
};

} // namespace outfitter
