#include "mission_fixture.h"

#include "sortie/core/saved_missions.h"

using namespace sortie;
using namespace sortie::testing;

namespace {

class SavedMissions : public MissionTest {};

TEST_F(SavedMissions, NamesAFileNameCannotHoldAreRefusedWithoutWriting) {
    for (std::string_view bad : {"", "a\\b", "../up", "what?", "a:b", "star*", "quote\"", "pipe|", "less<",
                                 "tab\there", "dot.", "blank ", "CON", "lpt1.old", "nul"}) {
        const auto result = saveMission(missions(), bad, snapshot());
        EXPECT_FALSE(result.saved) << bad;
        ASSERT_EQ(result.problems.size(), 1u) << bad;
        EXPECT_FALSE(result.problems[0].reason.empty());
    }
    EXPECT_TRUE(std::filesystem::is_empty(missions()));
    for (std::string_view good : {"Dover raid", "Console", "com0", "1943.v2", " leading"})
        EXPECT_FALSE(savedNameFault(good)) << good;
}

TEST_F(SavedMissions, SaveWritesTheMissionAndItsChoicesAndListsIt) {
    choices = groundAttackChoices();
    const auto result = saveMission(missions(), "Dover", snapshot());
    ASSERT_TRUE(result.saved);
    EXPECT_TRUE(result.problems.empty());
    EXPECT_FALSE(result.replaced);
    EXPECT_EQ(slurp(missions() / "Dover.mpf"), kGroundAttackMissionFile);
    EXPECT_EQ(slurp(missions() / "Dover.jsv"), kGroundAttackChoicesFile);
    EXPECT_EQ(result.File1, std::vector<std::string>{"Dover.mpf"});
    EXPECT_EQ(result.summary.summaryText, kGroundAttackSummary);
}

TEST_F(SavedMissions, SavingUnderAnExistingNameReplacesBothFilesWhateverTheirCaseAndSaysSo) {
    writeFile(missions() / "DOVER.MPF", "old mission");
    writeFile(missions() / "dover.JSV", "old choices");
    const auto result = saveMission(missions(), "Dover", snapshot());
    ASSERT_TRUE(result.saved);
    EXPECT_TRUE(result.replaced);
    ASSERT_EQ(result.notes.size(), 1u);
    EXPECT_NE(result.notes[0].find("replaced"), std::string::npos);
    EXPECT_EQ(slurp(missions() / "DOVER.MPF"), kInitialMissionFile);
    EXPECT_EQ(slurp(missions() / "dover.JSV"), kInitialChoicesFile);
    EXPECT_EQ(result.File1, std::vector<std::string>{"DOVER.MPF"});
}

TEST_F(SavedMissions, AFailedChoicesFilePutsTheEarlierMissionBack) {
    writeFile(missions() / "Dover.mpf", "old mission");
    std::filesystem::create_directory(missions() / "Dover.jsv"); // cannot be replaced by a file
    const auto result = saveMission(missions(), "Dover", snapshot());
    EXPECT_FALSE(result.saved);
    EXPECT_FALSE(result.problems.empty());
    EXPECT_EQ(slurp(missions() / "Dover.mpf"), "old mission");

    std::filesystem::create_directory(missions() / "Fresh.jsv");
    EXPECT_FALSE(saveMission(missions(), "Fresh", snapshot()).saved);
    EXPECT_FALSE(std::filesystem::exists(missions() / "Fresh.mpf"));
}

TEST_F(SavedMissions, TheLongestNameAFileCanHoldIsSavedAndLeavesNoTemporary) {
    // 255 bytes with ".mpf": the temporary beside it must not be what makes it fail.
    const std::string longest(251, 'n');
    ASSERT_FALSE(savedNameFault(longest));
    const auto result = saveMission(missions(), longest, snapshot());
    ASSERT_TRUE(result.saved) << result.problems[0].text();
    EXPECT_EQ(slurp(missions() / (longest + ".mpf")), kInitialMissionFile);
    EXPECT_EQ(slurp(missions() / (longest + ".jsv")), kInitialChoicesFile);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(missions()), {}), 2);

    // Cut where a multi-byte name would be split: the temporary's name must still be valid UTF-8.
    std::string accented = "a";
    while (accented.size() + 2 <= 251)
        accented += "\xc3\xa9";
    EXPECT_TRUE(saveMission(missions(), accented, snapshot()).saved);
}

TEST_F(SavedMissions, AReadOnlySavedMissionIsNotReplacedAndNamed) {
    namespace fs = std::filesystem;
    writeFile(missions() / "Dover.mpf", "old mission");
    writeFile(missions() / "Dover.jsv", "old choices");
    fs::permissions(missions() / "Dover.jsv", fs::perms::owner_read);
    const auto result = saveMission(missions(), "Dover", snapshot());
    EXPECT_FALSE(result.saved);
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(result.problems[0].path, missions() / "Dover.jsv");
    EXPECT_EQ(result.problems[0].reason, "the file is read-only, so it was not replaced");
    EXPECT_EQ(slurp(missions() / "Dover.mpf"), "old mission");
    EXPECT_EQ(slurp(missions() / "Dover.jsv"), "old choices");
}

TEST_F(SavedMissions, AMissingSavedMissionsFolderIsReported) {
    std::filesystem::remove_all(missions());
    const auto result = saveMission(missions(), "Dover", snapshot());
    EXPECT_FALSE(result.saved);
    ASSERT_FALSE(result.problems.empty());
    EXPECT_EQ(result.problems[0].path, missions());
}

TEST_F(SavedMissions, SelectingShowsTheDetailsFromTheDetailsLineOn) {
    writeFile(missions() / "a.mpf", crlf({" 0 ", "details:", "DETAILS:", "My aircraft: X", ""}));
    const auto details = selectSavedMission(missions(), "a.mpf");
    EXPECT_EQ(details.selectedMissionPath, missions() / "a.mpf");
    EXPECT_EQ(details.missionDetails, crlf({"DETAILS:", "My aircraft: X", ""}));

    writeFile(missions() / "b.mpf", "1\n2\nno details here\n");
    EXPECT_EQ(selectSavedMission(missions(), "b.mpf").missionDetails, "");
    EXPECT_TRUE(selectSavedMission(missions(), "gone.mpf").problem);
}

class LoadingMissions : public SavedMissions {
  protected:
    void SetUp() override {
        writeFile(game() / "Savedata" / "SingMiss.mpf", "game's mission");
        writeFile(game() / "PEV" / "PEVSet.txt", "current choices");
    }
    void expectNothingChanged() const {
        EXPECT_EQ(slurp(game() / "Savedata" / "SingMiss.mpf"), "game's mission");
        EXPECT_EQ(slurp(game() / "PEV" / "PEVSet.txt"), "current choices");
        EXPECT_FALSE(testsupport::hasEntrySpelled(game() / "PEV", "pevset.txt"));
    }
};

TEST_F(LoadingMissions, ASavedMissionRoundTripsIntoTheGameAndTheChoices) {
    const MissionChoices saved = groundAttackChoices();
    {
        const MissionChoices before = choices;
        choices = saved;
        ASSERT_TRUE(saveMission(missions(), "Ruhr", snapshot()).saved);
        choices = before;
    }
    const auto result = loadSavedMission(game(), settings, missions() / "Ruhr.mpf", snapshot());
    ASSERT_TRUE(result.loaded);
    EXPECT_TRUE(result.problems.empty());
    EXPECT_EQ(slurp(game() / "Savedata" / "SingMiss.mpf"), slurp(missions() / "Ruhr.mpf"));
    // The choices file is found whatever its letter case, not written a second time beside it.
    EXPECT_EQ(slurp(game() / "PEV" / "PEVSet.txt"), kGroundAttackChoicesFile);
    EXPECT_FALSE(testsupport::hasEntrySpelled(game() / "PEV", "pevset.txt"));
    EXPECT_EQ(result.choices, saved);
    EXPECT_EQ(result.summary.summaryText, kGroundAttackSummary);
}

// The name is kept as text from the save box to the list and back to the files: UTF-8 on Windows,
// where a path made from it directly would be read in the ANSI code page and name another file.
TEST_F(LoadingMissions, AMissionNamedBeyondAsciiIsSavedListedSelectedAndLoadedAsItself) {
    const std::string name = common::pathText(std::filesystem::path(u8"\u00dcbung \u00fcber K\u00f6ln"));
    choices = groundAttackChoices();
    ASSERT_TRUE(saveMission(missions(), name, snapshot()).saved);
    EXPECT_EQ(slurp(missions() / common::pathFromText(name + ".jsv")), kGroundAttackChoicesFile);

    const auto listed = listSavedMissions(missions());
    ASSERT_TRUE(listed.ok());
    EXPECT_EQ(listed.value, std::vector<std::string>{name + ".mpf"});
    const auto details = selectSavedMission(missions(), listed.value[0]);
    EXPECT_FALSE(details.problem);
    EXPECT_EQ(details.selectedMissionPath, missions() / common::pathFromText(name + ".mpf"));

    choices = {};
    const auto result = loadSavedMission(game(), settings, details.selectedMissionPath, snapshot());
    ASSERT_TRUE(result.loaded) << (result.problems.empty() ? "" : result.problems[0].text());
    EXPECT_EQ(result.choices, groundAttackChoices());
}

TEST_F(LoadingMissions, NothingSelectedOrNoChoicesFileIsRefusedAndChangesNothing) {
    const auto none = loadSavedMission(game(), settings, {}, snapshot());
    EXPECT_FALSE(none.loaded);
    EXPECT_EQ(none.problems.size(), 1u);
    EXPECT_EQ(none.choices, choices);

    writeFile(missions() / "Lonely.mpf", kInitialMissionFile);
    const auto lonely = loadSavedMission(game(), settings, missions() / "Lonely.mpf", snapshot());
    EXPECT_FALSE(lonely.loaded);
    ASSERT_EQ(lonely.problems.size(), 1u);
    EXPECT_NE(lonely.problems[0].reason.find("choices file"), std::string::npos);
    expectNothingChanged();
}

TEST_F(LoadingMissions, AChoicesFileBesideItInAnyCaseIsUsed) {
    writeFile(missions() / "Kent.MPF", kGroundAttackMissionFile);
    writeFile(missions() / "Kent.JSV", kGroundAttackChoicesFile);
    const auto result = loadSavedMission(game(), settings, missions() / "Kent.MPF", snapshot());
    ASSERT_TRUE(result.loaded);
    EXPECT_EQ(slurp(game() / "PEV" / "PEVSet.txt"), kGroundAttackChoicesFile);
}

TEST_F(LoadingMissions, AChoicesFileThatCannotBeReplacedLeavesTheGamesMissionAsItWas) {
    writeFile(missions() / "Kent.mpf", kGroundAttackMissionFile);
    writeFile(missions() / "Kent.jsv", kGroundAttackChoicesFile);
    std::filesystem::remove(game() / "PEV" / "PEVSet.txt");
    std::filesystem::create_directory(game() / "PEV" / "pevset.txt");
    const auto result = loadSavedMission(game(), settings, missions() / "Kent.mpf", snapshot());
    EXPECT_FALSE(result.loaded);
    EXPECT_FALSE(result.problems.empty());
    EXPECT_EQ(slurp(game() / "Savedata" / "SingMiss.mpf"), "game's mission");
    EXPECT_EQ(result.choices, choices);
}

TEST_F(LoadingMissions, AReadOnlyMissionSlotIsFoundBeforeTheChoicesChange) {
    writeFile(missions() / "Kent.mpf", kGroundAttackMissionFile);
    writeFile(missions() / "Kent.jsv", kGroundAttackChoicesFile);
    std::filesystem::permissions(game() / "Savedata" / "SingMiss.mpf", std::filesystem::perms::owner_read);
    const auto result = loadSavedMission(game(), settings, missions() / "Kent.mpf", snapshot());
    EXPECT_FALSE(result.loaded);
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(result.problems[0].reason, "the file is read-only, so it was not replaced");
    expectNothingChanged();
    EXPECT_EQ(result.choices, choices);
}

} // namespace
