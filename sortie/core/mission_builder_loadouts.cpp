// The loadout panel: each a single call for the window.
#include "common/resolver.h"
#include "sortie/core/mission_builder.h"

namespace sortie {

namespace {

std::filesystem::path below(const std::filesystem::path& base, std::string_view relative) {
    return common::resolve(base, relative).value.path;
}

} // namespace

void MissionBuilder::listLoadouts() {
    // The second build lists the chosen scenario's table; without a scenario there is none.
    std::filesystem::path reference;
    if (settings_.dataSource == DataSource::Scenario) {
        if (scenario_.chosen() >= 0)
            reference = scenario_.Label32()[kScenarioLoadoutRow];
    } else {
        reference = below(builderFolder_, kLoadoutFileName);
    }
    const LoadoutOutcome out = loadouts_.list(reference, choices_.Text1[0], weaponNames_);
    reportAll(out.notes, out.problems);
}

void MissionBuilder::chooseLoadout(int line) {
    const LoadoutOutcome out = loadouts_.choose(line);
    reportAll(out.notes, out.problems);
}

void MissionBuilder::writeLoadout(int line) {
    const LoadoutOutcome out = loadouts_.writeChosen(line, below(gameFolder_, kLoadoutFileName));
    reportAll(out.notes, out.problems);
}

void MissionBuilder::copyNewLoadoutTable() {
    const LoadoutOutcome out = loadouts_.takeGameTable(below(gameFolder_, kLoadoutFileName),
                                                       below(builderFolder_, kLoadoutFileName));
    reportAll(out.notes, out.problems);
}

} // namespace sortie
