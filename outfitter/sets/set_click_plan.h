#pragma once
// What a click on a row of the set grid does, worked out from the rows' names and marks alone: which
// set must make way first (one-at-a-time categories, one campaign at a time) and whether the clicked
// set is loaded or unloaded. The window carries the steps out in order, then runs the summary refresh.

#include <cstddef>
#include <string>
#include <vector>

namespace outfitter {

struct SetClickRow {
    std::string name; // the set folder's name, e.g. "W-Summer 1940"
    bool loaded = false;
};

struct SetClickStep {
    enum class Kind { Unmark, MoveOut, Mark, MoveIn };
    Kind kind;
    std::size_t row; // index into the rows passed in

    bool operator==(const SetClickStep&) const = default;
};

// G, N, X, Y, Z and K sets may stand together; every other letter loads one at a time.
bool allowsSeveralLoaded(char categoryLetter);

// Steps for a click on `clicked`. While `ready` is false (the ledger replay) the click only marks or
// unmarks the row itself: no file is copied or deleted and no other row makes way.
std::vector<SetClickStep> planSetClick(const std::vector<SetClickRow>& rows, std::size_t clicked, bool ready);

} // namespace outfitter
