// `outfitter --add` on the demo game folder: archives made on the spot become sets, a clash or a
// hostile archive is refused in one line with nothing written, and the options are checked.

#include "outfitter/cli/cli_runner.h"

#include "command_line.h"

#include "archive_maker.h"
#include "make_demo_game/demo_game.h"
#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace outfitter;
using namespace outfitter::testing;
namespace fs = std::filesystem;

namespace {

class AddCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        game_ = dir_.folder("EAW");
        ASSERT_TRUE(demo::writeDemoGame(game_).ok());
        downloads_ = dir_.folder("Downloads");
    }
    int run(const std::vector<std::string>& args) {
        return outfitter::testing::runCommandLine(args, dir_.path(), game_, out_, err_);
    }
    std::vector<std::string> sets() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(game_ / "QIV128"))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    testsupport::TempFolder dir_;
    fs::path game_, downloads_;
    std::ostringstream out_, err_;
};

} // namespace

TEST_F(AddCommand, LooseFilesBecomeASetUnderTheGivenLetterAndNameAndTheLogSaysSo) {
    const auto zip = downloads_ / "desert.zip";
    makeArchive(zip, ArchiveFormat::Zip, {file("sand.tpc", "sand"), file("Missions/raid.msn", "raid")});
    ASSERT_EQ(run({"--add", zip.string(), "--category", "W", "--name", "Sahara 1942", game_.string()}), 0)
        << err_.str();
    EXPECT_EQ(out_.str(), "Added W-Sahara 1942 from desert.zip: 2 files, 1 KB\n");
    EXPECT_EQ(dir_.read("EAW/QIV128/W-Sahara 1942/sand.tpc"), "sand");
    EXPECT_NE(dir_.read("EAW/QIV128/outfitter.log").find(" add QIV128/W-Sahara 1942 from desert.zip"),
              std::string::npos)
        << dir_.read("EAW/QIV128/outfitter.log");

    // The name defaults to the archive's own; a set named in the archive needs no letter.
    const auto named = downloads_ / "haze.7z";
    makeArchive(named, ArchiveFormat::SevenZip, {file("G-Morning Haze/haze.tpc", "haze")});
    ASSERT_EQ(run({"--add", named.string(), game_.string()}), 0) << err_.str();
    EXPECT_EQ(dir_.read("EAW/QIV128/G-Morning Haze/haze.tpc"), "haze");
    ASSERT_EQ(run({"--add", zip.string(), "--category", "G", game_.string()}), 0) << err_.str();
    EXPECT_EQ(dir_.read("EAW/QIV128/G-desert/sand.tpc"), "sand");
}

TEST_F(AddCommand, ClashesHostileArchivesAndBadUsageAreRefusedInOneLineWithNothingWritten) {
    // The first start that may change the folder makes what such a start always makes (its lock too).
    ASSERT_EQ(run({"--apply", "No Such Package", game_.string()}), 1);
    const auto before = sets();
    const auto clash = downloads_ / "W-desert air war.zip";
    makeArchive(clash, ArchiveFormat::Zip, {file("W-DESERT AIR WAR/x.tpc", "x")});
    EXPECT_EQ(run({"--add", clash.string(), game_.string()}), 1);
    EXPECT_NE(err_.str().find("W-Desert Air War"), std::string::npos) << err_.str();

    const auto hostile = downloads_ / "evil.tar";
    makeArchive(hostile, ArchiveFormat::Tar, {file("../../escape.dat", "x")});
    EXPECT_EQ(run({"--add", hostile.string(), "--category", "W", game_.string()}), 1);
    const auto said = err_.str();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;

    const auto loose = downloads_ / "loose.zip";
    makeArchive(loose, ArchiveFormat::Zip, {file("a.tpc", "a")});
    EXPECT_EQ(run({"--add", loose.string(), game_.string()}), 1);
    EXPECT_NE(err_.str().find("--category"), std::string::npos);
    EXPECT_EQ(run({"--add", loose.string(), "--category", "?", game_.string()}), 1);

    EXPECT_EQ(run({"--category", "W", game_.string()}), 2);
    EXPECT_EQ(run({"--add", loose.string(), "--apply", "Desert War", game_.string()}), 2);
    EXPECT_EQ(sets(), before);
    EXPECT_FALSE(fs::exists(dir_.path() / "escape.dat"));

    EXPECT_EQ(run({"--help"}), 0);
}
