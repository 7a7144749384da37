#include "mission_fixture.h"

#include "sortie/core/results_report.h"

using namespace sortie;
using namespace sortie::testing;

namespace {

std::string cr(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (auto line : lines) {
        out += line;
        out += '\r';
    }
    return out;
}

class Results : public MissionTest {};

TEST_F(Results, AFullResultsFileGivesTheWholeReport) {
    writeFile(game() / "results.txt", crlf({"250", "3", "1", "3", "1", "0", "4", "1", "2", "-1", "5", "77"}));
    const auto report = showResults(game());
    ASSERT_TRUE(report.shown);
    EXPECT_EQ(report.reportText,
              "THE RESULTS OF THE LAST MISSION\r\r" +
                  cr({"Player's point score = 250", "Number of aircraft/ground objects destroyed = 3",
                      "You landed your plane", "Mission rating: GOOD", "The mission was accomplished", "",
                      "Squadron kills: 4", "Squadron losses: 1", "Squadron ground targets hit: 2", "",
                      "Congratulations! You have been awarded a medal"}));
}

TEST_F(Results, AShortFileGivesOnlyItsLines) {
    writeFile(game() / "RESULTS.TXT", "  12 points\n0\n6");
    const auto report = showResults(game());
    ASSERT_TRUE(report.shown);
    EXPECT_EQ(report.reportText,
              "THE RESULTS OF THE LAST MISSION\r\r" +
                  cr({"Player's point score = 12", "Number of aircraft/ground objects destroyed = 0",
                      "You were killed"}));
}

TEST_F(Results, OddValuesAreShownPlainly) {
    const auto text = resultsText({"-3.5", "x", "9", "-1", "2.5", "whatever", "007", "0", "0", "0", "0"});
    EXPECT_EQ(text, "THE RESULTS OF THE LAST MISSION\r\r" +
                        cr({"Player's point score = -3.5", "Number of aircraft/ground objects destroyed = 0",
                            "Player's fate: code 9", "Mission rating: code -1", "Mission state: code 2.5", "",
                            "Squadron kills: 7", "Squadron losses: 0", "Squadron ground targets hit: 0",
                            "Congratulations! You are to be promoted",
                            "Congratulations! You have been awarded a medal"}));
}

TEST_F(Results, NoResultsFileShowsNoReportButSaysWhy) {
    const auto report = showResults(game());
    EXPECT_FALSE(report.shown);
    EXPECT_FALSE(report.problem);
    EXPECT_EQ(report.notes.size(), 1u);

    std::filesystem::create_directory(game() / "results.txt");
    const auto unreadable = showResults(game());
    EXPECT_FALSE(unreadable.shown);
    EXPECT_TRUE(unreadable.problem);
}

} // namespace
