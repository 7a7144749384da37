// The six "eaw.ini" settings and the free-text view, on real files: what is read, the exact bytes
// written back, and that a failed save leaves the file as it was with no "eaw.ink" behind.

#include "outfitter/settings/game_settings.h"
#include "outfitter/settings/ini_lines.h"

#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

namespace fs = std::filesystem;
using outfitter::GameSettings;
using outfitter::IniSaveOutcome;
using outfitter::IniValues;
using Status = IniSaveOutcome::Status;
using testsupport::TempFolder;

// Comments, a lower-case key, keys inside lines, a comment after a value, a repeated key.
constexpr const char* kMixedIni = "; settings\r\n"
                                  "Width=1024 ; wide enough\r\n"
                                  "width=640\r\n"
                                  "Height=  768\r\n"
                                  "ExtraSquads=abc\r\n"
                                  "FirstDay=3\r\n"
                                  " Day=9\r\n"
                                  "Day=15\r\n"
                                  "Month=6\r\n"
                                  "Year=1940\r\n"
                                  "Month=8.50x\r\n"
                                  "PlaneSetNumber=-2\r\n";

class GameSettingsTest : public ::testing::Test {
  protected:
    TempFolder game;
    GameSettings settings{game.path()};

    fs::path ini() const { return game.path() / "eaw.ini"; }
    bool inkLeft() const { return fs::exists(game.path() / "eaw.ink"); }
};

TEST_F(GameSettingsTest, ReadTakesTheLastNumberOfEachKeyAtTheStartOfALineOnly) {
    game.write("eaw.ini", kMixedIni);
    EXPECT_TRUE(settings.IniRead().empty());
    EXPECT_EQ(settings.values(), (IniValues{"1024", "768", "0", "15", "8.5", "-2"}));
}

TEST_F(GameSettingsTest, ReadKeepsBoxesOfKeysTheFileLacksAndFindsTheFileWhateverItsCase) {
    game.write("eaw.ini", "Width=800\r\nDay=2\r\n");
    ASSERT_TRUE(settings.IniRead().empty());
    fs::remove(ini());
    game.write("EAW.INI", "Height=600\nMonth=0012\n"); // LF endings are read too
    ASSERT_TRUE(settings.IniRead().empty());
    EXPECT_EQ(settings.values(), (IniValues{"800", "600", "", "2", "12", ""}));
}

TEST_F(GameSettingsTest, MissingFileReadsNothingAndSavesNothing) {
    EXPECT_TRUE(settings.IniRead().empty());
    EXPECT_EQ(settings.values(), IniValues{});
    EXPECT_EQ(settings.inisave({"1", "2", "3", "4", "5", "6"}, true).status, Status::NoIniFile);
    EXPECT_EQ(settings.InSaver("Width=1\n").status, Status::NoIniFile);
    EXPECT_FALSE(settings.IniEdit().found);
    EXPECT_TRUE(game.entries().empty());
}

TEST_F(GameSettingsTest, SaveRewritesEveryKeyedLineWithTheBoxTextAsTypedAndKeepsTheRest) {
    game.write("eaw.ini", kMixedIni);
    const IniValues boxes{"1280", "01024", "0", "1", "7", "65535"};
    const auto outcome = settings.inisave(boxes, true);
    ASSERT_EQ(outcome.status, Status::Saved) << (outcome.problem ? outcome.problem->text() : "");
    EXPECT_EQ(game.read("eaw.ini"), "; settings\r\n"
                                    "Width=1280\r\n"
                                    "width=640\r\n"
                                    "Height=01024\r\n"
                                    "ExtraSquads=0\r\n"
                                    "FirstDay=3\r\n"
                                    " Day=9\r\n"
                                    "Day=1\r\n"
                                    "Month=7\r\n"
                                    "Year=1940\r\n"
                                    "Month=7\r\n"
                                    "PlaneSetNumber=65535\r\n");
    EXPECT_EQ(settings.values(), boxes);
    EXPECT_EQ(outcome.changed, (std::vector<std::size_t>{0, 1, 3, 4, 5})) << "ExtraSquads read as 0 already";
    EXPECT_EQ(outcome.file, ini());
    EXPECT_FALSE(inkLeft());
}

TEST_F(GameSettingsTest, AValueTheGameCannotReadRefusesTheWholeSaveAndNamesTheBox) {
    game.write("eaw.ini", kMixedIni);
    using Reason = outfitter::IniRefusal::Reason;
    const struct {
        IniValues boxes;
        std::size_t key;
        Reason reason;
    } cases[] = {
        {{"1280", "768", "2", "45", "7", "1"}, 3, Reason::OutOfRange},
        {{"1280", "768", "2", "0", "7", "1"}, 3, Reason::OutOfRange},
        {{"1280", "768", "2", "15", "abc", "1"}, 4, Reason::NotWholeNumber},
        {{"1280", "768", "2", "15", "13", "1"}, 4, Reason::OutOfRange},
        {{"65536", "768", "2", "15", "7", "1"}, 0, Reason::TooLarge},
        {{"99999999999999999999", "768", "2", "15", "7", "1"}, 0, Reason::TooLarge},
        {{"1280", " 768", "2", "15", "7", "1"}, 1, Reason::NotWholeNumber},
        {{"1280", "768", "-2", "15", "7", "1"}, 2, Reason::NotWholeNumber},
        {{"1280", "768", "2", "15", "7", ""}, 5, Reason::NotWholeNumber},
        {{"1280", "768", "2", "15", "7.5", "1"}, 4, Reason::NotWholeNumber},
    };
    for (const auto& c : cases) {
        const auto outcome = settings.inisave(c.boxes, true);
        ASSERT_EQ(outcome.status, Status::Refused) << c.boxes[c.key];
        ASSERT_TRUE(outcome.refusal);
        EXPECT_EQ(outcome.refusal->key, c.key);
        EXPECT_EQ(outcome.refusal->value, c.boxes[c.key]);
        EXPECT_EQ(outcome.refusal->reason, c.reason) << c.boxes[c.key];
        EXPECT_EQ(game.read("eaw.ini"), kMixedIni);
        EXPECT_FALSE(inkLeft());
    }
    EXPECT_EQ(settings.values(), IniValues{});
}

TEST_F(GameSettingsTest, BoxesOfKeysTheFileLacksAreNeitherCheckedNorWritten) {
    game.write("eaw.ini", "Day=3\r\n");
    const auto outcome = settings.inisave({"", "x", "", "31", "", ""}, true);
    ASSERT_EQ(outcome.status, Status::Saved);
    EXPECT_EQ(game.read("eaw.ini"), "Day=31\r\n");
    EXPECT_EQ(outcome.changed, (std::vector<std::size_t>{3}));
}

TEST_F(GameSettingsTest, SaveEndsEveryLineWithCrLfAndAddsNoKey) {
    game.write("Eaw.Ini", "[Game]\nWidth=640\r\nSound=1"); // mixed endings, last line unended
    ASSERT_EQ(settings.inisave({"800", "600", "1", "2", "3", "4"}, true).status, Status::Saved);
    EXPECT_EQ(game.read("Eaw.Ini"), "[Game]\r\nWidth=800\r\nSound=1\r\n");
    EXPECT_FALSE(testsupport::hasEntrySpelled(ini().parent_path(), ini().filename().string()))
        << "the file keeps its own spelling";
    EXPECT_FALSE(inkLeft());
}

TEST_F(GameSettingsTest, NothingIsSavedWhileTheReadyFlagIsOff) {
    game.write("eaw.ini", kMixedIni);
    EXPECT_EQ(settings.inisave({"1", "2", "3", "4", "5", "6"}, false).status, Status::NotReady);
    EXPECT_EQ(game.read("eaw.ini"), kMixedIni);
    EXPECT_EQ(settings.values(), IniValues{});
}

TEST_F(GameSettingsTest, ReadOnlyFileIsSavedAndLeftWritable) {
    game.write("eaw.ini", "Width=640\r\n");
    fs::permissions(ini(), fs::perms::owner_read | fs::perms::group_read);
    ASSERT_EQ(settings.inisave({"800", "", "", "", "", ""}, true).status, Status::Saved);
    EXPECT_EQ(game.read("eaw.ini"), "Width=800\r\n");
    EXPECT_NE(fs::status(ini()).permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST_F(GameSettingsTest, FailedSaveLeavesBytesAndAttributesAsTheyWere) {
    game.write("eaw.ini", kMixedIni);
    const auto readOnly = fs::perms::owner_read | fs::perms::group_read;
    fs::permissions(ini(), readOnly);
    game.write("eaw.ink/keep.txt", "not ours"); // a folder where the temporary file must go
    const auto outcome = settings.inisave({"1", "2", "3", "4", "5", "6"}, true);
    EXPECT_EQ(outcome.status, Status::Failed);
    ASSERT_TRUE(outcome.problem);
    EXPECT_FALSE(outcome.problem->reason.empty());
    EXPECT_EQ(game.read("eaw.ini"), kMixedIni);
#if defined(_WIN32) // one read-only attribute stands for all the write bits
    EXPECT_EQ(fs::status(ini()).permissions() & fs::perms::owner_write, fs::perms::none);
#else
    EXPECT_EQ(fs::status(ini()).permissions(), readOnly);
#endif
    EXPECT_EQ(game.read("eaw.ink/keep.txt"), "not ours");
    EXPECT_EQ(settings.values(), IniValues{}) << "the boxes were not saved, so they are not the values";

    const auto freeSave = settings.InSaver("Width=1\n");
    EXPECT_EQ(freeSave.status, Status::Failed);
    EXPECT_EQ(game.read("eaw.ini"), kMixedIni);
}

TEST_F(GameSettingsTest, StaleTemporaryFileOfAnEarlierCrashIsReplacedAndGone) {
    game.write("eaw.ini", "Day=1\r\n");
    game.write("eaw.ink", "half a file");
    ASSERT_EQ(settings.inisave({"", "", "", "20", "", ""}, true).status, Status::Saved);
    EXPECT_EQ(game.read("eaw.ini"), "Day=20\r\n");
    EXPECT_FALSE(inkLeft());
}

TEST_F(GameSettingsTest, FreeTextShowsTheFileAndSavesTheTextWithAFinalLineBreak) {
    game.write("eaw.ini", "; top\nWidth=640\r\nDay=3");
    const auto shown = settings.IniEdit();
    EXPECT_TRUE(shown.found);
    EXPECT_EQ(shown.text, "; top\r\nWidth=640\r\nDay=3\r\n");

    // The box gives its lines with LF; the saved file has CR LF and one more line break at the end.
    ASSERT_EQ(settings.InSaver("; top\nWidth=1600 big\r\nMonth=11").status, Status::Saved);
    EXPECT_EQ(game.read("eaw.ini"), "; top\r\nWidth=1600 big\r\nMonth=11\r\n");
    EXPECT_EQ(settings.values()[0], "1600") << "the values are read again after the save";
    EXPECT_EQ(settings.values()[4], "11");
    EXPECT_FALSE(inkLeft());

    // Saving the view unchanged keeps every line; the text already ended with a line break.
    ASSERT_EQ(settings.InSaver(settings.IniEdit().text).status, Status::Saved);
    EXPECT_EQ(game.read("eaw.ini"), "; top\r\nWidth=1600 big\r\nMonth=11\r\n\r\n");
}

TEST(ShortestNumber, WritesTheLeadingNumberWithoutPaddingOrNeedlessDigits) {
    EXPECT_EQ(outfitter::shortestNumber("1024 ; comment"), "1024");
    EXPECT_EQ(outfitter::shortestNumber("  0640"), "640");
    EXPECT_EQ(outfitter::shortestNumber("2.50"), "2.5");
    EXPECT_EQ(outfitter::shortestNumber("-3x"), "-3");
    EXPECT_EQ(outfitter::shortestNumber("-0"), "0");
    EXPECT_EQ(outfitter::shortestNumber(""), "0");
    EXPECT_EQ(outfitter::shortestNumber("x12"), "0");
}

} // namespace
