#include "startup/program_start.h"
#include "startup/ui/folder_chooser.h"

#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace eaw::startup;
using testsupport::TempFolder;

namespace {

class GameFolderChooser : public ::testing::Test {
  protected:
    void SetUp() override { FolderChooser::clearAsked(); }
    void TearDown() override { FolderChooser::setNextAnswers({}); }

    TempFolder dir_;
    std::filesystem::path remember_ = dir_.path() / "config" / "game-folder";
};

} // namespace

TEST_F(GameFolderChooser, AGameFolderIsUsedWithoutAsking) {
    const auto game = dir_.folder("EAW");
    dir_.write("EAW/Eaw.Exe", "MZ");
    StartRequest request;
    request.currentFolder = game;
    EXPECT_EQ(settleGameFolder(request, remember_), game);
    EXPECT_TRUE(FolderChooser::asked().empty());
    EXPECT_FALSE(std::filesystem::exists(remember_));
}

TEST_F(GameFolderChooser, CancellingLeavesTheStartingFolderAndTheConfigurationUntouched) {
    const auto home = dir_.folder("home");
    StartRequest request;
    request.currentFolder = home;
    FolderChooser::setNextAnswers({std::nullopt});
    EXPECT_FALSE(settleGameFolder(request, remember_));
    ASSERT_EQ(FolderChooser::asked().size(), 1u);
    EXPECT_EQ(FolderChooser::asked().front().offer, home);
    EXPECT_EQ(dir_.entries(), std::set<std::string>{"home/"});
}

TEST_F(GameFolderChooser, AChoiceWithoutTheGameIsAskedAgainAndTheGoodOneIsOfferedNextTime) {
    const auto home = dir_.folder("home");
    const auto game = dir_.folder("EAW");
    dir_.write("EAW/eaw.exe", "MZ");
    StartRequest request;
    request.currentFolder = home;
    FolderChooser::setNextAnswers({home, game});
    EXPECT_EQ(settleGameFolder(request, remember_), game);
    ASSERT_EQ(FolderChooser::asked().size(), 2u);
    EXPECT_TRUE(FolderChooser::asked()[1].note.contains(u"no eaw.exe"_s));

    FolderChooser::clearAsked();
    FolderChooser::setNextAnswers({std::nullopt});
    EXPECT_FALSE(settleGameFolder(request, remember_));
    ASSERT_EQ(FolderChooser::asked().size(), 1u);
    EXPECT_EQ(FolderChooser::asked().front().offer, game);
    EXPECT_EQ(dir_.entries().count("home/QIV128/"), 0u);
}
