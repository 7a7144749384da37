#pragma once
// The player's own game files that a load replaced, kept in "QIV128\.originals" (in the same
// relative place) until no loaded set holds that name any more, and the copies of sets still loaded
// put back when another set's unload deletes a file they share. The leading dot keeps the folder
// from ever being taken for a set. Where no file of a set's names stood before, nothing is kept.

#include "outfitter/core/change_log.h"
#include "outfitter/core/file_owner.h"
#include "outfitter/core/file_work.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace outfitter {

inline constexpr const char* kOriginalsFolderName = ".originals";

struct SetFileWork {
    FileWorkReport work; // files kept or put back, and what failed
    std::size_t originalsKept = 0;
    std::size_t originalsRestored = 0;
    std::size_t sharedRestored = 0;
    // Loaded owners whose files the coming load replaces, with how many, in ledger order.
    std::vector<std::pair<std::string, std::size_t>> replacedOf;
    std::vector<Change> changes; // for the log
};

// The store holds, for each place, the file that stood there when the first loaded owner of that name
// arrived. An entry for a name that no loaded owner holds is stale (its owner's load died before the
// ledger knew, or the player changed the file since): it is never put back over a newer file.
class OriginalStore final {
  public:
    OriginalStore(std::filesystem::path gameFolder, std::filesystem::path selectorFolder);

    std::filesystem::path folder() const;

    // Before `arriving` is loaded: every game file it will replace that no owner of `loaded` holds is
    // kept, unless its bytes are the arriving owner's own (a leftover of an earlier load, not the
    // player's). A stale entry gives way to the file standing now. A file that cannot be kept is a
    // problem, and the caller must then not load.
    SetFileWork beforeLoad(const FileOwner& arriving, const std::vector<FileOwner>& loaded) const;

    // After `leaving` was unloaded: for each of its names, the copy of the latest owner of
    // `stillLoaded` that holds it is put back; failing that, the kept original, where the unload left
    // nothing or left the owner's unchanged copy (a changed file is never replaced).
    SetFileWork afterUnload(const FileOwner& leaving, const std::vector<FileOwner>& stillLoaded) const;

    // After "Reset All" cleaned up: the kept original of every name one of `wereLoaded` held goes back,
    // replacing what stands; stale entries are dropped (with `everything`, none counts as stale). Every
    // copy is back before the first kept one is given up, so a reset that dies part-way loses none.
    SetFileWork restoreAll(const std::vector<FileOwner>& wereLoaded, bool everything = false) const;

    // Drops the entries no owner of `loaded` holds (start-up, once the ledger is known).
    SetFileWork dropStale(const std::vector<FileOwner>& loaded) const;

    // How many originals are kept now, and how many of them `owners` hold.
    std::size_t count() const;
    std::size_t countHeldBy(const std::vector<FileOwner>& owners) const;

  private:
    std::filesystem::path gameFolder_;
    std::filesystem::path selectorFolder_;
};

} // namespace outfitter
