// The demo game folder's layout: selector sets, plane sets, skins, ledger, settings, builder folder,
// and the writer's refusal of foreign folders and re-runs on its own.

#include "demo_fixture.h"

#include "make_demo_game/demo_contents.h"
#include "make_demo_game/planes.h"

#include "common/folder_listing.h"
#include "common/names.h"
#include "common/numbers.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>

namespace {

namespace fs = std::filesystem;
namespace contents = demo::contents;
using demo_test::bytesOf;
using demo_test::DemoGameSuite;

class DemoGameFolder : public DemoGameSuite {
  protected:
    static fs::path selector() { return root() / contents::kSelector; }
    static fs::path set(std::string_view name) { return selector() / name; }
    static std::vector<std::string> files(const fs::path& folder, std::string_view patterns = "*.*") {
        return common::listFiles(folder, patterns).value;
    }
};

TEST_F(DemoGameFolder, SelectorHoldsSetsOfManyCategoriesBesideReservedAndForeignFolders) {
    const auto folders = common::listFolders(selector()).value;
    std::set<char> categories;
    for (const std::string_view name : contents::kSetFolders) {
        EXPECT_TRUE(fs::is_directory(set(name))) << name;
        EXPECT_FALSE(files(set(name), "contents.txt").empty()) << name;
        categories.insert(name.front());
    }
    EXPECT_GE(contents::kSetFolders.size(), 14U);
    EXPECT_GE(categories.size(), 8U);
    EXPECT_EQ(folders.size(), contents::kSetFolders.size() + 4); // UNUSED, _Downloads, skins, autoscripts
    EXPECT_TRUE(fs::is_directory(set(contents::kUnused)));
    EXPECT_TRUE(fs::is_directory(set(contents::kNotASet)));
    EXPECT_FALSE(fs::exists(selector() / "qiv.ini"));
    EXPECT_EQ(files(selector() / contents::kAutoscripts, "*.set").size(), 5U);
}

TEST_F(DemoGameFolder, SetFilesOverlapWhereLoadingOneSetOverAnotherReplacesFiles) {
    const auto bob = files(set("W-Battle of Britain 1940"));
    const auto desert = files(set("W-Desert Air War"));
    std::set<std::string> shared;
    for (const auto& name : bob) {
        for (const auto& other : desert) {
            if (common::equalsIgnoreCase(name, other) && name != "contents.txt") {
                shared.insert(name);
            }
        }
    }
    EXPECT_EQ(shared, (std::set<std::string>{"horizon.tpc", "planes.dat", "terrain1.ter"}));
    EXPECT_NE(bytesOf(set("W-Battle of Britain 1940") / "horizon.tpc"),
              bytesOf(set("W-Desert Air War") / "horizon.tpc"));
    EXPECT_TRUE(fs::exists(root() / "terrain1.ter")); // also a stock file of the game

    for (const std::string_view campaign : {"C-Channel Front 1941", "C Operation Overlord"}) {
        EXPECT_FALSE(files(set(campaign), "*.sve").empty()) << campaign;
        EXPECT_FALSE(files(set(campaign), "*.msn").empty()) << campaign;
    }
    // Pictures of every kind the browser shows.
    EXPECT_FALSE(files(set("W-Battle of Britain 1940"), "mypic").empty());
    EXPECT_FALSE(files(set("W-Desert Air War"), "*.jpg").empty());
    EXPECT_FALSE(files(set("G-Cloud Textures"), "*.bmp").empty());
    const std::string jpeg = bytesOf(set("W-Desert Air War") / "desert.jpg");
    EXPECT_EQ(jpeg.substr(0, 2), "\xFF\xD8");
    EXPECT_EQ(jpeg.substr(jpeg.size() - 2), "\xFF\xD9");
}

TEST_F(DemoGameFolder, LedgerNamesTwoSetsWhoseFilesAreInTheGameFolder) {
    EXPECT_EQ(bytesOf(selector() / "FoldersLoaded.txt"),
              "W-Battle of Britain 1940\r\nG-Cloud Textures\r\n\r\n");
    EXPECT_EQ(bytesOf(root() / "planes.dat"), bytesOf(set("W-Battle of Britain 1940") / "planes.dat"));
    EXPECT_TRUE(fs::exists(root() / contents::kSaveData / "EagleDay.msn"));
    EXPECT_TRUE(fs::exists(root() / contents::kMusic / "bobtheme.bgm"));
    EXPECT_TRUE(fs::exists(root() / "cloud1.tpc"));
    EXPECT_TRUE(fs::exists(root() / "clouds.bmp"));
    // Loading skips the set's description, picture and loader.
    EXPECT_FALSE(fs::exists(root() / "contents.txt"));
    EXPECT_FALSE(fs::exists(root() / "mypic"));
    EXPECT_FALSE(fs::exists(root() / "loader.ldr"));
}

TEST_F(DemoGameFolder, PlaneSetsHoldOneQivFileOf169LinesDescribingTheirSlot) {
    const fs::path pack = set("F-Fighter Pack");
    EXPECT_TRUE(fs::exists(pack / "planes.dat"));
    for (const std::string_view planeSet : contents::kPlaneSets) {
        const auto qivs = files(pack / planeSet, "*.qiv");
        ASSERT_EQ(qivs.size(), 1U) << planeSet;
        const std::string bytes = bytesOf(pack / planeSet / qivs.front());
        const auto lines = common::splitLines(bytes);
        ASSERT_EQ(lines.size(), 169U) << planeSet;
        EXPECT_EQ(common::joinLinesCrLf(lines), bytes) << "every line ends with CR LF";
        const long slot = common::readInteger(lines[1]);
        ASSERT_GE(slot, 0);
        ASSERT_LT(slot, 30);
        std::string code;
        for (std::size_t line = 1; line < lines.size(); ++line) {
            ASSERT_TRUE(common::roundToByte(common::readNumber(lines[line])).has_value()) << line;
        }
        for (std::size_t line = 165; line < 169; ++line) {
            code.push_back(static_cast<char>(common::readInteger(lines[line])));
        }
        EXPECT_EQ(code, demo::planeCodes()[static_cast<std::size_t>(slot)]) << planeSet;
    }
}

TEST_F(DemoGameFolder, SkinStoreHoldsFourSkinsTwoOfThemForTheSameAircraft) {
    const fs::path store = selector() / contents::kSkinFolder;
    std::multiset<std::string> codes;
    for (const std::string_view skin : contents::kSkins) {
        const auto models = files(store / skin, "p*.3dz");
        ASSERT_FALSE(models.empty()) << skin;
        codes.insert(common::toUpperAscii(models.front().substr(1, 4)));
    }
    EXPECT_TRUE(files(store / contents::kSkinWithoutModel, "p*.3dz").empty());
    EXPECT_EQ(common::listFolders(store).value.size(), contents::kSkins.size() + 1);
    EXPECT_EQ(codes.count("SP09"), 2U);
    EXPECT_EQ(codes.count("HURR"), 1U);
    EXPECT_EQ(codes.count("109G"), 1U);
}

TEST_F(DemoGameFolder, GameFolderHoldsExecutablesSettingsAndStockFolders) {
    EXPECT_EQ(files(root(), "*.exe"), (std::vector<std::string>{"eaw.exe", "PEVeaw.exe"}));
    const auto ini = common::readLines(root() / "eaw.ini").value;
    for (const std::string key : {"Width=", "Height=", "ExtraSquads=", "Day=", "Month=", "PlaneSetNumber=",
                                  "PlayerNation=", "PlayerPlane="}) {
        EXPECT_EQ(std::count_if(ini.begin(), ini.end(),
                                [&key](const std::string& l) { return l.rfind(key, 0) == 0; }),
                  key == "Month=" ? 2 : 1) // the settings editor rewrites a repeated key on every line
            << key;
    }
    EXPECT_EQ(files(root() / contents::kSaveData, "Default*.msn").size(), 2U);
    EXPECT_GE(files(root() / contents::kMusic, "*.bgm").size(), 2U);
    EXPECT_EQ(common::readLines(root() / "Music.ini").value,
              (std::vector<std::string>{"MusicOriginal", "MusicSwing", "MusicBigBand"}));
    EXPECT_TRUE(fs::is_directory(root() / "MusicSwing"));
}

TEST_F(DemoGameFolder, BuilderFolderHoldsPictureTableBoardPicturesAndASavedMission) {
    const fs::path builder = root() / contents::kBuilder;
    const auto table = common::readLines(builder / "PevPic.txt").value;
    ASSERT_EQ(table.size(), 12U);
    for (const std::string& line : table) {
        const auto eq = line.find('=');
        ASSERT_NE(eq, std::string::npos) << line;
        const std::string bmp = bytesOf(builder / line.substr(eq + 1));
        ASSERT_GE(bmp.size(), 54U) << line;
        EXPECT_EQ(bmp.substr(0, 2), "BM") << line;
        EXPECT_EQ(demo_test::byteAt(bmp, 2) + 256U * demo_test::byteAt(bmp, 3) +
                      65536U * demo_test::byteAt(bmp, 4),
                  bmp.size())
            << line;
    }
    EXPECT_EQ(bytesOf(builder / "KobPic").substr(0, 2), "BM");
    EXPECT_EQ(bytesOf(builder / "Loadout.dat"), bytesOf(root() / "Loadout.dat"));
    EXPECT_FALSE(fs::exists(builder / "pevset.txt")) << "a fresh start shows the defaults";

    const fs::path missions = builder / contents::kMissions;
    const auto mission = common::readLines(missions / "Channel Sweep.mpf").value;
    ASSERT_EQ(mission.size(), 22U + 18U + 1U);
    EXPECT_EQ(mission[21], "DETAILS:");
    EXPECT_EQ(mission[16], std::to_string(contents::kHomeBaseRecord));
    EXPECT_EQ(mission.back(), "");
    EXPECT_EQ(common::readLines(missions / "Channel Sweep.jsv").value.size(), 20U);
}

class DemoGameWriter : public ::testing::Test {
  protected:
    void SetUp() override { base_ = demo_test::freshTempFolder("writer"); }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(base_, ec);
    }
    fs::path base_;
};

TEST_F(DemoGameWriter, RefusesAForeignNonEmptyFolderAndTouchesNothing) {
    const fs::path game = base_ / "game";
    fs::create_directories(game);
    { std::ofstream(game / "notes.txt") << "mine"; }

    const auto outcome = demo::writeDemoGame(game);
    EXPECT_FALSE(outcome.refusal.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(game), fs::directory_iterator()), 1);

    std::string command = std::string("\"") + MAKE_DEMO_GAME_EXE + "\" \"" + game.string() + "\" 2>\"" +
                          (base_ / "err.txt").string() + "\"";
#if defined(_WIN32)
    command = "\"" + command + "\""; // cmd.exe takes off the outermost pair of quotes
#endif
    EXPECT_NE(std::system(command.c_str()), 0);
    const auto message = common::readLines(base_ / "err.txt").value;
    ASSERT_EQ(message.size(), 1U);
    EXPECT_NE(message.front().find("not empty"), std::string::npos) << message.front();
}

TEST_F(DemoGameWriter, ReRunOnItsOwnFolderKeepsPlayerFilesAndExistingLetterCase) {
    const fs::path game = base_ / "game";
    ASSERT_TRUE(demo::writeDemoGame(game).ok());
    { std::ofstream(game / "mine.txt") << "mine"; }
    fs::rename(game / contents::kSaveData, game / "savedata");
    fs::remove(game / "eaw.tm");

    const auto outcome = demo::writeDemoGame(game);
    EXPECT_TRUE(outcome.ok()) << outcome.refusal;
    EXPECT_TRUE(fs::exists(game / "mine.txt"));
    EXPECT_TRUE(fs::exists(game / "eaw.tm"));
    EXPECT_TRUE(fs::exists(game / "savedata" / "Default1.msn"));
    std::vector<std::string> spellings;
    for (const auto& entry : fs::directory_iterator(game))
        if (common::equalsIgnoreCase(entry.path().filename().string(), "savedata"))
            spellings.push_back(entry.path().filename().string());
    // Wine leaves a rename that changes only the letter case undone, so only the count holds there.
    EXPECT_EQ(spellings.size(), 1U) << "no second folder differing only in case";
#if !defined(_WIN32)
    EXPECT_EQ(spellings, std::vector<std::string>{"savedata"});
#endif
}

TEST_F(DemoGameWriter, AcceptsAnEmptyFolderAndRefusesAFile) {
    EXPECT_TRUE(demo::writeDemoGame(base_).ok());
    EXPECT_TRUE(fs::exists(base_ / "eaw.exe"));
    const fs::path file = base_ / "eaw.ini";
    EXPECT_FALSE(demo::writeDemoGame(file).refusal.empty());
}

} // namespace
