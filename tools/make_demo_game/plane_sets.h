#pragma once
// The demo's alternative aircraft and the game's three picture menus they are named in.

#include "make_demo_game/set_contents.h"

#include <string>
#include <vector>

namespace demo {

// The "P-" folders of the flight-model set: two for slot 11, one for slot 0, and one for slot 22
// that brings all three loadout patch kinds and a flight model.
std::vector<DemoSet> demoPlaneSets();

// "picplnb.mnu" (country 0), "picplna.mnu" (1) or "picplng.mnu" (2): a 35-byte header, then 9, 9 or
// 11 entries of L, 0, 0, 0, the name with its zero byte and 15 bytes of picture data.
std::string pictureMenu(int country);
const char* pictureMenuName(int country);

} // namespace demo
