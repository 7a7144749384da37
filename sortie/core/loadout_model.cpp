#include "sortie/core/loadout_model.h"

#include "sortie/core/game_folder_write.h"

namespace sortie {

namespace {

int lineOfLoadout(int line) {
    return loadoutOfLine(line) * static_cast<int>(kLinesPerLoadout);
}

} // namespace

void LoadoutModel::dropChoice() {
    mission_.change([](MissionChoices& c) { c.loadoutLine = kNoneSelected; }, "Loadout = none");
}

void LoadoutModel::list() {
    const LoadoutOutcome out =
        catalogue_.list(referenceTable_(), mission_.choices().rolePlanes[0], mission_.lists().weaponNames);
    mission_.reportAll(out.notes, out.problems);
    dropChoice();
}

void LoadoutModel::choose(int line) {
    const LoadoutOutcome out = catalogue_.choose(line);
    mission_.reportAll(out.notes, out.problems);
    if (!out.done)
        return;
    // Any line of a loadout chooses that loadout; the label names it by its heading line.
    mission_.change([line](MissionChoices& c) { c.loadoutLine = line; },
                    "Loadout = " + catalogue_.listLines()[static_cast<std::size_t>(lineOfLoadout(line))]);
}

void LoadoutModel::followChoice() {
    const int line = mission_.choices().loadoutLine;
    if (line >= 0 && static_cast<std::size_t>(line) < catalogue_.listLines().size())
        catalogue_.choose(line);
    else
        catalogue_.clearChoice();
}

void LoadoutModel::write(int line) {
    const auto lock = lockForWrite(mission_);
    if (!lock)
        return;
    const LoadoutOutcome out =
        catalogue_.writeChosen(line, pathBelow(mission_.places().gameFolder, kLoadoutFileName));
    mission_.reportAll(out.notes, out.problems);
    // The double-click's first click chose the line already; writing the file is no choice of its own.
    if (catalogue_.chosenRecordPosition().empty() || mission_.choices().loadoutLine == line)
        return;
    mission_.change([line](MissionChoices& c) { c.loadoutLine = line; });
}

void LoadoutModel::copyNewTable() {
    const auto& places = mission_.places();
    const LoadoutOutcome out = catalogue_.takeGameTable(pathBelow(places.gameFolder, kLoadoutFileName),
                                                        pathBelow(places.builderFolder, kLoadoutFileName));
    mission_.reportAll(out.notes, out.problems);
    if (out.done)
        dropChoice();
}

} // namespace sortie
