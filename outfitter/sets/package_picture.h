#pragma once
// What the package area shows: the picture of a package, taken from the first main-screen,
// Non-Career, single-mission or campaign set it names, and the picture and "contents.txt" of one item.

#include "outfitter/core/set_description.h"

#include "common/problem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace outfitter {

// ".pic" is a file of that very name, as the picture search has always listed it.
inline constexpr const char* kPackagePicturePatterns = ".pic;*.jpg;*.bmp;mypic";
inline constexpr const char* kPackageItemPicturePatterns = "*.jpg;*.bmp;mypic";

// The set folder directly below the selector folder that an item names, whatever its letter case;
// nullopt for an item that cannot be a folder name there or has no folder.
std::optional<std::filesystem::path> packageItemFolder(const std::filesystem::path& selectorFolder,
                                                       std::string_view item, common::Problems& problems);

// The first listed picture of the first item, in package order, that begins "B-", "W-", "Q-" or
// "C-" (or the letter and a blank) and names a set folder holding one.
std::optional<std::filesystem::path> findPackagePicture(const std::filesystem::path& selectorFolder,
                                                        const std::vector<std::string>& items,
                                                        common::Problems& problems);

// An item chosen in the package's list: its folder's first picture and "contents.txt". An item that
// names no set folder is reported, so the player sees why nothing shows.
SetDescription describePackageItem(const std::filesystem::path& selectorFolder, std::string_view item);

} // namespace outfitter
