#pragma once
// What the selector does to the game folder when its window opens: makes the folders and files it
// relies on when missing, reads the categories, the set folders, the programs and the music list, and
// replays the load ledger as marks. It copies no set file; it only finishes the book-keeping of a
// load or unload that was killed part-way and removes the temporary files such a death leaves.

#include "category_table.h"
#include "music_list.h"
#include "set_catalog.h"
#include "startup_seams.h"
#include "work_journal.h"

#include "common/problem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace outfitter {

inline constexpr const char* kSelectorFolderName = "QIV128";

// A start that may change the game folder repairs what a killed run left; only one holding the game
// folder's lock may, since what looks left over may be another live process's work. A start that
// only reads makes, deletes and finishes nothing.
enum class StartupMode { Repair, ReadOnly };

struct StartupResult {
    std::filesystem::path gameFolder;
    std::filesystem::path selectorFolder; // as spelt on disk; empty when it could not be made
    CategoryTable categories;
    SetCatalog sets;                                        // rows marked from the ledger
    std::vector<std::string> programs;                      // "*.exe" of the game folder, in file-list order
    std::vector<std::string> summary;                       // the ledger's names, in ledger order
    std::optional<std::filesystem::path> backgroundPicture; // game folder "background"
    std::optional<std::filesystem::path> newPicture;        // game folder "newpic"
    MusicList music;
    // Work that died part-way, its book-keeping done; what the engine must still finish.
    std::optional<WorkJournal> interrupted;
    std::optional<PackageJournal> interruptedPackage;
    bool readOnly = false;          // started with StartupMode::ReadOnly: nothing was made or repaired
    bool gameSettingsFound = false; // "eaw.ini" exists (and was handed to the settings seam)
    common::Problems problems;      // everything that went wrong or was skipped, in order
};

class SelectorStartup final {
  public:
    static StartupResult run(const std::filesystem::path& gameFolder, const StartupSeams& seams = {},
                             StartupMode mode = StartupMode::Repair);
};

} // namespace outfitter
