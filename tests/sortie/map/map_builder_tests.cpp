// The theatre map inside the mission builder: where its files come from, what a missing or short
// file leaves behind, and what picks on the map set.
#include "map_test_files.h"
#include "sortie_test_files.h"

#include "sortie/core/mission_builder.h"

#include <gtest/gtest.h>

namespace sortie {
namespace {

using testing::frontPointAt;
using testing::frontTerminator;

// Records at map positions, encoded by hand: X = (X4 + 3) mod 256 x 256 + X3 - 128.
std::string targetsAt(const std::vector<std::tuple<int, int, bool>>& places) {
    std::string out = {static_cast<char>(places.size()), '\0', '\0', '\0'};
    for (std::size_t k = 0; k < places.size(); ++k) {
        const auto [x, y, airfield] = places[k];
        std::string r(32, '\0');
        const int vx = x + 128, vy = y + 128;
        r[2] = static_cast<char>(vx % 256);
        r[3] = static_cast<char>((vx / 256 + 253) % 256);
        r[6] = static_cast<char>(vy % 256);
        r[7] = static_cast<char>(228 + vy / 256);
        r[16] = static_cast<char>(k); // name index k: "Place k"
        r[18] = static_cast<char>(airfield ? 64 : 0);
        out += r;
    }
    return out;
}

class MapInBuilder : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::makeGameFolder(game(), 30, 0);
        folder.write("tarnames.str", testing::stringTableBytes({"Place 0", "Place 1", "Place 2", "Place 3"}));
        folder.write("targets.dat",
                     targetsAt({{100, 100, true}, {500, 200, false}, {900, 300, true}, {1300, 400, false}}));
        folder.write("eaw.tm", std::string(640 * 320, '\x01'));
        std::string lines = frontPointAt(10, 10) + frontPointAt(300, 10) + frontTerminator();
        lines.resize(600 * 12, '\xFF');
        lines += frontPointAt(10, 1000) + frontPointAt(300, 1000) + frontTerminator();
        lines.resize(600 * 13, '\xFF');
        folder.write("frntline.dat", lines);
    }
    const std::filesystem::path& game() const { return folder.path(); }
    std::unique_ptr<MissionBuilder> started() {
        auto b = std::make_unique<MissionBuilder>(game(), sortieSettings());
        b->start();
        return b;
    }
    testing::TempFolder folder;
};

TEST_F(MapInBuilder, FilesComeFromTheGameFolderElseTheBuilderFolderInAnyLetterCase) {
    std::filesystem::rename(game() / "eaw.tm", game() / "PEV" / "EAW.TM");
    auto b = started();
    EXPECT_TRUE(b->map().build());
    EXPECT_TRUE(b->map().theatreMap().ready());
    EXPECT_EQ(b->map().theatreMap().picture().at(100, 100), kAirfieldColour);
    EXPECT_EQ(b->map().theatreMap().picture().at(700, 700), kLandColour);
    EXPECT_EQ(b->mission().lists().targetGrid.rows[2][kTgMapXColumn], "900");
    EXPECT_EQ(b->mission().lists().targetGrid.rows[2][kTgMapYColumn], "300");

    std::filesystem::rename(game() / "frntline.dat", game() / "PEV" / "FrntLine.dat");
    EXPECT_TRUE(b->map().FrontLine(0));
    EXPECT_EQ(b->map().theatreMap().picture().at(150, 10), kFrontLineColour);
}

TEST_F(MapInBuilder, MissingTileMapLeavesTheMapNotReadyAndSaysWhy) {
    std::filesystem::remove(game() / "eaw.tm");
    auto b = started();
    EXPECT_FALSE(b->map().build());
    EXPECT_FALSE(b->map().theatreMap().ready());
    ASSERT_FALSE(b->messages().empty());
    EXPECT_NE(b->messages().back().find("eaw.tm"), std::string::npos) << b->messages().back();
    EXPECT_EQ(b->map().theatreMap().picture().at(700, 700), kMapBackground);
    b->map().hover(100, 100, false);
    b->map().click();
    EXPECT_FALSE(b->map().theatreMap().nameLabel().visible);
    EXPECT_EQ(b->choices().targetAndBase[0], MissionChoices{}.targetAndBase[0]);
}

TEST_F(MapInBuilder, MissingOrShortFrontLinesKeepTheMapUsableAndSayWhy) {
    auto b = started();
    ASSERT_TRUE(b->map().build());
    std::filesystem::resize_file(game() / "frntline.dat", 600 * 12 + 40);
    b->map().chooseFrontLine(1);
    EXPECT_TRUE(b->map().theatreMap().ready());
    EXPECT_EQ(b->choices().frontLine, 1);
    EXPECT_NE(b->messages().back().find("front-line set 12 needs bytes 7200 to 7799"), std::string::npos)
        << b->messages().back();
    EXPECT_EQ(b->map().theatreMap().picture().at(150, 1000), kLandColour);

    std::filesystem::remove(game() / "frntline.dat");
    const auto count = b->messages().size();
    EXPECT_FALSE(b->map().FrontLine(0));
    EXPECT_EQ(b->messages().size(), count + 1);
    EXPECT_NE(b->messages().back().find("frntline.dat"), std::string::npos);
    EXPECT_TRUE(b->map().theatreMap().ready());
}

TEST_F(MapInBuilder, FrontLineButtonsRebuildTheMapWithSetZeroOrTwelve) {
    auto b = started();
    ASSERT_TRUE(b->map().build());
    ASSERT_TRUE(b->map().FrontLine(0));
    b->map().chooseFrontLine(1);
    EXPECT_EQ(b->map().theatreMap().frontLineGrid().set, 12);
    EXPECT_EQ(b->map().theatreMap().picture().at(150, 1000), kFrontLineColour);
    EXPECT_EQ(b->map().theatreMap().picture().at(150, 10), kLandColour) << "the old line is erased";
    b->map().chooseFrontLine(0);
    EXPECT_EQ(b->map().theatreMap().picture().at(150, 10), kFrontLineColour);
    EXPECT_EQ(b->map().theatreMap().picture().at(150, 1000), kLandColour);
}

TEST_F(MapInBuilder, PicksAlternateTargetAndHomeBaseAndRefuseNonAirfieldBases) {
    auto b = started();
    ASSERT_TRUE(b->map().build());
    b->map().selectPick(kTargoTarget);

    b->map().hover(501, 199, false); // Place 1, not an airfield
    b->map().click();
    EXPECT_EQ(b->choices().targetAndBase[0], "1");
    EXPECT_EQ(b->mission().placeNames()[0], "Place 1");
    EXPECT_EQ(b->choices().nextPick, kTargoHomeBase);

    b->map().hover(1300, 402, false); // Place 3 is no airfield: refused, still choosing the base
    b->map().click();
    EXPECT_EQ(b->choices().nextPick, kTargoHomeBase);
    EXPECT_EQ(b->choices().targetAndBase[1], MissionChoices{}.targetAndBase[1]);

    b->map().hover(898, 300, false);
    b->map().click();
    EXPECT_EQ(b->choices().targetAndBase[1], "2");
    EXPECT_EQ(b->mission().placeNames()[1], "Place 2");
    EXPECT_EQ(b->choices().nextPick, kTargoTarget);

    b->map().hover(100, 100, false);
    b->map().click();
    EXPECT_EQ(b->choices().targetAndBase[0], "0");
    EXPECT_EQ(b->choices().nextPick, kTargoHomeBase);

    // The summary follows each pick at once.
    EXPECT_NE(b->mission().summary().summaryText.find("Home Base: Place 2"), std::string::npos)
        << b->mission().summary().summaryText;
    EXPECT_NE(b->mission().summary().summaryText.find("Target: Place 0"), std::string::npos);

    b->map().hover(700, 700, false); // open country: nothing under the pointer, nothing picked
    b->map().click();
    EXPECT_EQ(b->choices().targetAndBase[0], "0");
    EXPECT_EQ(b->choices().nextPick, kTargoHomeBase);
}

TEST_F(MapInBuilder, TheChosenTargetAndHomeBaseAreMarkedAfterEveryKindOfChoice) {
    auto b = started();
    EXPECT_TRUE(b->map().chosenPlaces().empty()) << "no map yet";
    ASSERT_TRUE(b->map().makeNewMap());
    EXPECT_NE(b->messages().back().find("A new map was made: 204800 land tiles and 4 target markers in "),
              std::string::npos)
        << b->messages().back();
    EXPECT_TRUE(b->map().chosenPlaces().empty()); // 127 and 95 name no record here

    const auto places = [&b] {
        std::vector<std::tuple<int, long, long, std::string>> out;
        for (const ChosenPlace& p : b->map().chosenPlaces())
            out.emplace_back(p.which, p.mapX, p.mapY, p.name);
        return out;
    };
    using Places = std::vector<std::tuple<int, long, long, std::string>>;
    b->map().selectPick(kTargoTarget);
    b->map().chooseTarget(1);
    EXPECT_EQ(places(), (Places{{kTargoTarget, 500, 200, "Place 1"}}));
    b->map().selectPick(kTargoHomeBase);
    b->map().hover(898, 300, false);
    b->map().click();
    EXPECT_EQ(places(), (Places{{kTargoHomeBase, 900, 300, "Place 2"}, {kTargoTarget, 500, 200, "Place 1"}}));
    ASSERT_TRUE(b->map().setPlaceRecord(kTargoTarget, "3"));
    EXPECT_EQ(std::get<3>(places().back()), "Place 3");

    MissionChoices stored;
    stored.targetAndBase = {"2", "0"};
    ASSERT_FALSE(writeChoicesFile(game() / "PEV" / "pevset.txt", stored));
    b->mission().restoreChoices();
    EXPECT_EQ(places(), (Places{{kTargoHomeBase, 100, 100, "Place 0"}, {kTargoTarget, 900, 300, "Place 2"}}));
}

} // namespace
} // namespace sortie
