#pragma once
// The demo's front lines "frntline.dat".

#include <string>

namespace demo {

inline constexpr int kFrontLineSets = 13;
inline constexpr int kFrontLinePoints = 30;

// 13 sets of 30 points: set 0 runs along the Channel (1940-44), sets 1 to 11 ring a growing
// Normandy bridgehead, set 12 runs north-south near the eastern edge (1945). Each set ends with a
// terminator point (eight bytes of 255) and is padded with terminators; set 12 ends early, with
// leftover points after its terminator that the line must not reach.
std::string frontLineDat();

} // namespace demo
