#include "outfitter/sets/set_click_plan.h"

#include <optional>
#include <string_view>

namespace outfitter {

namespace {

using Kind = SetClickStep::Kind;

char firstLetter(const std::string& name) {
    return name.empty() ? '\0' : name.front();
}

} // namespace

bool allowsSeveralLoaded(char categoryLetter) {
    return std::string_view("GNXYZK").find(categoryLetter) != std::string_view::npos &&
           categoryLetter != '\0';
}

std::vector<SetClickStep> planSetClick(const std::vector<SetClickRow>& rows, std::size_t clicked,
                                       bool ready) {
    std::vector<SetClickStep> steps;
    if (clicked >= rows.size())
        return steps;
    const auto& row = rows[clicked];
    const char letter = firstLetter(row.name);

    // Replaying the ledger only restores marks: no set makes way and nothing is copied or deleted,
    // even when an edited ledger names two sets of a one-at-a-time category.
    if (!ready) {
        steps.push_back({row.loaded ? Kind::Unmark : Kind::Mark, clicked});
        return steps;
    }

    if (letter == 'C') {
        if (row.loaded) {
            steps.push_back({Kind::Unmark, clicked});
            steps.push_back({Kind::MoveOut, clicked});
            return steps;
        }
        // The first loaded campaign, from the top, makes way.
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].loaded && firstLetter(rows[i].name) == 'C') {
                steps.push_back({Kind::Unmark, i});
                steps.push_back({Kind::MoveOut, i});
                break;
            }
        }
        steps.push_back({Kind::Mark, clicked});
        steps.push_back({Kind::MoveIn, clicked});
        return steps;
    }

    if (row.loaded) {
        steps.push_back({Kind::Unmark, clicked});
        steps.push_back({Kind::MoveOut, clicked});
        return steps;
    }
    if (!allowsSeveralLoaded(letter)) {
        // The last loaded set of the same category, from the top, makes way.
        std::optional<std::size_t> previous;
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].loaded && firstLetter(rows[i].name) == letter)
                previous = i;
        if (previous) {
            steps.push_back({Kind::Unmark, *previous});
            steps.push_back({Kind::MoveOut, *previous});
        }
    }
    steps.push_back({Kind::MoveIn, clicked});
    steps.push_back({Kind::Mark, clicked});
    return steps;
}

} // namespace outfitter
