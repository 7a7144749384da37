#pragma once
// "Show mission results" (`Label23`): the report `Label22` built from the game's "results.txt".

#include "common/problem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sortie {

inline constexpr std::string_view kResultsFileName = "results.txt";
inline constexpr std::string_view kResultsTitle = "THE RESULTS OF THE LAST MISSION";

// The title, two CRs, then one line (ended by CR) for each of lines 0 to 10 that the file holds.
std::string resultsText(const std::vector<std::string>& lines);

// A number the way the report shows it: no padding, a fraction only when there is one.
std::string plainNumber(double value);

struct ResultsReport {
    bool shown = false;     // false leaves the board as it is
    std::string reportText; // `Label22`
    std::vector<std::string> notes;
    std::optional<common::Problem> problem;
};

ResultsReport showResults(const std::filesystem::path& gameFolder);

} // namespace sortie
