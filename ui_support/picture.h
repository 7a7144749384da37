#pragma once
// Pictures of the game folder and the builder's tables shown in labels. The pictures are decoration:
// a missing or unreadable one leaves the label empty and is not an error.

#include <QPixmap>

#include <filesystem>
#include <optional>
#include <string_view>

class QLabel;

namespace uisupport {

// A picture file, its format taken from the content ("newpic" and "mypic" carry no extension).
QPixmap loadPicture(const std::filesystem::path& file);
// A picture held as bytes; empty bytes or an unknown format give a null pixmap.
QPixmap pictureFromBytes(std::string_view bytes);

// Shows `file` in `label`, scaled to the label's size keeping its proportions, or nothing.
void showPicture(QLabel* label, const std::optional<std::filesystem::path>& file);

} // namespace uisupport
