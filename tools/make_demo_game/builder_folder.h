#pragma once
// The mission builder's folder "PEV": the picture table and board pictures, the saved-missions
// folder with one saved mission, and the reference loadout table.

#include "make_demo_game/output_folder.h"

namespace demo {

void writeBuilderFolder(OutputFolder& out);

} // namespace demo
