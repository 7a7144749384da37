#pragma once
// Bringing the game folder back to its stock files: deleting every loose file of the kinds sets
// install, and the file work of "Reset All" around it.

#include "outfitter/core/file_work.h"

#include "common/problem.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace outfitter {

inline constexpr const char* kBuiltInCleanUpPatterns =
    "P*.bmp;*.bgm;*.smk;*.fnt;*.wsd;*.fsp;*.pal;*.bak;*.tco;*.pco;*.bco;*.hm;*.jpg;*.pcx;*.txt;mypic;"
    "planepic;skinpic;*.mnu;*.dat;*.mpc;*.wsp;*.pic;*.spt;*.str;*.ter;*.tm;*.tpc;*.flt;*.3dz;*.snd;*.bil;"
    "*.bin;*.cpt";
inline constexpr const char* kCleanUpIniName = "CleanUp.ini";
inline constexpr const char* kStockExecutableName = "eaw.exe";

// The first line of "CleanUp.ini" in `selectorFolder` when that file exists, else the built-in list.
// An unreadable "CleanUp.ini" is a problem (and the clean-up then deletes nothing).
common::Result<std::string> cleanUpPatterns(const std::filesystem::path& selectorFolder);

// "DSG.ICO", "EXTRA.SPT", "CHATLINE.TXT" and "HOF.DAT", in any case, are never cleaned up.
bool isProtectedName(std::string_view fileName);

// Whether `fileName` matches one of the ";"-separated patterns; empty patterns match nothing.
bool matchesCleanUpPatterns(std::string_view patterns, std::string_view fileName);

// Deletes the plain files directly in `gameFolder` that match the pattern list, except protected
// names; subfolders and links are left alone. A file that cannot be deleted is reported and the rest
// are still deleted. Reports "Please wait... cleaning up" with the fraction done, about every 1% so
// that a window repainting on each report is not slowed down.
FileWorkReport CleanUp(const std::filesystem::path& gameFolder, const std::filesystem::path& selectorFolder,
                       const ProgressCallback& progress = {});

// The files CleanUp would delete now, for the question asked before "Reset All".
common::Result<std::vector<std::string>> cleanUpList(const std::filesystem::path& gameFolder,
                                                     const std::filesystem::path& selectorFolder);

// What "Reset All" does after CleanUp: the ledger emptied to zero bytes, then the stock "eaw.exe" of
// `selectorFolder`, if there is one, copied over the game's.
FileWorkReport finishResetAll(const std::filesystem::path& gameFolder,
                              const std::filesystem::path& selectorFolder);

// The file work of "Reset All", after the caller has removed its marks and skins: CleanUp, then
// finishResetAll.
FileWorkReport resetAllFiles(const std::filesystem::path& gameFolder,
                             const std::filesystem::path& selectorFolder,
                             const ProgressCallback& progress = {});

} // namespace outfitter
