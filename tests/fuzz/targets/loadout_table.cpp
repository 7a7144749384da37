// "Loadout.dat": listing any aircraft's loadouts, reading its records and writing one over the run.
#include "fuzz_input.h"

#include "sortie/theatre/loadout_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto bytes = fuzzing::asBytes(data, size);
    const long aircraft = static_cast<long>(fuzzing::takeByte(bytes)) - 2;
    const std::vector<std::string> weapons{"Gun", "Bomb", "Rocket"};
    const auto listing = sortie::listLoadouts(bytes, aircraft, weapons);
    if (!listing.found())
        return 0;
    std::string table(bytes);
    sortie::LoadoutRecord record{};
    for (int loadout = 0; loadout < listing.count(); ++loadout)
        sortie::readLoadoutRecord(table, sortie::recordPosition(listing.firstRecord, loadout), record);
    sortie::writeOverRun(table, listing.firstRecord, listing.count(), record);
    if (table.size() != bytes.size())
        fuzzing::broken("writing a loadout changed the table's length");
    return 0;
}
