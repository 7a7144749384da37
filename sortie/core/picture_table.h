#pragma once
// The option board's picture table "PevPic.txt": entry 0 for the aircraft part, 1 to 11 for the rows.

#include "common/problem.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace sortie {

inline constexpr int kPictureEntries = 21;
inline constexpr int kPictureLinesRead = 12;
inline constexpr const char* kPictureTableName = "PevPic.txt";
inline constexpr const char* kDefaultPictureName = "KobPic";

using PictureTable = std::array<std::string, kPictureEntries>;

// The file name part of a "key=file" line: everything after the first "=", or the whole line.
std::string pictureEntryFromLine(std::string_view line);

// Entries 0 to 11 from the first twelve lines; a missing file or fewer lines give a problem and
// empty entries for what is missing.
common::Result<PictureTable> readPictureTable(const std::filesystem::path& file);

} // namespace sortie
