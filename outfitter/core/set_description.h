#pragma once
// What the browser shows of a set while the mouse is over it: its "contents.txt" and first picture.

#include "common/problem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace outfitter {

inline constexpr const char* kDescriptionFileName = "contents.txt";
inline constexpr const char* kSetPicturePatterns = "mypic;skinpic;*.jpg;*.bmp;*.gif";

struct SetDescription {
    std::vector<std::string> lines;               // of "contents.txt", none when the set has none
    std::optional<std::filesystem::path> picture; // the first picture in file-list order
    common::Problems problems;                    // an unreadable folder or description
};

SetDescription describeSet(const std::filesystem::path& setFolder);

} // namespace outfitter
