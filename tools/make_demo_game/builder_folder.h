#pragma once
// The mission builder's folder "PEV": the picture table and board pictures, the saved-missions
// folder with one saved mission, and the reference loadout table.

#include "make_demo_game/output_folder.h"

#include <string>

namespace demo {

void writeBuilderFolder(OutputFolder& out);

// "PevPic.txt", "KobPic" and the pictures it names, into `folder` (a game-style relative name).
void writeBoardPictures(OutputFolder& out, const std::string& folder);

} // namespace demo
