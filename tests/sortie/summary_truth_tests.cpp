// The summary never lags the choices: whichever control changes them, `Label9` and the description
// after "DETAILS:" in the files written next describe the mission that is written.
#include "sortie/core/mission_builder.h"
#include "sortie/core/mission_file.h"
#include "sortie_test_files.h"
#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

namespace sortie {
namespace {

std::string slurp(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The description part of a mission file: everything after the line "DETAILS:", minus the final
// empty line the writer adds.
std::string details(const std::string& mission) {
    const std::string marker = std::string(kDetailsLine) + "\r\n";
    const auto at = mission.find(marker);
    if (at == std::string::npos)
        return "(no DETAILS: line)";
    std::string text = mission.substr(at + marker.size());
    if (text.ends_with("\r\n"))
        text.resize(text.size() - 2);
    return text;
}

struct Choice {
    const char* what;
    std::function<void(MissionBuilder&)> make;
    std::string expected; // a summary line the choice must produce
};

class SummaryTruthTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::makeGameFolder(game.path());
        std::filesystem::create_directories(game.path() / "Savedata");
        testing::writeFile(game.path() / "eaw.ini", "PlayerNation=1\r\nPlayerPlane=9\r\n");
    }
    testing::TempFolder game;
};

TEST_F(SummaryTruthTest, EveryKindOfChoiceReachesTheSummaryAndTheFilesAtOnce) {
    const std::vector<Choice> choices{
        {"a choice in PList",
         [](MissionBuilder& b) {
             b.board().selectRole(2);
             b.board().choosePlane(21);
         },
         "Enemy aircraft: Plane 21"},
        {"a right-button role change, then a cell",
         [](MissionBuilder& b) {
             b.board().selectRole(0);
             b.board().hover(2316 * 1 + 500, 1218 * 3 + 500); // cell 13
             b.board().releaseOnCell(MouseButton::Right, 13);
             b.board().releaseOnCell(MouseButton::Left, 13);
         },
         "My support aircraft: Plane 13"},
        {"a role's number typed", [](MissionBuilder& b) { b.board().setRolePlane(0, "3"); },
         "My aircraft: Plane 3"},
        {"a choice in TList",
         [](MissionBuilder& b) {
             b.map().selectPick(kTargoTarget);
             b.map().chooseTarget(42);
         },
         "Target: Target 42"},
        {"a home base number typed", [](MissionBuilder& b) { b.map().setPlaceRecord(1, "40"); },
         "Home Base: Target 40"},
        {"the number of aircraft typed", [](MissionBuilder& b) { b.board().setAircraftCount("7"); },
         "Number of aircraft: 7"},
        {"a nation button, then the board's year row",
         [](MissionBuilder& b) {
             b.board().selectNation(kGerman);
             b.board().hover(9300, 886.0 * 1 + 400);
             b.board().releaseOnBoard(MouseButton::Left, false);
         },
         "Year:1943"},
        {"an option button", [](MissionBuilder& b) { b.board().selectOption(Group::W, 2); },
         "Weather: Broken clouds"},
        {"the ground-start box", [](MissionBuilder& b) { b.board().setGroundStart(true); }, "Ground start"},
    };

    MissionBuilder b(game.path(), sortieSettings());
    b.start();
    int n = 0;
    for (const Choice& choice : choices) {
        SCOPED_TRACE(choice.what);
        choice.make(b);
        const std::string shown = b.mission().summary().summaryText;
        EXPECT_EQ(shown, ShowChoice(b.mission().snapshot()).summaryText);
        EXPECT_NE(shown.find(choice.expected + "\r\n"), std::string::npos) << shown;

        const std::string name = "probe" + std::to_string(n++);
        ASSERT_TRUE(b.saveLoad().save(name));
        EXPECT_EQ(details(slurp(game.path() / "PEV" / "PEVMissions" / (name + ".mpf"))), shown);
        b.launch().LaunchMission();
        EXPECT_EQ(details(slurp(game.path() / "Savedata" / "SingMiss.mpf")), shown);
        EXPECT_EQ(b.mission().summary().summaryText, shown) << "writing changed nothing";
    }
}

TEST_F(SummaryTruthTest, PlaneCellMarkersFollowEveryRoleChange) {
    MissionBuilder b(game.path(), sortieSettings());
    b.start();
    b.board().selectRole(3);
    b.board().choosePlane(5);
    EXPECT_EQ(b.mission().summary().cellCaptions[5], "Plane 5\rEnemy #2  plane");
    EXPECT_EQ(b.mission().summary().cellCaptions[19], "Plane 19");
    b.board().setRolePlane(0, "5");
    EXPECT_EQ(b.mission().summary().cellCaptions[5], "Plane 5\rMy plane\rEnemy #2  plane");
}

} // namespace
} // namespace sortie
