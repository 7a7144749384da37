#include "sortie/core/results_report.h"

#include "common/numbers.h"
#include "common/resolver.h"
#include "common/text_file.h"

#include <array>
#include <charconv>
#include <cmath>

namespace sortie {

namespace {

constexpr std::size_t kReportedLines = 11;

constexpr std::array<std::string_view, 8> kFates{
    "You survived OK",          "You landed your plane",   "You suffered damage", "You crashed your plane",
    "You were rescued on land", "You were rescued at sea", "You were killed",     "You were captured"};
constexpr std::array<std::string_view, 5> kRatings{"Mission rating: TERRIBLE!", "Mission rating: POOR",
                                                   "Mission rating: AVERAGE", "Mission rating: GOOD",
                                                   "Mission rating: EXCEPTIONAL"};
constexpr std::array<std::string_view, 3> kStates{"The mission is still in progress",
                                                  "The mission was accomplished", "The mission failed"};

// A listed code's text, or the code itself after a plain label when the game wrote something else.
template <std::size_t N>
std::string coded(const std::array<std::string_view, N>& texts, double value, std::string_view label) {
    if (value >= 0 && value < static_cast<double>(N) && value == std::floor(value))
        return std::string(texts[static_cast<std::size_t>(value)]);
    return std::string(label) + plainNumber(value);
}

std::string congratulation(double value, std::string_view text) {
    return value == -1 ? std::string() : std::string(text);
}

std::string reportLine(std::size_t k, double value) {
    switch (k) {
    case 0:
        return "Player's point score = " + plainNumber(value);
    case 1:
        return "Number of aircraft/ground objects destroyed = " + plainNumber(value);
    case 2:
        return coded(kFates, value, "Player's fate: code ");
    case 3:
        return coded(kRatings, value, "Mission rating: code ");
    case 4:
        return coded(kStates, value, "Mission state: code ");
    case 5:
        return {};
    case 6:
        return "Squadron kills: " + plainNumber(value);
    case 7:
        return "Squadron losses: " + plainNumber(value);
    case 8:
        return "Squadron ground targets hit: " + plainNumber(value);
    case 9:
        return congratulation(value, "Congratulations! You are to be promoted");
    case 10:
        return congratulation(value, "Congratulations! You have been awarded a medal");
    default:
        return {};
    }
}

} // namespace

std::string plainNumber(double value) {
    if (value == 0)
        return "0"; // no "-0"
    std::array<char, 64> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return std::string(buffer.data(), end);
}

std::string resultsText(const std::vector<std::string>& lines) {
    std::string text(kResultsTitle);
    text += "\r\r";
    for (std::size_t k = 0; k < lines.size() && k < kReportedLines; ++k) {
        text += reportLine(k, common::readNumber(lines[k]));
        text += '\r';
    }
    return text;
}

ResultsReport showResults(const std::filesystem::path& gameFolder) {
    ResultsReport report;
    const auto file = common::resolve(gameFolder, kResultsFileName);
    if (file.problem) {
        report.problem = file.problem;
        return report;
    }
    if (!file.value.exists) {
        report.notes.push_back("No " + std::string(kResultsFileName) + " in " + common::pathText(gameFolder) +
                               " yet: the game writes it at the end of a mission");
        return report;
    }
    auto lines = common::readLines(file.value.path);
    if (lines.problem) {
        report.problem = lines.problem;
        return report;
    }
    report.reportText = resultsText(lines.value);
    report.shown = true;
    return report;
}

} // namespace sortie
