#pragma once
// `sortie --render-map FILE.png`: the map as the map page builds it (tiles, markers, front-line set
// 0), written as a 2560 x 1280 PNG, so a theatre can be looked at outside the program.

#include "sortie/second/build_settings.h"

#include <filesystem>
#include <optional>
#include <string>

class QImage;

namespace sortie {
class MapPicture;
}

namespace sortie::ui {

// The picture's pixels as an image (a copy, independent of the model).
QImage toImage(const MapPicture& picture);

// Builds the map of `gameFolder` and writes it to `file` (replacing it whole). The reason, in one
// line, when the map cannot be built or written.
std::optional<std::string> renderMap(const std::filesystem::path& gameFolder, const BuildSettings& settings,
                                     const std::filesystem::path& file);

} // namespace sortie::ui
