#pragma once
// The game folder itself: executables, "eaw.ini", stock files, "SaveData", "Music" and the theatre
// data files the mission builder reads.

#include "make_demo_game/output_folder.h"

namespace demo {

void writeGameFolder(OutputFolder& out);

} // namespace demo
