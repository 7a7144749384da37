#include "outfitter/cli/cli_runner.h"

#include "command_line.h"

#include "make_demo_game/demo_game.h"
#include "test_support/running_program.h"
#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>

using namespace outfitter;

namespace fs = std::filesystem;

namespace {

class FilesAndCheck : public ::testing::Test {
  protected:
    void SetUp() override {
        game_ = dir_.folder("EAW");
        ASSERT_TRUE(demo::writeDemoGame(game_).ok());
    }
    int run(const std::vector<std::string>& args, fs::path folder = {}) {
        return outfitter::testing::runCommandLine(args, dir_.path(), game_, out_, err_, folder);
    }
    std::vector<std::string> outLines() const {
        std::vector<std::string> lines;
        std::istringstream in(out_.str());
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    // Every file below the temporary folder with its bytes.
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(dir_.path()))
            if (entry.is_regular_file())
                files[fs::relative(entry.path(), dir_.path()).generic_string()] = testsupport::slurp(entry.path());
        return files;
    }
    bool printed(const std::string& line) const {
        const auto lines = outLines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    testsupport::TempFolder dir_;
    fs::path game_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(FilesAndCheck, FilesPrintsEachFileOfASetAndWhatItMeets) {
    ASSERT_EQ(run({"--apply", "weather swap"}), 0) << err_.str(); // W-Desert Air War, two G sets

    ASSERT_EQ(run({"--files", "w-battle of britain 1940", game_.string()}), 0) << err_.str();
    // The listing written by hand from the demo's sets: the desert set holds horizon, terrain and
    // planes.dat, the winter terrain and two more sets hold names too; the battle's mission and music go to their own folders; picture, description and
    // loader stay behind.
    const std::vector<std::string> expected{
        "W-Battle of Britain 1940 (not loaded): 8 files",
        "EagleDay.msn | Savedata | nothing",
        "bobtheme.bgm | Music | nothing",
        "contents.txt | left out",
        "horizon.tpc | game folder | a file of W-Desert Air War, loaded",
        "loader.ldr | left out",
        "mypic | left out",
        "planes.dat | game folder | a file of W-Desert Air War, loaded; also in F-Fighter Pack and G-Desert Haze, not loaded",
        "terrain1.ter | game folder | a file of W-Desert Air War, loaded; also in T-Winter Terrain, not loaded",
    };
    auto lines = outLines();
    ASSERT_FALSE(lines.empty());
    std::sort(lines.begin() + 1, lines.end());
    EXPECT_EQ(lines, expected) << out_.str();

    ASSERT_EQ(run({"--files", "W-Desert Air War"}), 0) << err_.str();
    EXPECT_TRUE(printed("Tobruk.msn | Savedata | nothing | as loaded")) << out_.str();
    EXPECT_TRUE(printed("desert.jpg | left out")) << out_.str();

    EXPECT_EQ(run({"--files", "No Such Set"}), 1);
    EXPECT_EQ(err_.str(), "outfitter: there is no set \"No Such Set\" in QIV128\n");
}

TEST_F(FilesAndCheck, CheckFindsDeletedAndChangedFilesAndWritesNothing) {
    ASSERT_EQ(run({"--apply", "weather swap"}), 0) << err_.str();
    EXPECT_EQ(run({"--check"}), 0) << out_.str() << err_.str();

    fs::remove(game_ / "terrain1.ter");
    ASSERT_EQ(run({"--check"}), 1);
    EXPECT_TRUE(printed("missing: terrain1.ter of W-Desert Air War")) << out_.str();
    EXPECT_FALSE(fs::exists(game_ / "terrain1.ter"));

    // One byte changed, size kept; then a file grown by a byte.
    auto bytes = dir_.read("EAW/horizon.tpc");
    bytes[10] = static_cast<char>(bytes[10] ^ 0x20);
    dir_.write("EAW/horizon.tpc", bytes);
    dir_.write("EAW/Music/desert.bgm", dir_.read("EAW/Music/desert.bgm") + "!");
    const auto changed = snapshot();
    ASSERT_EQ(run({"--check", game_.string()}), 1);
    EXPECT_TRUE(printed("differs: horizon.tpc of W-Desert Air War")) << out_.str();
    EXPECT_TRUE(printed("differs: Music/desert.bgm of W-Desert Air War")) << out_.str();
    EXPECT_TRUE(printed("missing: terrain1.ter of W-Desert Air War")) << out_.str();
    EXPECT_TRUE(snapshot() == changed); // the check itself wrote nothing
}

TEST_F(FilesAndCheck, BadUsageEndsWithTwo) {
    EXPECT_EQ(run({"--check", "--apply", "weather swap"}), 2);
    EXPECT_EQ(run({"--check", "--check"}), 2);
    EXPECT_EQ(run({"--files"}), 2);
    EXPECT_EQ(run({"--check"}, dir_.folder("Elsewhere")), 2);
}

#if !defined(_WIN32)
TEST_F(FilesAndCheck, ChangesAreRefusedWhileTheGameRunsFromThisFolderOnly) {
    const auto before = dir_.read("EAW/QIV128/FoldersLoaded.txt");
    {
        testsupport::RunningProgram game(testsupport::waitingScript(game_ / "eaw.exe"), game_);
        ASSERT_TRUE(game.up());
        EXPECT_EQ(run({"--apply", "weather swap"}), 1);
        EXPECT_TRUE(err_.str().find("EAW is running from this game folder") != std::string::npos) << err_.str();
        EXPECT_EQ(dir_.read("EAW/QIV128/FoldersLoaded.txt"), before);
        // Reading still works.
        EXPECT_EQ(run({"--check"}), 0) << out_.str() << err_.str();
        EXPECT_EQ(run({"--files", "W-Desert Air War"}), 0);
    }
    // The same program running from another game folder stops nothing here.
    const auto other = dir_.folder("Other EAW");
    testsupport::RunningProgram elsewhere(testsupport::waitingScript(other / "eaw.exe"), other);
    ASSERT_TRUE(elsewhere.up());
    EXPECT_EQ(run({"--apply", "weather swap"}), 0) << err_.str();
}
#endif

} // namespace
