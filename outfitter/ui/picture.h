#pragma once
// Shows a picture file of the game folder in a label, scaled to fit, or nothing.

#include <filesystem>
#include <optional>

class QLabel;

namespace outfitter {

// A missing or unreadable picture leaves the label empty: the pictures are decoration.
void showPicture(QLabel* label, const std::optional<std::filesystem::path>& file);

} // namespace outfitter
