#pragma once
// Puts the aircraft of one plane-set folder into its slot: the record into "planes.dat", its name
// into "pnames.str" and the three picture menus, then its loadout patches and flight model. A
// record that is unsound is refused before any file is written.

#include "outfitter/planes/qiv_file.h"

#include "common/problem.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace outfitter {

// Which slots' names fill the entry boxes of each picture menu, box 0 first.
inline const std::array<std::vector<int>, 3> kMenuSlotOrders = {{
    {13, 11, 10, 9, 14, 12},
    {5, 3, 4, 2, 0, 1},
    {18, 17, 22, 23, 16, 24, 20, 19},
}};

struct PlaneInstallReport {
    QivFile qiv;
    bool recordWritten = false; // the aircraft is in its slot (the row takes the mark)
    // The name "pnames.str" gave the slot before the install; empty when it could not be read.
    std::string replacedName;
    std::vector<std::filesystem::path> written;
    std::vector<std::filesystem::path> notWritten;
    common::Problems problems; // ends with one line naming what was and was not written on failure
};

// The message line's account of an install: "Installed P-Fast 109 into slot 3 in place of Spitfire
// Mk IIa: planes.dat, pnames.str written", or why it was not.
std::string installLine(const std::string& planeSetName, const PlaneInstallReport& report);

PlaneInstallReport installPlaneSet(const std::filesystem::path& planeSetFolder,
                                   const std::filesystem::path& gameFolder);

} // namespace outfitter
