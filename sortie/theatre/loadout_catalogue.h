#pragma once
// The loadout panel's state: the listing of the player's aircraft's loadouts from the reference copy,
// `Sloc`, `Slab`, `P` and the loadout buffer, and writing the chosen loadout into the game's table.

#include "common/problem.h"
#include "sortie/theatre/loadout_table.h"

#include <filesystem>
#include <string>
#include <vector>

namespace sortie {

inline constexpr std::string_view kLoadoutFileName = "Loadout.dat";

struct LoadoutOutcome {
    bool done = false;              // the listing, choice or file was made as asked
    std::vector<std::string> notes; // for the message line
    common::Problems problems;
};

class LoadoutCatalogue final {
  public:
    // `Label24`: lists the loadouts of the aircraft whose index is the text `Text1_0` from the
    // reference copy. A missing or unreadable reference copy gives an empty listing and a problem.
    LoadoutOutcome list(const std::filesystem::path& reference, const std::string& Text1_0,
                        const std::vector<std::string>& weaponNames);
    // A click on line `line` of `LodList`: the line's loadout fills the buffer.
    LoadoutOutcome choose(int line);
    // A double-click: chooses the line, then rebuilds `game` from the reference copy with the chosen
    // record over every record of the aircraft's run and replaces `game` whole.
    LoadoutOutcome writeChosen(int line, const std::filesystem::path& game);
    // `Label25`: the game's table becomes the reference copy; the listing is dropped with it.
    LoadoutOutcome takeGameTable(const std::filesystem::path& game, const std::filesystem::path& reference);

    // The listing stays; no loadout is chosen.
    void clearChoice();

    const std::vector<std::string>& listLines() const { return listing_.listLines; }
    const std::string& aircraftListed() const { return aircraftListed_; }
    // `Sloc` and `Slab` as their labels show them: decimal text, empty until set.
    std::string firstRecordPosition() const;
    std::string chosenRecordPosition() const;
    const LoadoutRecord& buffer() const { return buffer_; }
    bool listed() const { return listing_.found(); }
    int lastLoadout() const { return listing_.lastLoadout; }

  private:
    std::filesystem::path reference_; // the copy the listing came from
    std::string aircraftListed_;
    long aircraft_ = -1;
    LoadoutListing listing_;
    std::size_t chosenRecord_ = 0;
    LoadoutRecord buffer_{};
};

} // namespace sortie
