#pragma once
// The second build's scenario frame: the scenario folders below the scenarios folder (`Label35`),
// the chosen one (`Label36`) and the file table naming each theatre data file (`Label31`, `Label32`).

#include "common/problem.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sortie {

inline constexpr std::size_t kScenarioFileRows = 9;
// Rows of the file table; "PEV" and "eaw.exe" are named but not looked for in a scenario.
inline constexpr std::array<std::string_view, kScenarioFileRows> kScenarioFileNames = {
    "Tarnames.str", "Pnames.str",   "eaw.tm",      "targets.dat", "PEV",
    "loadout.dat",  "frntline.dat", "weapons.str", "eaw.exe"};
inline constexpr std::size_t kScenarioLoadoutRow = 5;
// The picture `Image1` of the scenario frame, in the pictures folder.
inline constexpr std::string_view kScenarioPictureName = "FormPic";

inline bool isScenarioDataRow(std::size_t i) {
    return i < 8 && i != 4;
}

class ScenarioSetup final {
  public:
    // Lists the scenario folders of `scenariosFolder` and reads the frame's picture `formPicture`.
    // A missing folder leaves the list empty.
    common::Problems start(const std::filesystem::path& gameFolder,
                           const std::filesystem::path& scenariosFolder,
                           const std::filesystem::path& formPicture);

    // `Label35(k)`: chooses scenario k and fills `Label36` and `Label32`. False for no such scenario.
    bool choose(int k);

    // The seven data files the chosen scenario lacks, by their `Label31` names; all of them when
    // nothing is chosen.
    std::vector<std::string> missingFiles() const;

    const std::string& framePicture() const {
        return framePicture_;
    } // the picture's bytes; empty when missing
    const std::string& gameFolderText() const { return gameFolderText_; }
    // Captions of the scenario labels: "   " & the folder's name & "   ". With no scenario the one
    // label shows the scenarios folder's path.
    const std::vector<std::string>& scenarioCaptions() const { return scenarioCaptions_; }
    std::size_t scenarioCount() const { return names_.size(); }
    int chosen() const { return chosen_; }
    const std::string& chosenFolderText() const { return chosenFolderText_; }
    const std::array<std::string, kScenarioFileRows>& filePaths() const { return filePaths_; }
    const std::filesystem::path& folder() const { return folder_; }
    const std::filesystem::path& scenariosFolder() const { return scenariosFolder_; }

    // `Frame11` shows from start-up until a scenario has been loaded.
    bool frameShown() const { return frameShown_; }
    void hideFrame() { frameShown_ = false; }

  private:
    std::string gameFolderText_;
    std::string framePicture_;
    std::filesystem::path scenariosFolder_;
    std::vector<std::string> names_;
    std::vector<std::string> scenarioCaptions_;
    int chosen_ = -1;
    std::filesystem::path folder_;
    std::string chosenFolderText_;
    std::array<std::string, kScenarioFileRows> filePaths_{};
    bool frameShown_ = true;
};

} // namespace sortie
