#pragma once
// Names and counts of the demo game folder that other test suites may rely on.

#include <array>
#include <string_view>

namespace demo::contents {

// Folder names as written on disk (the letter case is deliberately mixed in places).
inline constexpr std::string_view kSaveData = "SaveData";
inline constexpr std::string_view kMusic = "Music";
inline constexpr std::string_view kSelector = "QIV128";
inline constexpr std::string_view kSkinFolder = "SkinFolder";
inline constexpr std::string_view kAutoscripts = "Autoscripts";
inline constexpr std::string_view kUnused = "UNUSED";
inline constexpr std::string_view kNotASet = "_Downloads";
inline constexpr std::string_view kBuilder = "PEV";
inline constexpr std::string_view kMissions = "PEVMissions";

// The set folders of the selector folder, in file-list order (case-insensitive).
inline constexpr std::array<std::string_view, 17> kSetFolders = {
    "B-Spitfire Mainscreen", "C Operation Overlord", "c-Atlantic Convoys",     "C-Channel Front 1941",
    "F-Fighter Pack",        "G-Cloud Textures",     "G-Cockpit Gauges",       "G-Desert Haze",
    "G-Explosion Effects",   "N-Cannon Sounds",      "N-Merlin Engine Sounds", "Q-Channel Strike Missions",
    "S-Desert Camouflage",   "s-Dunkirk 1940",       "T-Winter Terrain",       "W-Battle of Britain 1940",
    "W-Desert Air War",
};

// Sets named by "FoldersLoaded.txt"; their files are present in the game folder.
inline constexpr std::array<std::string_view, 2> kLedgerSets = {"W-Battle of Britain 1940",
                                                                "G-Cloud Textures"};

// Plane-set folders of "F-Fighter Pack", in file-list order: slot 22 ("190a", with ".lox", ".lo1",
// ".lo2" and ".flt"), slot 0 ("p38h"), and two for slot 11 ("sp09").
inline constexpr std::array<std::string_view, 4> kPlaneSets = {"P-Fw 190A-8", "P-Lightning F-4",
                                                               "P-Spitfire IXc", "P-Spitfire IXe"};

// Skin folders of the skin store; the two Spitfire skins share the aircraft code "SP09".
inline constexpr std::array<std::string_view, 4> kSkins = {"Bf 109G-6 JG 26", "Hurricane I 303 Sqn",
                                                           "Spitfire IX 611 Sqn", "Spitfire IX 92 Sqn"};
// A further skin folder holding no "p*.3dz", so it has no aircraft code.
inline constexpr std::string_view kSkinWithoutModel = "RAF Decals";

inline constexpr int kAircraftSlots = 30;
inline constexpr int kTargetRecords = 260;
inline constexpr int kHomeBaseRecord = 95; // an airfield: "Tangmere"
inline constexpr int kTargetRecord = 127;  // not an airfield: "Boulogne harbour"
inline constexpr int kFrontLineSets = 13;
inline constexpr int kWeaponNames = 24;
inline constexpr int kMapColumns = 640;
inline constexpr int kMapRows = 320;

} // namespace demo::contents
