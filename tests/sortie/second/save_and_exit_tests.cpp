// "Save parameters and exit" and the save-and-load panel of the second build, byte for byte.
#include "scenario_fixture.h"
#include "sortie/core/mission_builder.h"

#include "common/text_file.h"

#include <gtest/gtest.h>

namespace sortie {
namespace {

std::vector<std::string> lines(const std::string& bytes) {
    return common::splitLines(bytes);
}

class SaveAndExitTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::makeSecondBuildFolder(game.path());
        builder = std::make_unique<MissionBuilder>(game.path(), sortiexSettings());
        builder->start();
        builder->scenario().choose(1);
        ASSERT_TRUE(builder->beginScenario());
        builder->finishScenario();
    }
    std::string messages() const {
        std::string all;
        for (const auto& m : builder->messages())
            all += m + "\n";
        return all;
    }
    testing::TempFolder game;
    std::unique_ptr<MissionBuilder> builder;
};

TEST_F(SaveAndExitTest, WritesTheIniTheMissionAndTheChoicesIntoTheBuilderFolder) {
    builder->board().setRolePlane(0, "16"); // a German aircraft
    builder->board().selectOption(Group::MT, 4);
    builder->board().selectOption(Group::IntType, 4);
    ASSERT_TRUE(builder->launch().LaunchMission()) << messages();

    EXPECT_EQ(game.read("eaw.ini"), "Width=1024\r\nPlayerNation=0\r\nPlayerPlane=16\r\nYear=1940\r\n");
    EXPECT_FALSE(std::filesystem::exists(game.path() / "pev.ini"));
    const auto mission = lines(game.read("PEV/SingMiss.mpf"));
    ASSERT_GT(mission.size(), 22u);
    EXPECT_EQ(mission[6], "16");
    EXPECT_EQ(mission[18], " 4 "); // "Warships"
    EXPECT_EQ(mission[21], "DETAILS:");
    EXPECT_NE(game.read("PEV/SingMiss.mpf").find("Interdiction Type: Warships"), std::string::npos);
    const auto choices = lines(game.read("PEV/pevset.txt"));
    ASSERT_EQ(choices.size(), 20u);
    EXPECT_EQ(choices[0], "16");
    EXPECT_EQ(choices[18], " 4 ");
    // Nothing goes to the game's own mission slot and nothing is started.
    EXPECT_FALSE(std::filesystem::exists(game.path() / "Savedata"));
}

TEST_F(SaveAndExitTest, TheFiveInterdictionTypesAreOffered) {
    EXPECT_EQ(builder->mission().catalog().info(Group::IntType).captions,
              (std::vector<std::string>{"Trucks", "Armour", "Train", "Ships", "Warships"}));
}

TEST_F(SaveAndExitTest, AnIniThatCannotBeReplacedStopsEverythingAndKeepsTheWindow) {
    const std::string before = game.read("eaw.ini");
    std::filesystem::create_directories(game.path() / "pev.ini" / "blocked");
    EXPECT_FALSE(builder->launch().LaunchMission());
    EXPECT_EQ(game.read("eaw.ini"), before);
    EXPECT_FALSE(std::filesystem::exists(game.path() / "PEV" / "SingMiss.mpf"));
    EXPECT_NE(messages().find("eaw.ini"), std::string::npos);
}

TEST_F(SaveAndExitTest, AMissionOrChoicesFileThatCannotBeWrittenIsNamed) {
    std::filesystem::create_directories(game.path() / "PEV" / "SingMiss.mpf" / "blocked");
    EXPECT_FALSE(builder->launch().LaunchMission());
    EXPECT_NE(messages().find("SingMiss.mpf"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(game.path() / "PEV" / "pevset.txt"));

    std::filesystem::remove_all(game.path() / "PEV" / "SingMiss.mpf");
    std::filesystem::create_directories(game.path() / "PEV" / "pevset.txt" / "blocked");
    EXPECT_FALSE(builder->launch().LaunchMission());
    EXPECT_NE(messages().find("pevset.txt"), std::string::npos);
}

TEST_F(SaveAndExitTest, AReadOnlyIniOrChoicesFileIsReportedBeforeAnythingIsSaved) {
    namespace fs = std::filesystem;
    const std::string before = game.read("eaw.ini");
    fs::permissions(game.path() / "eaw.ini", fs::perms::owner_read);
    EXPECT_FALSE(builder->launch().LaunchMission());
    EXPECT_EQ(game.read("eaw.ini"), before);
    EXPECT_FALSE(fs::exists(game.path() / "PEV" / "SingMiss.mpf"));
    EXPECT_NE(messages().find("eaw.ini: the file is read-only"), std::string::npos) << messages();

    // The ini is writable again, the choices file is not: the ini still stays as it was.
    fs::permissions(game.path() / "eaw.ini", fs::perms::owner_write, fs::perm_options::add);
    testing::writeFile(game.path() / "PEV" / "pevset.txt", "old choices");
    fs::permissions(game.path() / "PEV" / "pevset.txt", fs::perms::owner_read);
    EXPECT_FALSE(builder->launch().LaunchMission());
    EXPECT_EQ(game.read("eaw.ini"), before);
    EXPECT_EQ(game.read("PEV/pevset.txt"), "old choices");
    EXPECT_FALSE(fs::exists(game.path() / "PEV" / "SingMiss.mpf"));
}

TEST_F(SaveAndExitTest, LoadInstallsTheSavedPairInTheBuilderFolder) {
    builder->board().selectOption(Group::IntType, 4);
    ASSERT_TRUE(builder->saveLoad().save("Warships run")) << messages();
    const std::string mpf = game.read("PEV/PEVMissions/Warships run.mpf");
    const std::string jsv = game.read("PEV/PEVMissions/Warships run.jsv");
    builder->board().selectOption(Group::IntType, 0);
    builder->saveLoad().select("Warships run.mpf");
    ASSERT_TRUE(builder->saveLoad().load()) << messages();
    EXPECT_EQ(game.read("PEV/SingMiss.mpf"), mpf);
    EXPECT_EQ(game.read("PEV/pevset.txt"), jsv);
    EXPECT_EQ(builder->choices().interdictionType, 4);
}

} // namespace
} // namespace sortie
