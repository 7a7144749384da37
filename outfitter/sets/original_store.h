#pragma once
// The player's own game files that a load replaced, kept in "QIV128\.originals" (in the same
// relative place) until no loaded set holds that name any more, and the copies of sets still loaded
// put back when another set's unload deletes a file they share. The leading dot keeps the folder
// from ever being taken for a set. Where no file of a set's names stood before, nothing is kept.

#include "outfitter/core/change_log.h"
#include "outfitter/sets/file_work.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace outfitter {

inline constexpr const char* kOriginalsFolderName = ".originals";

struct LoadedSet {
    std::string name; // as the ledger has it, e.g. "G-Clouds"
    std::filesystem::path folder;
};

struct SetFileWork {
    FileWorkReport work; // files kept or put back, and what failed
    std::size_t originalsKept = 0;
    std::size_t originalsRestored = 0;
    std::size_t sharedRestored = 0;
    // Loaded sets whose files the coming load replaces, with how many, in ledger order.
    std::vector<std::pair<std::string, std::size_t>> replacedOf;
    std::vector<Change> changes; // for the log
};

class OriginalStore final {
  public:
    OriginalStore(std::filesystem::path gameFolder, std::filesystem::path selectorFolder);

    std::filesystem::path folder() const;

    // Before `setFolder` is loaded: every game file it will replace that no set of `loaded` holds is
    // copied into the store (an original kept earlier and not yet put back stays as it is). A file
    // that cannot be kept is a problem, and the caller must then not load the set.
    SetFileWork beforeLoad(const std::filesystem::path& setFolder,
                           const std::vector<LoadedSet>& loaded) const;

    // After `setFolder` was unloaded: for each of its names, the copy of the latest set of
    // `stillLoaded` (ledger order) that holds it is put back; failing that, the kept original, where
    // the unload left nothing or left the set's own unchanged copy (a changed file is never replaced).
    SetFileWork afterUnload(const std::filesystem::path& setFolder,
                            const std::vector<LoadedSet>& stillLoaded) const;

    // After "Reset All" cleaned up: every kept original back in its place, replacing what stands.
    SetFileWork restoreAll() const;

    // How many originals are kept now.
    std::size_t count() const;

  private:
    std::filesystem::path gameFolder_;
    std::filesystem::path selectorFolder_;
};

} // namespace outfitter
