#pragma once
// The loadout panel `frameLoadout`: the player's aircraft's loadouts, choosing one and writing it into
// the game's "Loadout.dat", and taking a newly installed table as the reference copy.

#include "sortie/core/mission_state.h"
#include "sortie/theatre/loadout_catalogue.h"

#include <filesystem>
#include <functional>

namespace sortie {

class LoadoutModel final {
  public:
    // `referenceTable` names the table to list from at the moment of listing (the second build's
    // comes from the chosen scenario; empty when there is none).
    LoadoutModel(MissionState& mission, std::function<std::filesystem::path()> referenceTable)
        : mission_(mission), referenceTable_(std::move(referenceTable)) {}

    const LoadoutCatalogue& catalogue() const { return catalogue_; }
    void list();           // `Label24`: the player's aircraft's loadouts
    void choose(int line); // a click in the list
    void write(int line);  // a double-click: the game's "Loadout.dat" rebuilt with it
    void copyNewTable();   // `Label25`: the game's table becomes the reference copy
    // After an undo or redo: the buffer holds the loadout of the chosen line again, or none.
    void followChoice();

  private:
    // The line chosen is a choice of the mission; a listing made anew has none chosen.
    void dropChoice();

    MissionState& mission_;
    std::function<std::filesystem::path()> referenceTable_;
    LoadoutCatalogue catalogue_;
};

} // namespace sortie
