#pragma once
// The way back from a wrong click: the choices as they stood before each change, with a few words
// naming the change, and the steps undone since the last change for redo.

#include "sortie/core/mission_choices.h"
#include "sortie/core/option_catalog.h"

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace sortie {

// Whether two sets of choices make the same mission and board; the front line drawn on the map is
// how the map is shown, not a choice of the mission, so it is left out.
bool sameChoices(const MissionChoices& a, const MissionChoices& b);

// "Target = Calais docks": the first choice that differs between `before` and `after`, as the player
// would name it; empty when nothing differs.
std::string describeChange(const MissionChoices& before, const MissionChoices& after,
                           const OptionCatalog& catalog, const std::vector<std::string>& aircraftNames,
                           const std::vector<std::string>& targetNames);

class ChoiceHistory final {
  public:
    // More than the hundred steps a player may want back; the oldest go first.
    static constexpr std::size_t kDepth = 200;

    // A change from `before` to `after`. A change that continues typing into the same box (the same
    // non-empty `typingBox` with no other step between) stays one step with the newer label, and
    // vanishes when the typing has brought the value back. Any new step drops the redo steps.
    void record(const MissionChoices& before, const MissionChoices& after, std::string label,
                std::string_view typingBox = {});
    // The next keystroke starts a step of its own.
    void endTyping() { typingBox_.clear(); }

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // The choice the next undo or redo takes back or makes again; empty when there is none.
    std::string undoLabel() const { return undo_.empty() ? std::string() : undo_.back().label; }
    std::string redoLabel() const { return redo_.empty() ? std::string() : redo_.back().label; }
    std::size_t undoCount() const { return undo_.size(); }

    // The choices to go back (forward) to from `current`, which the redo (undo) side keeps. False and
    // `current` untouched when there is no step.
    bool undo(MissionChoices& current);
    bool redo(MissionChoices& current);
    void clear();

  private:
    struct Step {
        MissionChoices choices;
        std::string label;
    };
    std::deque<Step> undo_;
    std::vector<Step> redo_;
    std::string typingBox_;
};

} // namespace sortie
