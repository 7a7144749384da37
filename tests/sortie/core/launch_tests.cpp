#include "mission_fixture.h"

#include "sortie/core/launch_mission.h"
#include "test_support/stand_in_programs.h"

#include <cerrno>
#include <system_error>
#if !defined(_WIN32)
#include <unistd.h>
#endif

using namespace sortie;
using namespace sortie::testing;

namespace {

const std::string kIni = crlf({"[Main]", "PlayerNation=1", " PlayerNation=1", "playernation=1",
                               "ScreenSize=2", "PlayerPlane=12", "PlayerPlanes", "Last=line"});

TEST(GameIniRewrite, OnlyTheTwoKeysChangeAndEveryOtherLineKeepsItsPlaceAndText) {
    EXPECT_EQ(rewriteGameIni(kIni, kGerman, "16"),
              crlf({"[Main]", "PlayerNation=0", " PlayerNation=1", "playernation=1", "ScreenSize=2",
                    "PlayerPlane=16", "PlayerPlanes", "Last=line"}));
}

TEST(GameIniRewrite, MissingKeysAreNotAddedAndALastLineGainsItsLineEnd) {
    EXPECT_EQ(rewriteGameIni("[Main]\nScreen=1\r\nEnd", kUS, "3"), crlf({"[Main]", "Screen=1", "End"}));
    EXPECT_EQ(rewriteGameIni("", kUS, "3"), "");
    // With no nation selected the nation line stays as it was.
    EXPECT_EQ(rewriteGameIni("PlayerNation=7\r\n", kNoneSelected, "3"), "PlayerNation=7\r\n");
}

#if defined(_WIN32)

// The stand-in program is the game on Windows, started directly; a report in the same words as the
// POSIX stand-in's keeps the tests one.
class Launch : public MissionTest {
  protected:
    void SetUp() override { testsupport::installStandIn(game() / "PEVeaw.exe"); }

    std::string awaitReports() const {
        const auto report = report_.await();
        std::filesystem::remove(game() / "started.txt");
        if (!report.arrived)
            return {};
        std::string args;
        for (const auto& arg : report.arguments)
            args += " " + arg;
        return "started " + testsupport::sameOr(report.program, game() / "PEVeaw.exe").string() + args +
               " in " + testsupport::sameOr(report.folder, game()).string() + ";";
    }
    std::string oneStart() const {
        return "started " + (game() / "PEVeaw.exe").string() + " in " + game().string() + ";";
    }

    testsupport::ReportFile report_{game() / "started.txt"};
};

#else

// The stand-in game reports through a FIFO, so a test waits for an event, not for time.
class Launch : public MissionTest {
  protected:
    void SetUp() override {
        testsupport::writeScript(game() / "bin" / "wine",
                                 "printf 'started %s in %s;' \"$*\" \"$PWD\" > '" + fifo_.string() + "'\n");
        writeFile(game() / "PEVeaw.exe", "MZ");
    }

    // Everything every started stand-in wrote, once all of them have finished writing.
    std::string awaitReports() const { return pipe_.awaitReport(); }
    std::string oneStart() const {
        return "started " + (game() / "PEVeaw.exe").string() + " in " + game().string() + ";";
    }

    std::filesystem::path fifo_ = game() / "started";
    testsupport::ReportPipe pipe_{fifo_};
    testsupport::PathOverride path_{game() / "bin", true};
};

#endif

TEST_F(Launch, FlyRewritesTheIniWritesTheMissionAndChoicesAndStartsTheGame) {
    writeFile(game() / "eaw.ini", kIni);
    choices = groundAttackChoices();
    const auto result = LaunchMission(game(), settings, snapshot());
    EXPECT_TRUE(result.problems.empty()) << result.problems[0].text();
    EXPECT_TRUE(result.iniRewritten && result.missionWritten && result.choicesWritten && result.gameStarted);
    EXPECT_EQ(awaitReports(), oneStart());
    EXPECT_EQ(slurp(game() / "eaw.ini"),
              crlf({"[Main]", "PlayerNation=2", " PlayerNation=1", "playernation=1", "ScreenSize=2",
                    "PlayerPlane=3", "PlayerPlanes", "Last=line"}));
    EXPECT_EQ(slurp(game() / "Savedata" / "SingMiss.mpf"), kGroundAttackMissionFile);
    EXPECT_EQ(slurp(game() / "PEV" / "pevset.txt"), kGroundAttackChoicesFile);
    EXPECT_EQ(result.summary.summaryText, kGroundAttackSummary);
    EXPECT_FALSE(std::filesystem::exists(game() / "pevini"));
}

TEST_F(Launch, FilesAreFoundWhateverTheirLetterCase) {
    writeFile(game() / "EAW.INI", "PlayerNation=0\r\nPlayerPlane=20\r\n");
    std::filesystem::rename(game() / "Savedata", game() / "SAVEDATA");
    writeFile(game() / "PEV" / "PEVSet.txt", "old");
    std::filesystem::rename(game() / "PEVeaw.exe", game() / "peveaw.EXE");
    const auto result = LaunchMission(game(), settings, snapshot());
    ASSERT_TRUE(result.gameStarted);
    awaitReports();
    EXPECT_EQ(slurp(game() / "EAW.INI"), "PlayerNation=1\r\nPlayerPlane=9\r\n");
    EXPECT_FALSE(testsupport::hasEntrySpelled(game(), "eaw.ini"));
    EXPECT_EQ(slurp(game() / "SAVEDATA" / "SingMiss.mpf"), kInitialMissionFile);
    EXPECT_EQ(slurp(game() / "PEV" / "PEVSet.txt"), kInitialChoicesFile);
}

TEST_F(Launch, WithoutAnIniTheMissionIsStillWrittenAndFlown) {
    const auto result = LaunchMission(game(), settings, snapshot());
    EXPECT_TRUE(result.problems.empty());
    EXPECT_FALSE(result.iniRewritten);
    EXPECT_FALSE(result.notes.empty());
    ASSERT_TRUE(result.gameStarted);
    EXPECT_EQ(awaitReports(), oneStart());
    EXPECT_FALSE(std::filesystem::exists(game() / "eaw.ini"));
    EXPECT_EQ(slurp(game() / "Savedata" / "SingMiss.mpf"), kInitialMissionFile);
}

TEST_F(Launch, AFailedIniRewriteKeepsTheIniWritesNothingAndStartsNoGame) {
    writeFile(game() / "eaw.ini", kIni);
    std::filesystem::create_directory(game() / "pevini"); // the temporary file cannot be made
    const auto failed = LaunchMission(game(), settings, snapshot());
    EXPECT_FALSE(failed.iniRewritten || failed.missionWritten || failed.choicesWritten || failed.gameStarted);
    ASSERT_FALSE(failed.problems.empty());
    EXPECT_EQ(failed.problems[0].path, game() / "pevini");
    EXPECT_EQ(slurp(game() / "eaw.ini"), kIni);
    EXPECT_FALSE(std::filesystem::exists(game() / "Savedata" / "SingMiss.mpf"));
    EXPECT_FALSE(std::filesystem::exists(game() / "PEV" / "pevset.txt"));

    // Flying again once the way is clear starts the game exactly once, so the failed try started none.
    std::filesystem::remove(game() / "pevini");
    ASSERT_TRUE(LaunchMission(game(), settings, snapshot()).gameStarted);
    EXPECT_EQ(awaitReports(), oneStart());
}

TEST_F(Launch, AMissingOrUnstartableGameIsReportedAndTheFilesStayWritten) {
    std::filesystem::remove(game() / "PEVeaw.exe");
    const auto missing = LaunchMission(game(), settings, snapshot());
    EXPECT_FALSE(missing.gameStarted);
    ASSERT_EQ(missing.problems.size(), 1u);
    EXPECT_EQ(missing.problems[0].path, game() / "PEVeaw.exe");
    EXPECT_EQ(slurp(game() / "Savedata" / "SingMiss.mpf"), kInitialMissionFile);
    EXPECT_EQ(slurp(game() / "PEV" / "pevset.txt"), kInitialChoicesFile);

    writeFile(game() / "PEVeaw.exe", "MZ");
    testsupport::setEnvironment("PATH", (game() / "nowhere").string().c_str()); // no wine to run it with
    const auto noWine = LaunchMission(game(), settings, snapshot());
    EXPECT_FALSE(noWine.gameStarted);
    ASSERT_EQ(noWine.problems.size(), 1u);
    EXPECT_TRUE(noWine.missionWritten && noWine.choicesWritten);
}

std::string allText(const LaunchResult& result) {
    std::string all;
    for (const auto& problem : result.problems)
        all += problem.text() + "\n";
    for (const auto& note : result.notes)
        all += note + "\n";
    return all;
}

// What a refused "FLY!" must leave: the ini as it was, no mission, no choices, no temporary, no game.
void expectNothingChanged(const LaunchResult& result, const std::filesystem::path& game,
                          const std::string& ini) {
    EXPECT_FALSE(result.iniRewritten || result.missionWritten || result.choicesWritten || result.gameStarted);
    EXPECT_EQ(slurp(game / "eaw.ini"), ini);
    EXPECT_FALSE(std::filesystem::exists(game / "PEV" / "pevset.txt"));
    EXPECT_FALSE(std::filesystem::exists(game / "pevini"));
    EXPECT_NE(allText(result).find("Nothing was written and the game was not started"), std::string::npos)
        << allText(result);
}

TEST_F(Launch, AMissingSavedataFolderIsFoundBeforeTheIniChanges) {
    writeFile(game() / "eaw.ini", kIni);
    std::filesystem::remove_all(game() / "Savedata");
    const auto result = LaunchMission(game(), settings, snapshot());
    expectNothingChanged(result, game(), kIni);
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(result.problems[0].path, game() / "Savedata");
    EXPECT_EQ(result.problems[0].reason, "the folder does not exist");
}

TEST_F(Launch, AReadOnlyFileAmongTheDestinationsIsNamedAndNothingIsFlown) {
    namespace fs = std::filesystem;
    const auto readOnly = fs::perms::owner_read | fs::perms::group_read;
    writeFile(game() / "eaw.ini", kIni);
    fs::permissions(game() / "eaw.ini", readOnly);
    auto result = LaunchMission(game(), settings, snapshot());
    expectNothingChanged(result, game(), kIni);
    // Windows keeps one read-only attribute, not the bits, so only the owner's write bit is compared.
    EXPECT_EQ(fs::status(game() / "eaw.ini").permissions() & fs::perms::owner_write, fs::perms::none)
        << "the attribute is the player's";
    EXPECT_FALSE(fs::exists(game() / "Savedata" / "SingMiss.mpf"));
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(result.problems[0].path, game() / "eaw.ini");
    EXPECT_EQ(result.problems[0].reason, "the file is read-only, so it was not replaced");

    // A read-only mission file or choices file stops the flight as early, the ini untouched.
    fs::permissions(game() / "eaw.ini", fs::perms::owner_write, fs::perm_options::add);
    writeFile(game() / "Savedata" / "SingMiss.mpf", "the last mission");
    fs::permissions(game() / "Savedata" / "SingMiss.mpf", readOnly);
    result = LaunchMission(game(), settings, snapshot());
    expectNothingChanged(result, game(), kIni);
    EXPECT_EQ(slurp(game() / "Savedata" / "SingMiss.mpf"), "the last mission");

    fs::permissions(game() / "Savedata" / "SingMiss.mpf", fs::perms::owner_write, fs::perm_options::add);
    writeFile(game() / "PEV" / "pevset.txt", "old choices");
    fs::permissions(game() / "PEV" / "pevset.txt", readOnly);
    result = LaunchMission(game(), settings, snapshot());
    EXPECT_FALSE(result.iniRewritten || result.missionWritten || result.gameStarted);
    EXPECT_EQ(slurp(game() / "eaw.ini"), kIni);
    EXPECT_EQ(slurp(game() / "Savedata" / "SingMiss.mpf"), "the last mission");
    EXPECT_EQ(slurp(game() / "PEV" / "pevset.txt"), "old choices");
}

TEST_F(Launch, AStaleTemporaryOfAnEarlierCrashIsReplacedAndGone) {
    writeFile(game() / "eaw.ini", kIni);
    writeFile(game() / "pevini", "half an ini of a crash");
    ASSERT_TRUE(LaunchMission(game(), settings, snapshot()).iniRewritten);
    EXPECT_FALSE(std::filesystem::exists(game() / "pevini"));
    awaitReports();
}

TEST_F(Launch, AFolderThatCannotBeWrittenIsFoundBeforeTheIniChanges) {
#if defined(_WIN32)
    GTEST_SKIP() << "Windows keeps no write permission on a folder, so there is nothing to refuse";
#else
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into a folder without write permission, so there is nothing to refuse";
#endif
    writeFile(game() / "eaw.ini", kIni);
    std::filesystem::permissions(game() / "Savedata",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const auto result = LaunchMission(game(), settings, snapshot());
    std::filesystem::permissions(game() / "Savedata", std::filesystem::perms::owner_all);
    expectNothingChanged(result, game(), kIni);
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(result.problems[0].path, game() / "Savedata");
    EXPECT_EQ(result.problems[0].reason, std::generic_category().message(EACCES));
}

// A failure the checks cannot foresee (here a name the file system refuses) still stops the road, and
// the message names what had already changed.
TEST_F(Launch, AWriteThatFailsAnywayNamesTheFilesAlreadyChanged) {
    writeFile(game() / "eaw.ini", kIni);
    settings.missionFile = "Savedata\\" + std::string(300, 'm') + ".mpf";
    const auto noMission = LaunchMission(game(), settings, snapshot());
    EXPECT_TRUE(noMission.iniRewritten);
    EXPECT_FALSE(noMission.missionWritten || noMission.choicesWritten || noMission.gameStarted);
    EXPECT_NE(allText(noMission).find("already changed: eaw.ini"), std::string::npos) << allText(noMission);
    EXPECT_FALSE(std::filesystem::exists(game() / "PEV" / "pevset.txt"));

    settings = sortieSettings();
    settings.choicesFile = "PEV\\" + std::string(300, 'c') + ".txt";
    const auto noChoices = LaunchMission(game(), settings, snapshot());
    EXPECT_TRUE(noChoices.missionWritten && noChoices.gameStarted);
    EXPECT_FALSE(noChoices.choicesWritten);
    const auto mission = (std::filesystem::path("Savedata") / "SingMiss.mpf").string();
    EXPECT_NE(allText(noChoices).find("already changed: eaw.ini, " + mission), std::string::npos)
        << allText(noChoices);
    awaitReports();
}

TEST_F(Launch, FlyOnTheSavePanelOnlyStartsTheGame) {
    writeFile(game() / "eaw.ini", kIni);
    const auto result = startGame(game(), settings);
    ASSERT_TRUE(result.gameStarted);
    EXPECT_EQ(awaitReports(), oneStart());
    EXPECT_EQ(slurp(game() / "eaw.ini"), kIni);
    EXPECT_FALSE(std::filesystem::exists(game() / "Savedata" / "SingMiss.mpf"));
}

} // namespace
