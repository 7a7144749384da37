#pragma once
// Which files of a skin folder travel into the game folder. Pictures and descriptions stay in the
// store; flight data ("planes.dat", ".flt", ...) travels only when the player asks for it, because it
// changes how aircraft fly rather than how they look.

#include <string_view>

namespace outfitter {

enum class SkinFileClass {
    PictureOrText, // "SKINPIC", "MYPIC", ".GIF", ".TXT", ".JPG", ".ASK", ".PCX": never copied or deleted
    FlightData,    // "LOADOUT.DAT", "PLANES.DAT", "WEAPONS.DAT", ".FLT", ".STR"
    Skin,          // everything else: always copied and deleted
};

// Names are compared in upper case; the extension is the last four characters, dot included.
SkinFileClass classifySkinFile(std::string_view name);

// Whether installing copies, and removing deletes, the file of this name.
bool skinFileTravels(std::string_view name, bool includeFlightData);

} // namespace outfitter
