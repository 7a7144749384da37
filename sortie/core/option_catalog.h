#pragma once
// The fixed vocabulary of the mission choices: option groups with their frame captions and option
// captions, the role, nation, pick and front-line captions, and the rows of the option board.

#include "sortie/core/mission_choices.h"
#include "sortie/second/build_settings.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace sortie {

struct OptionGroupInfo {
    std::string name;         // control name: "YR", "TOD", ...
    std::string frameCaption; // "Year", "Time of Day", ...
    std::vector<std::string> captions;
    int cycleCount = 0; // how many options a board click cycles through (weather skips "Overcast")
};

// One row of the option board's right-hand column.
struct BoardRow {
    std::string name;           // shown in `Label20` and `Label21`
    std::optional<Group> group; // none for row 0, the number of aircraft
    int pictureEntry = 0;
};

inline constexpr int kBoardRowCount = 11;

struct OptionCatalog {
    std::array<OptionGroupInfo, kOptionGroupCount> groups; // indexed by Group
    std::array<Group, 10> frameOrder;                      // Frame1(0..9)
    std::array<std::string, 3> nationCaptions{"German", "British", "US"};
    std::array<std::string, kRoleCount> roleCaptions{"My Aircraft", "My support aircraft",
                                                     "Enemy primary aircraft", "Enemy secondary aircraft"};
    std::array<std::string, 2> pickCaptions{"My Mission Target", "My Home Base"};
    std::array<std::string, 2> frontLineCaptions{"1940-44 Frontline", "1945 Frontline"};
    std::array<BoardRow, kBoardRowCount> boardRows;

    const OptionGroupInfo& info(Group g) const { return groups[static_cast<std::size_t>(g)]; }
    // Caption of the selected option, empty when none is selected.
    std::string selectedCaption(Group g, int index) const;
    // The option a board click moves to: the next one, wrapping to 0 after the cycled ones.
    int nextOption(Group g, int index) const;
    ChoiceLimits limits(int planeCount, int targetCount) const;
};

OptionCatalog makeOptionCatalog(const BuildSettings& settings);

} // namespace sortie
