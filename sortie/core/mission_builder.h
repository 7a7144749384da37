#pragma once
// The mission builder's window state and rules: start-up, the name lists and target grid, the stored
// choices and the option board. The window forwards each user event to one call here and redraws.

#include "common/problem.h"
#include "sortie/core/board_view.h"
#include "sortie/core/mission_choices.h"
#include "sortie/core/mission_summary.h"
#include "sortie/core/option_catalog.h"
#include "sortie/core/picture_table.h"
#include "sortie/map/theatre_map.h"
#include "sortie/second/build_settings.h"
#include "sortie/second/scenario_setup.h"
#include "sortie/theatre/data_locator.h"
#include "sortie/theatre/loadout_catalogue.h"
#include "sortie/theatre/target_grid.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sortie {

enum class MouseButton { Left, Right, Middle, Other };

class MissionBuilder final {
  public:
    MissionBuilder(std::filesystem::path gameFolder, BuildSettings settings);

    // The start-up sequence: folders, saved-missions list, name lists, target grid, picture table,
    // stored choices, weapon names. Theatre data waits for a scenario in a build that uses them.
    void start();
    // Reads the theatre data (name lists, target grid, weapon names) from where the build takes it.
    void loadTheatre();
    void setScenarioFolder(std::filesystem::path folder);

    // --- what the window shows
    const BuildSettings& settings() const { return settings_; }
    const OptionCatalog& catalog() const { return catalog_; }
    const MissionChoices& choices() const { return choices_; }
    const std::vector<std::string>& PList() const { return PList_; }
    const std::vector<std::string>& TList() const { return TList_; }
    const TargetTable& targets() const { return targets_; }
    const TargetGrid& Tg() const { return Tg_; }
    const std::vector<std::string>& weaponNames() const { return weaponNames_; }
    const PictureTable& pictures() const { return pictures_; }
    const BoardGeometry& board() const { return geometry_; }
    const BoardView& boardView() const { return view_; }
    const std::array<std::string, kRoleCount>& Label1() const { return Label1_; }
    const std::array<std::string, 2>& Label2() const { return Label2_; }
    std::string Label3() const;
    bool interdictionShown() const { return Frame3_ && Frame6_; }
    bool Frame3() const { return Frame3_; }                                          // interdiction type
    bool Frame6() const { return Frame6_; }                                          // convoy size
    const std::string& Label9() const { return Label9_; }                            // the mission summary
    const std::vector<std::string>& savedMissions() const { return savedMissions_; } // `File1`
    const std::string& Label10() const { return Label10_; } // the selected saved mission's path
    const std::string& Text3() const { return Text3_; }     // its details, lines ended by CR LF
    const std::filesystem::path& gameFolder() const { return gameFolder_; }
    const std::filesystem::path& builderFolder() const { return builderFolder_; }
    const std::filesystem::path& missionsFolder() const { return missionsFolder_; }
    int currentOptionRow() const { return currentRow_; }
    int currentPlaneCell() const { return currentCell_; }

    // Messages for the message line, oldest first.
    const std::vector<std::string>& messages() const { return messages_; }

    // `PicShow`: the bytes of a picture-table entry's file, else of "KobPic"; empty when neither exists.
    const std::string& PicShow(int entry);

    // --- option board
    void hoverBoard(double xTwips, double yTwips);
    // Button released over `Image2` (overRowLabel false) or over a `Label21` (true).
    void releaseOnBoard(MouseButton button, bool overRowLabel);
    void pressOnCell(MouseButton button, int cell);
    void releaseOnCell(MouseButton button, int cell);

    // --- choices made directly
    void choosePlane(int index);  // `PList` choice
    void chooseTarget(int index); // `TList` choice
    void setText1(int role, const std::string& text);
    void setText5(const std::string& text);
    void setText6(int which, const std::string& text);
    void setCheck1(bool groundStart);
    void selectOption(Group g, int index);
    void selectNation(int index); // `PNat` click
    void selectRole(int index);   // `Plane`
    void selectTargo(int index);
    void selectFL(int index);

    // `Label30`: restore the choices file, then rebuild the summary.
    void restoreChoices();
    void ReadLast();
    // Rebuilds the summary, the plane-cell captions and the interdiction frames.
    void ShowChoice();

    // --- the save-and-load panel, flying and the results
    // `Command1`: saves the current mission as `Text2`.mpf and .jsv, then refreshes `File1`.
    bool saveMission(const std::string& Text2);
    // Re-reads `File1` from the saved-missions folder.
    void refreshSavedMissions();
    // A file name chosen in `File1`: `Label10` and the details `Text3`.
    void selectSavedMission(const std::string& fileName);
    // `Command2`: the selected mission becomes the game's mission and the current choices.
    bool loadSavedMission();
    // "FLY!" (`Label14`, `Label16`, `Label26`). True when everything was written (and, in a build
    // that starts the game, the game was started).
    bool LaunchMission();
    // `Command3`: starts the game as the files stand.
    bool startGame();
    // `Label23`: the report `Label22` over picture entry 0; nothing changes without "results.txt".
    void showResults();

    // --- the loadout panel `frameLoadout`
    const LoadoutCatalogue& loadouts() const { return loadouts_; }
    void listLoadouts();          // `Label24`: the player's aircraft's loadouts
    void chooseLoadout(int line); // a click in `LodList`
    void writeLoadout(int line);  // a double-click: the game's "Loadout.dat" rebuilt with it
    void copyNewLoadoutTable();   // `Label25`: the game's table becomes the reference copy

    // --- the second build's scenario frame `Frame11`
    const ScenarioSetup& scenario() const { return scenario_; }
    void chooseScenario(int k); // `Label35(k)`
    // `Label33` before the map is built: checks the chosen scenario whole, then reads its names,
    // targets and pictures. False (nothing read, the frame kept) when it cannot be loaded.
    bool beginScenario();
    // `Label33` after the first map build: the stored choices, the weapon names, the summary.
    void finishScenario();

    // --- the theatre map (mission_builder_map.cpp)
    const TheatreMap& theatreMap() const { return map_; }
    // `Label4`: builds the map anew; false (and a message) when it cannot be drawn.
    bool buildMap();
    // `FrontLine(set)`: draws that front-line set over the map; false (and a message) on failure.
    bool FrontLine(int set);
    // `FL(index)`: the map rebuilt with front-line set index x 12.
    void chooseFrontLine(int index);
    void hoverMap(double x, double y, bool buttonHeld);
    // A click on the map: sets the target or home base as `Targo` says and alternates `Targo`.
    void clickMap();
    void setMapPointerEnabled(bool enabled);

    // The current choices with the lists that name them, for the summary and the file writers.
    MissionSnapshot snapshot() const { return {choices_, catalog_, PList_, TList_}; }

  private:
    void report(const std::string& text);
    void report(const common::Problem& problem);
    void reportAll(const std::vector<std::string>& notes, const common::Problems& problems);
    void apply(const MissionSummary& summary);
    void refreshNames(); // Label1 and Label2 from the indices
    std::string planeName(const std::string& text) const;
    std::string targetName(const std::string& text) const;
    std::string optionRowValue(int row) const;
    std::filesystem::path builderFile(std::string_view name) const;

    std::filesystem::path gameFolder_;
    BuildSettings settings_;
    OptionCatalog catalog_;
    DataLocator data_;
    std::filesystem::path builderFolder_;
    std::filesystem::path picturesFolder_;
    std::filesystem::path missionsFolder_;

    MissionChoices choices_;
    std::vector<std::string> PList_;
    std::vector<std::string> TList_;
    TargetTable targets_;
    TargetGrid Tg_;
    std::vector<std::string> weaponNames_;
    PictureTable pictures_;
    BoardGeometry geometry_;
    BoardView view_;
    std::array<std::string, kRoleCount> Label1_;
    std::array<std::string, 2> Label2_;
    std::string Label9_;
    bool Frame3_ = false;
    bool Frame6_ = false;
    std::vector<std::string> savedMissions_;
    std::filesystem::path selectedMission_; // empty until one is chosen in `File1`
    std::string Label10_ = "Label10";
    std::string Text3_;
    int currentRow_ = 0;
    int currentCell_ = 0;
    std::map<int, std::string> pictureCache_;
    bool missingPictureReported_ = false;
    std::vector<std::string> messages_;
    LoadoutCatalogue loadouts_;
    ScenarioSetup scenario_;
    TheatreMap map_;
};

} // namespace sortie
