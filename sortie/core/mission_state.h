#pragma once
// What every panel of the mission builder shares: where the files are, the theatre's name lists, the
// current mission choices with the names and the summary that describe them, and the message line.
// Choices change only through `change`, which keeps the names and the summary in step with them.

#include "common/problem.h"
#include "sortie/core/choice_history.h"
#include "sortie/core/mission_choices.h"
#include "sortie/core/mission_summary.h"
#include "sortie/core/option_catalog.h"
#include "sortie/second/build_settings.h"
#include "sortie/theatre/data_locator.h"
#include "sortie/theatre/target_grid.h"
#include "sortie/theatre/target_table.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sortie {

// The folders of one build, fixed at start-up.
struct BuilderPlaces {
    std::filesystem::path gameFolder;
    std::filesystem::path builderFolder;
    std::filesystem::path picturesFolder;
    std::filesystem::path missionsFolder;
};

// The theatre as read from the game or the scenario; empty until read.
struct TheatreLists {
    std::vector<std::string> aircraftNames; // `PList`: then "None" and "Random"
    std::vector<std::string> targetNames;   // `TList`: entry k names record k
    TargetTable targets;
    TargetGrid targetGrid; // `Tg`
    std::vector<std::string> weaponNames;
};

// An existing entry below `base` whatever its letter case, else the path spelt as given.
std::filesystem::path pathBelow(const std::filesystem::path& base, std::string_view relative);

class MissionState final {
  public:
    MissionState(std::filesystem::path gameFolder, BuildSettings settings);

    const BuildSettings& settings() const { return settings_; }
    const OptionCatalog& catalog() const { return catalog_; }
    const BuilderPlaces& places() const { return places_; }
    const DataLocator& data() const { return data_; }
    // The second build reads its theatre from the chosen scenario folder.
    void useScenarioFolder(const std::filesystem::path& folder);

    const TheatreLists& lists() const { return lists_; }
    // Name lists and target grid, then the weapon names, from where the build takes them.
    void loadTheatre();
    void readWeaponNames();
    // The map writes each record's map position into the grid.
    TargetGrid& targetGrid() { return lists_.targetGrid; }

    const MissionChoices& choices() const { return choices_; }
    // Applies `edit` to the choices, then brings the role and place names and the summary up to date,
    // so the summary always describes the mission that would be written. Every change is a step of
    // the history, named by `label` or else by the first choice it changed; keystrokes into the same
    // `typingBox` make one step until `endTyping`.
    template <class Edit> void change(Edit&& edit, std::string label = {}, std::string_view typingBox = {}) {
        MissionChoices before = choices_;
        edit(choices_);
        afterChange();
        if (stepDepth_ == 0)
            recordStep(before, std::move(label), typingBox);
        else if (stepLabel_.empty())
            stepLabel_ = std::move(label);
    }
    // A role's aircraft as text; the player's aircraft also sets the nation.
    void setRolePlane(int role, const std::string& text, std::string_view typingBox = {});

    // Several changes that the player made with one action, undone as one step while it lives.
    class OneStep final {
      public:
        explicit OneStep(MissionState& mission);
        ~OneStep();
        OneStep(const OneStep&) = delete;
        OneStep& operator=(const OneStep&) = delete;

      private:
        MissionState& mission_;
    };
    const ChoiceHistory& history() const { return history_; }
    // The choices before (after) the last step, with their names, summary and markers. False when
    // there is nothing to undo (redo).
    bool undo();
    bool redo();
    void endTyping() { history_.endTyping(); }
    // Start-up is not a choice of the player's: nothing before it can be undone.
    void forgetHistory() { history_.clear(); }

    const std::array<std::string, kRoleCount>& roleAircraftNames() const { return roleAircraftNames_; }
    const std::array<std::string, 2>& placeNames() const { return placeNames_; } // target, home base
    std::string nationText() const;                                              // `Label3`

    // `ShowChoice`: the summary, the plane-cell captions and the interdiction frames, from scratch.
    void ShowChoice();
    void applySummary(const MissionSummary& summary);
    const MissionSummary& summary() const { return summary_; }
    // The hovered plane cell shows only its aircraft until the next summary.
    void showCellName(int cell, const std::string& name);

    // `ReadLast`: the choices file over the current choices; `Label30` then rebuilds the summary.
    void ReadLast();
    void restoreChoices();

    // The current choices with the lists that name them, for the summary and the file writers.
    MissionSnapshot snapshot() const {
        return {choices_, catalog_, lists_.aircraftNames, lists_.targetNames};
    }

    // Messages for the message line, oldest first.
    const std::vector<std::string>& messages() const { return messages_; }
    void report(const std::string& text);
    void report(const common::Problem& problem);
    void reportAll(const std::vector<std::string>& notes, const common::Problems& problems);

  private:
    void afterChange();
    void recordStep(const MissionChoices& before, std::string label, std::string_view typingBox);
    void refreshNames();

    BuildSettings settings_;
    OptionCatalog catalog_;
    BuilderPlaces places_;
    DataLocator data_;
    TheatreLists lists_;
    MissionChoices choices_;
    std::array<std::string, kRoleCount> roleAircraftNames_; // `Label1`
    std::array<std::string, 2> placeNames_;                 // `Label2`
    MissionSummary summary_;
    std::vector<std::string> messages_;
    ChoiceHistory history_;
    int stepDepth_ = 0;
    MissionChoices stepBefore_;
    std::string stepLabel_;
};

} // namespace sortie
