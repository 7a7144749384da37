#include "sortie/core/loadout_model.h"

#include "sortie/core/game_folder_write.h"

namespace sortie {

void LoadoutModel::list() {
    const LoadoutOutcome out =
        catalogue_.list(referenceTable_(), mission_.choices().rolePlanes[0], mission_.lists().weaponNames);
    mission_.reportAll(out.notes, out.problems);
}

void LoadoutModel::choose(int line) {
    const LoadoutOutcome out = catalogue_.choose(line);
    mission_.reportAll(out.notes, out.problems);
}

void LoadoutModel::write(int line) {
    const auto lock = lockForWrite(mission_);
    if (!lock)
        return;
    const LoadoutOutcome out =
        catalogue_.writeChosen(line, pathBelow(mission_.places().gameFolder, kLoadoutFileName));
    mission_.reportAll(out.notes, out.problems);
}

void LoadoutModel::copyNewTable() {
    const auto& places = mission_.places();
    const LoadoutOutcome out = catalogue_.takeGameTable(pathBelow(places.gameFolder, kLoadoutFileName),
                                                        pathBelow(places.builderFolder, kLoadoutFileName));
    mission_.reportAll(out.notes, out.problems);
}

} // namespace sortie
