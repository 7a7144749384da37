#pragma once
// The demo's target table "targets.dat" and its names "tarnames.str".

#include <string>
#include <vector>

namespace demo {

inline constexpr int kTargetRecords = 260;
inline constexpr int kTargetRecordSize = 32;

struct Target {
    std::string name;
    int mapX = 0; // map units, 0 to 2559
    int mapY = 0; // map units, 0 to 1279
    bool airfield = false;
    bool british = false; // side of the Channel it stands on
};

// The 260 targets in record order; record 95 is the airfield "Tangmere" and record 127 the target
// "Boulogne harbour". Every position lies on the map, airfields and land targets on land; a few
// targets stand within 2 map units of an airfield.
const std::vector<Target>& targets();

// "targets.dat": a 4-byte header (record count) and one 32-byte record per target. Names are
// stored in "tarnames.str" in reverse record order, so record k names string 259 - k.
std::string targetsDat();
std::string tarnamesStr();

} // namespace demo
