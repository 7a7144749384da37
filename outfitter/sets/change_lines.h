#pragma once
// The one line the message line gets after each load, unload and "Reset All", saying what really
// happened: "Loaded W-Desert Air War: 14 files, 2 into Savedata; kept 1 original".

#include "outfitter/core/file_work.h"
#include "outfitter/core/original_store.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace outfitter {

// "1 file" / "3 files".
std::string countOf(std::size_t count, const std::string& one, const std::string& many);

// Said before a load replaces files of other loaded sets: "W-Desert replaces 1 file of G-Clouds";
// empty when it replaces none.
std::string replacingLine(const std::string& setName, const SetFileWork& kept);

std::string loadedLine(const std::string& setName, const std::filesystem::path& gameFolder,
                       const FileWorkReport& moveIn, const SetFileWork& kept);

std::string unloadedLine(const std::string& setName, const FileWorkReport& moveOut,
                         const SetFileWork& restored);

std::string resetAllLine(std::size_t filesDeleted, std::size_t skinsRemoved, const SetFileWork& restored,
                         std::size_t failed);

} // namespace outfitter
