// The second build's scenario list, file table and OK sequence on hand-made scenario folders.
#include "scenario_fixture.h"
#include "sortie/core/mission_builder.h"
#include "sortie/second/scenario_setup.h"

#include <gtest/gtest.h>

namespace sortie {
namespace {

bool mentions(const std::vector<std::string>& messages, const std::string& text) {
    for (const auto& m : messages)
        if (m.find(text) != std::string::npos)
            return true;
    return false;
}

class ScenarioTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::makeSecondBuildFolder(game.path()); }
    std::filesystem::path scenarios() const { return game.path() / "PEV" / "PEVScenarios"; }
    MissionBuilder started() {
        MissionBuilder b(game.path(), sortiexSettings());
        b.start();
        return b;
    }
    // The OK sequence's model steps, as the window runs them around the map's.
    static bool ok(MissionBuilder& b) {
        if (!b.beginScenario())
            return false;
        b.finishScenario();
        return true;
    }
    testing::TempFolder game;
};

TEST_F(ScenarioTest, EverySubfolderGetsAPaddedLabelInFolderOrder) {
    ScenarioSetup s;
    EXPECT_TRUE(
        s.start(game.path(), scenarios(), scenarios().parent_path() / "PEVScreens" / "FormPic").empty());
    EXPECT_EQ(s.scenarioCaptions(),
              (std::vector<std::string>{"   Alpha   ", "   Bravo   ", "   Charlie   "}));
    EXPECT_EQ(s.gameFolderText(), game.path().string());
    EXPECT_EQ(s.framePicture(), "form picture");
    EXPECT_EQ(s.chosen(), -1);
    EXPECT_TRUE(s.frameShown());
}

TEST_F(ScenarioTest, ChoosingFillsTheFileTableWithTheFilesAsSpelledOnDisk) {
    ScenarioSetup s;
    s.start(game.path(), scenarios(), {});
    ASSERT_TRUE(s.choose(0));
    const std::string folder =
        (scenarios() / "Alpha").string() + static_cast<char>(std::filesystem::path::preferred_separator);
    EXPECT_EQ(s.chosenFolderText(), folder);
    EXPECT_EQ(s.filePaths()[0], folder + "tarnames.str");
    EXPECT_EQ(s.filePaths()[5], folder + "loadout.dat");
    EXPECT_EQ(s.filePaths()[7], folder + "weapons.str");
    EXPECT_EQ(s.filePaths()[4], "");
    EXPECT_EQ(s.filePaths()[8], "");
    EXPECT_TRUE(s.missingFiles().empty());

    ASSERT_TRUE(s.choose(2));
    EXPECT_EQ(s.filePaths()[1], (scenarios() / "Charlie" / "Pnames.str").string());
    EXPECT_EQ(s.missingFiles(), std::vector<std::string>{"frntline.dat"});
    EXPECT_FALSE(s.choose(3));
    EXPECT_EQ(s.chosen(), 2);
}

TEST_F(ScenarioTest, AMissingScenariosFolderIsReportedByNameAndListsNothing) {
    std::filesystem::remove_all(scenarios());
    MissionBuilder b = started();
    EXPECT_TRUE(mentions(b.messages(), "PEVScenarios"));
    EXPECT_EQ(b.scenario().setup().scenarioCount(), 0u);
    EXPECT_EQ(b.scenario().setup().scenarioCaptions(), std::vector<std::string>{scenarios().string()});
    b.scenario().choose(0);
    EXPECT_FALSE(b.beginScenario());
    EXPECT_TRUE(b.scenario().setup().frameShown());
}

TEST_F(ScenarioTest, StartUpLoadsNoTheatreUntilAScenarioIsLoaded) {
    MissionBuilder b = started();
    EXPECT_TRUE(b.mission().lists().targetNames.empty());
    EXPECT_TRUE(b.mission().lists().targetGrid.rows.empty());
    EXPECT_TRUE(b.scenario().setup().frameShown());
    // Over the board only the default picture shows while the frame is up.
    b.board().hover(9300, 886.0 * 3 + 400);
    EXPECT_EQ(b.board().view().picture, -1);
    EXPECT_EQ(b.board().PicShow(b.board().view().picture), "kob picture");
}

TEST_F(ScenarioTest, OkBeforeAChoiceOrOnAScenarioLackingAFileLoadsNothing) {
    MissionBuilder b = started();
    EXPECT_FALSE(ok(b));
    EXPECT_TRUE(mentions(b.messages(), "Choose a scenario first"));
    b.scenario().choose(2);
    EXPECT_FALSE(ok(b));
    EXPECT_TRUE(mentions(b.messages(), "lacks frntline.dat"));
    EXPECT_TRUE(b.mission().lists().targetNames.empty());
    EXPECT_TRUE(b.mission().lists().weaponNames.empty());
    EXPECT_TRUE(b.scenario().setup().frameShown());

    // The player chooses again and goes on.
    b.scenario().choose(1);
    EXPECT_TRUE(ok(b));
    EXPECT_EQ(b.mission().lists().targetNames.size(), 150u);
}

TEST_F(ScenarioTest, OkReadsEveryTheatreFileFromTheChosenScenario) {
    MissionBuilder b = started();
    b.scenario().choose(0);
    ASSERT_TRUE(ok(b));
    EXPECT_FALSE(b.scenario().setup().frameShown());
    EXPECT_EQ(b.mission().lists().aircraftNames.size(), 32u);
    EXPECT_EQ(b.mission().lists().aircraftNames[9], "Alpha plane 9");
    EXPECT_EQ(b.mission().lists().aircraftNames[31], "Random");
    EXPECT_EQ(b.mission().lists().targetNames.size(), 200u);
    EXPECT_EQ(b.mission().lists().targetGrid.rows[127][kTgNameColumn], "Alpha target 127");
    EXPECT_EQ(b.mission().lists().weaponNames, (std::vector<std::string>{"", "Alpha gun", "Alpha bomb"}));
    EXPECT_EQ(b.choices().rolePlanes, (std::array<std::string, 4>{"9", "10", "16", "19"}));
    EXPECT_EQ(b.mission().roleAircraftNames()[3], "Alpha plane 19");
    EXPECT_EQ(b.mission().placeNames()[1], "Alpha target 95");
    EXPECT_NE(b.mission().summary().summaryText.find("Alpha plane 9"), std::string::npos);
    // The board's pictures come from the screens folder, falling back to "KobPic".
    EXPECT_EQ(b.board().PicShow(3), "weather picture");
    EXPECT_EQ(b.board().PicShow(5), "kob picture");
}

TEST_F(ScenarioTest, StoredChoicesAreRestoredAfterTheScenarioDefaults) {
    testing::writeFile(
        game.path() / "PEV" / "pevset.txt",
        "12\r\n 6 \r\n13\r\n14\r\n15\r\n 0 \r\n3\r\n4\r\n"
        " 1 \r\n 1 \r\n 4 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 4 \r\n 2 \r\n");
    MissionBuilder b = started();
    b.scenario().choose(1);
    ASSERT_TRUE(ok(b));
    EXPECT_EQ(b.choices().rolePlanes[0], "12");
    EXPECT_EQ(b.mission().roleAircraftNames()[0], "Bravo plane 12");
    EXPECT_EQ(b.choices().interdictionType, 4);
    EXPECT_NE(b.mission().summary().summaryText.find("Warships"), std::string::npos);
    EXPECT_EQ(b.mission().placeNames()[0], "Bravo target 4");
}

TEST_F(ScenarioTest, LoadoutsComeFromTheScenarioAndGoToTheGamesTable) {
    MissionBuilder b = started();
    b.loadout().list();
    EXPECT_TRUE(b.loadout().catalogue().listLines().empty());
    EXPECT_FALSE(b.messages().empty());

    b.scenario().choose(1);
    ASSERT_TRUE(ok(b));
    b.loadout().list();
    ASSERT_EQ(b.loadout().catalogue().listLines().size(), 14u);
    EXPECT_EQ(b.loadout().catalogue().listLines()[8], "2  Bravo bomb");
    b.loadout().write(8);
    const std::string reference = game.read("PEV/PEVScenarios/Bravo/loadout.dat");
    const std::string expected = reference.substr(0, 4) + reference.substr(48, 44) + reference.substr(48, 44);
    EXPECT_EQ(game.read("Loadout.dat"), expected);
}

} // namespace
} // namespace sortie
