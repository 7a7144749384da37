#pragma once
// The demo's packages in "QIV128\Autoscripts": one with a description, one naming two sets of a
// one-at-a-time category, one naming skins and plane sets, one written with full paths and quotes.

#include "make_demo_game/output_folder.h"

#include <array>
#include <string_view>

namespace demo {

inline constexpr std::array<std::string_view, 4> kPackageFiles = {"Desert War.set", "Weather Swap.set",
                                                                  "Fighter Pilots.set", "Full Paths.set"};

void writePackages(OutputFolder& out);

} // namespace demo
