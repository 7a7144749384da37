#pragma once
// The demo's tile map "eaw.tm" and front lines "frntline.dat".

#include <string>

namespace demo {

inline constexpr int kFrontLineSets = 13;
inline constexpr int kFrontLinePoints = 30;

// 640 x 320 tile bytes, rows from the top; sea tiles have terrain kind 2 (low six bits).
std::string eawTm();

// 13 sets of 30 points: set 0 runs along the Channel (1940-44), sets 1 to 11 ring a growing
// Normandy bridgehead, set 12 runs north-south near the eastern edge (1945). Each set ends with a
// terminator point (eight bytes of 255) and is padded with terminators.
std::string frontLineDat();

} // namespace demo
