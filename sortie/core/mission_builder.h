#pragma once
// The mission builder behind the window: starts the panel models, which share one MissionState (the
// folders, the theatre lists, the choices and their summary, the message line), and runs the few
// sequences that pass through several panels. The window forwards each user event to one panel call.

#include "sortie/core/board_model.h"
#include "sortie/core/launch_model.h"
#include "sortie/core/loadout_model.h"
#include "sortie/core/map_model.h"
#include "sortie/core/mission_state.h"
#include "sortie/core/save_load_model.h"
#include "sortie/core/scenario_model.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace sortie {

class MissionBuilder final {
  public:
    MissionBuilder(std::filesystem::path gameFolder, BuildSettings settings);
    MissionBuilder(MissionBuilder&&) noexcept;
    MissionBuilder& operator=(MissionBuilder&&) noexcept;
    ~MissionBuilder();

    // The start-up sequence: folders, saved-missions list, name lists, target grid, picture table,
    // stored choices, weapon names. Theatre data waits for a scenario in a build that uses them.
    void start();
    // `Label33` before the map is built: checks the chosen scenario whole, then reads its names,
    // targets and pictures. False (nothing read, the frame kept) when it cannot be loaded.
    bool beginScenario();
    // `Label33` after the first map build: the stored choices, the weapon names, the summary.
    void finishScenario();
    // `Label23`: the report over the board; nothing changes without "results.txt".
    void showResults();

    // The last choice taken back or made again, with the loadout buffer and the board's captions
    // following the choices. False when there is no step.
    bool undo();
    bool redo();
    // "Surprise me": a whole mission drawn from `seed` as one step of the history, the seed in the
    // message line. Writes nothing. False (and a message) when the theatre offers nothing to draw.
    bool surprise(std::uint64_t seed);

    MissionState& mission() { return parts_->mission; }
    const MissionState& mission() const { return parts_->mission; }
    BoardModel& board() { return parts_->board; }
    const BoardModel& board() const { return parts_->board; }
    SaveLoadModel& saveLoad() { return parts_->saveLoad; }
    const SaveLoadModel& saveLoad() const { return parts_->saveLoad; }
    LoadoutModel& loadout() { return parts_->loadout; }
    const LoadoutModel& loadout() const { return parts_->loadout; }
    MapModel& map() { return parts_->map; }
    const MapModel& map() const { return parts_->map; }
    ScenarioModel& scenario() { return parts_->scenario; }
    const ScenarioModel& scenario() const { return parts_->scenario; }
    LaunchModel& launch() { return parts_->launch; }

    const BuildSettings& settings() const { return mission().settings(); }
    const MissionChoices& choices() const { return mission().choices(); }
    const std::vector<std::string>& messages() const { return mission().messages(); }

  private:
    void followChoices();

    // Kept in one place on the heap: the panels hold the shared state by reference.
    struct Parts {
        Parts(std::filesystem::path gameFolder, BuildSettings settings);
        MissionState mission;
        BoardModel board;
        SaveLoadModel saveLoad;
        ScenarioModel scenario;
        LoadoutModel loadout;
        MapModel map;
        LaunchModel launch;

      private:
        std::filesystem::path loadoutReference() const;
    };

    std::unique_ptr<Parts> parts_;
};

} // namespace sortie
