#include "outfitter/sets/autoscript_store.h"

#include "game_fixture.h"

#include <gtest/gtest.h>

using namespace outfitter;

namespace {

class AutoscriptSave : public test_support::GameFixture {
  protected:
    AutoscriptStore store{selector_};
};

TEST_F(AutoscriptSave, TheTextIsWrittenWithCrLfAndAFinalLineBreakAndListedAfterwards) {
    const auto result = store.save("Channel", "W-Summer\nG-Clouds\n", false);
    EXPECT_EQ(result.outcome, AutoscriptStore::Outcome::Saved);
    EXPECT_EQ(read(selector_ / "Autoscripts" / "Channel.set"), "W-Summer\r\nG-Clouds\r\n\r\n");
    EXPECT_EQ(store.list(), std::vector<std::string>{"Channel.set"});
    EXPECT_EQ(AutoscriptStore::fileBytes("a\r\nb\rc"), "a\r\nb\r\nc\r\n");
}

TEST_F(AutoscriptSave, ANameTakenInAnotherCaseAsksFirstAndOverwriteReplacesThatFile) {
    write(selector_ / "autoscripts" / "CHANNEL.SET", "old\r\n");
    const auto asked = store.save("Channel", "new\n", false);
    EXPECT_EQ(asked.outcome, AutoscriptStore::Outcome::NameTaken);
    EXPECT_EQ(read(selector_ / "autoscripts" / "CHANNEL.SET"), "old\r\n");

    EXPECT_EQ(store.save("Channel", "new\n", true).outcome, AutoscriptStore::Outcome::Saved);
    EXPECT_EQ(names(selector_ / "autoscripts"), std::vector<std::string>{"CHANNEL.SET"});
    EXPECT_EQ(read(selector_ / "autoscripts" / "CHANNEL.SET"), "new\r\n\r\n");
}

TEST_F(AutoscriptSave, NamesAFileCannotHoldOrThatLeaveTheFolderAreRefusedBeforeAnythingIsWritten) {
    for (const char* name : {"", ".", "..", "../escape", "sub\\dir", "sub/dir", "a:b", "what?", "tab\there",
                             "CON", "nul.txt", "Com3", "lpt9", "trailing.", "trailing "}) {
        const auto result = store.save(name, "W-Summer\n", false);
        EXPECT_EQ(result.outcome, AutoscriptStore::Outcome::Refused) << name;
        ASSERT_TRUE(result.problem) << name;
        EXPECT_FALSE(result.problem->reason.empty()) << name;
    }
    EXPECT_EQ(store.save(std::string(197, 'x'), "", false).outcome, AutoscriptStore::Outcome::Refused);
    EXPECT_EQ(store.save(std::string(196, 'x'), "", false).outcome, AutoscriptStore::Outcome::Saved);
    std::filesystem::remove_all(selector_ / "Autoscripts");
    EXPECT_TRUE(names(selector_).empty());
    // A selector folder that could not be made leaves nowhere to save to, not the current folder.
    EXPECT_EQ(AutoscriptStore({}).save("Channel", "W-Summer\n", false).outcome,
              AutoscriptStore::Outcome::Refused);
    EXPECT_TRUE(AutoscriptStore({}).list().empty());
    for (const char* name : {"Console", "COM0", "LPT10", "1940 summer.v2", "Été"})
        EXPECT_FALSE(autoscriptNameProblem(name)) << name;
}

TEST_F(AutoscriptSave, AFailedWriteIsReportedAndLeavesNoFile) {
    // A folder in the way of the script's file makes the final rename fail.
    dir_.folder(selector_ / "Autoscripts" / "Blocked.set" / "inside");
    const auto result = store.save("Blocked", "W-Summer\n", true);
    EXPECT_EQ(result.outcome, AutoscriptStore::Outcome::Refused);
    EXPECT_TRUE(result.problem);
    EXPECT_EQ(names(selector_ / "Autoscripts"), std::vector<std::string>{"Blocked.set"});
}

} // namespace
