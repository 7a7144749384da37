#include "sortie/theatre/loadout_catalogue.h"

#include "common/atomic_file.h"
#include "common/game_file_ops.h"
#include "common/numbers.h"
#include "common/text_file.h"

namespace sortie {

namespace {

LoadoutOutcome refused(std::string note) {
    LoadoutOutcome out;
    out.notes.push_back(std::move(note));
    return out;
}

common::Result<std::string> readReference(const std::filesystem::path& reference) {
    std::error_code ec;
    if (reference.empty() || !std::filesystem::is_regular_file(reference, ec)) {
        common::Result<std::string> missing;
        missing.problem = common::Problem{reference, "listing loadouts",
                                          "the reference copy of the loadout table is missing"};
        return missing;
    }
    return common::readFileBytes(reference);
}

} // namespace

std::string LoadoutCatalogue::firstRecordPosition() const {
    return listing_.firstRecord == 0 ? std::string() : std::to_string(listing_.firstRecord);
}

std::string LoadoutCatalogue::chosenRecordPosition() const {
    return chosenRecord_ == 0 ? std::string() : std::to_string(chosenRecord_);
}

LoadoutOutcome LoadoutCatalogue::list(const std::filesystem::path& reference, const std::string& Text1_0,
                                      const std::vector<std::string>& weaponNames) {
    LoadoutOutcome out;
    aircraftListed_ = Text1_0;
    aircraft_ = common::readInteger(aircraftListed_);
    reference_ = reference;
    // A stale listing of another aircraft or file must never be written afterwards.
    listing_ = {};
    chosenRecord_ = 0;
    buffer_ = {};
    auto bytes = readReference(reference);
    if (bytes.problem) {
        out.problems.push_back(*bytes.problem);
        return out;
    }
    listing_ = listLoadouts(bytes.value, aircraft_, weaponNames);
    if (listing_.truncatedRecord)
        out.notes.push_back(common::pathText(reference.filename()) +
                            " ends inside a loadout record; the part is not read");
    for (const int weapon : listing_.unnamedWeapons)
        out.notes.push_back("Weapon " + std::to_string(weapon) + " has no name among the " +
                            std::to_string(weaponNames.empty() ? 0 : weaponNames.size() - 1) +
                            " weapon names; it is shown by its number");
    if (!listing_.found())
        out.notes.push_back("No loadouts for aircraft " + aircraftListed_ + " in " +
                            common::pathText(reference));
    out.done = listing_.found();
    return out;
}

void LoadoutCatalogue::clearChoice() {
    chosenRecord_ = 0;
    buffer_ = {};
}

LoadoutOutcome LoadoutCatalogue::choose(int line) {
    if (!listing_.found())
        return refused("No loadouts are listed: click \"Select your loadout\" first");
    if (line < 0 || line >= static_cast<int>(listing_.listLines.size()))
        return refused("Choose a line of a listed loadout");
    LoadoutOutcome out;
    auto bytes = readReference(reference_);
    if (bytes.problem) {
        out.problems.push_back(*bytes.problem);
        return out;
    }
    const std::size_t Slab = recordPosition(listing_.firstRecord, loadoutOfLine(line));
    LoadoutRecord record{};
    if (!readLoadoutRecord(bytes.value, Slab, record)) {
        out.problems.push_back(
            common::Problem{reference_, "reading the chosen loadout",
                            "the file no longer holds the record at " + std::to_string(Slab)});
        return out;
    }
    chosenRecord_ = Slab;
    buffer_ = record;
    out.done = true;
    return out;
}

LoadoutOutcome LoadoutCatalogue::writeChosen(int line, const std::filesystem::path& game) {
    LoadoutOutcome out = choose(line);
    if (!out.done)
        return out;
    out.done = false;
    auto bytes = readReference(reference_);
    if (bytes.problem) {
        out.problems.push_back(*bytes.problem);
        return out;
    }
    // The run is taken again from the copy being rebuilt, so a copy changed since the listing
    // cannot receive the record over another aircraft's loadouts.
    const LoadoutListing now = listLoadouts(bytes.value, aircraft_, {});
    if (now.firstRecord != listing_.firstRecord || now.lastLoadout != listing_.lastLoadout) {
        out.notes.push_back(common::pathText(reference_.filename()) +
                            " has changed since it was listed; list the loadouts again");
        return out;
    }
    std::string table = std::move(bytes.value);
    if (!writeOverRun(table, listing_.firstRecord, listing_.count(), buffer_)) {
        out.problems.push_back(
            common::Problem{reference_, "writing the chosen loadout", "the run of records is cut short"});
        return out;
    }
    if (auto problem = common::writeFileAtomically(game, table)) {
        out.problems.push_back(*problem);
        out.notes.push_back(common::pathText(game.filename()) + " was left as it was");
        return out;
    }
    out.notes.push_back("Loadout #" + std::to_string(loadoutOfLine(line)) + " written over the " +
                        std::to_string(listing_.count()) + " loadout(s) of aircraft " + aircraftListed_ +
                        " in " + common::pathText(game));
    out.done = true;
    return out;
}

LoadoutOutcome LoadoutCatalogue::takeGameTable(const std::filesystem::path& game,
                                               const std::filesystem::path& reference) {
    LoadoutOutcome out;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(game, ec)) {
        out.problems.push_back(
            common::Problem{game, "copying the loadout table", "the game folder has no loadout table"});
        return out;
    }
    if (auto problem = common::copyReplacing(game, reference)) {
        out.problems.push_back(*problem);
        return out;
    }
    listing_ = {};
    chosenRecord_ = 0;
    buffer_ = {};
    out.notes.push_back("The game's loadout table is now the reference copy " + common::pathText(reference));
    out.done = true;
    return out;
}

} // namespace sortie
