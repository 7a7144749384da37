#pragma once
// The selector folder "QIV128" of the demo: set folders, reserved folders, skins, an autoscript and
// the load ledger, with the ledger's sets installed in the game folder.

#include "make_demo_game/output_folder.h"

namespace demo {

void writeSelectorFolder(OutputFolder& out);

} // namespace demo
