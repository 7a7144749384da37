#pragma once
// Each program's main window comes back where the player left it, at the size it had: its geometry
// is kept in the same configuration folder as the last game folder, one small file per program.

#include <string_view>

#include <filesystem>

class QWidget;

namespace eaw::startup {

// "<configuration folder>/eaw-suite/<program>.geometry"; empty when no configuration folder is known.
std::filesystem::path windowGeometryFile(std::string_view program);

// Restores `window` from `file` when that holds a geometry lying wholly within the work area of a
// present screen, and saves it there whenever the window closes. Returns whether it restored.
bool rememberWindowGeometry(QWidget& window, const std::filesystem::path& file);

} // namespace eaw::startup
