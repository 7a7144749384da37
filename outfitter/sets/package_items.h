#pragma once
// A package (autoscript) read item by item: fields split at commas and line ends, surrounding quotes
// removed, each item cut after its last "\" so full paths and bare folder names load alike. The
// items before a "*****" marker double as the package's description.

#include "common/problem.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace outfitter {

inline constexpr const char* kAutoscriptsFolderName = "Autoscripts";
inline constexpr const char* kAutoscriptExtension = ".set";
inline constexpr std::string_view kDescriptionMarker = "*****";

struct PackageContents {
    std::vector<std::string> items;       // every item in file order, the marker and the description too
    std::vector<std::string> description; // the items before the marker; none without a marker
    std::size_t descriptionItems = 0;     // leading items that are description, the marker included
};

// The fields of the text as the game's tools wrote and read them. Empty fields are dropped: they name
// nothing, and a saved summary always ends with an empty line.
std::vector<std::string> splitPackageFields(std::string_view bytes);

// The part of an item after its last "\" (the whole item when it has none).
std::string reducePackageItem(std::string_view item);

PackageContents parsePackage(std::string_view bytes);
common::Result<PackageContents> readPackage(const std::filesystem::path& file);

// Whether a package item names a grid row: the first characters equal exactly, the rest equal
// without regard to case. Set, skin and plane-set rows all use this rule.
bool packageItemMatches(std::string_view item, std::string_view rowName);

} // namespace outfitter
