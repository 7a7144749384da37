#include "startup/program_start.h"

#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace eaw::startup;
using testsupport::TempFolder;

namespace {

struct Run {
    StartRequest request;
    std::string out;
    std::string err;
};

Run read(const std::vector<std::string>& args, const ProgramInfo& info, const std::filesystem::path& here) {
    std::ostringstream out, err;
    Run run{readCommandLine(args, info, here, out, err), {}, {}};
    run.out = out.str();
    run.err = err.str();
    return run;
}

} // namespace

TEST(CommandLine, HelpAndVersionPrintAndEndWithoutTouchingTheFolder) {
    TempFolder dir;
    const auto help = read({"--help"}, sortieProgram(), dir.path());
    ASSERT_EQ(help.request.exitCode, 0);
    EXPECT_NE(help.out.find("Usage: sortie"), std::string::npos);
    EXPECT_NE(help.out.find("--render-map FILE.png"), std::string::npos);

    // Each option's text stands two spaces clear of it, which is where help2man and readers split.
    for (const ProgramInfo* info : {&outfitterProgram(), &sortieProgram(), &sortiexProgram()}) {
        const auto text = read({"--help"}, *info, dir.path()).out;
        for (const auto& option : info->options) {
            const std::string left = option.name + (option.valueName.empty() ? "" : " " + option.valueName);
            const auto at = text.find("  " + left + "  ");
            ASSERT_NE(at, std::string::npos) << left;
            EXPECT_EQ(text.substr(text.find_first_not_of(' ', at + 2 + left.size()), option.help.size()),
                      option.help);
        }
    }

    const auto version = read({"C:/x", "--version"}, outfitterProgram(), dir.path());
    ASSERT_EQ(version.request.exitCode, 0);
    EXPECT_EQ(version.out.rfind("outfitter ", 0), 0u);
    EXPECT_TRUE(dir.entries().empty());
}

TEST(CommandLine, FolderArgumentIsMadeAbsoluteAndOtherwiseTheCurrentFolderHolds) {
    TempFolder dir;
    const auto none = read({}, outfitterProgram(), dir.path());
    EXPECT_FALSE(none.request.exitCode);
    EXPECT_FALSE(none.request.gameFolder);
    EXPECT_EQ(none.request.currentFolder, dir.path());

    const auto given = read({"games/EAW"}, outfitterProgram(), dir.path());
    ASSERT_TRUE(given.request.gameFolder);
    EXPECT_EQ(*given.request.gameFolder, (dir.path() / "games" / "EAW").lexically_normal());

    const auto dashed = read({"--", "-odd name"}, outfitterProgram(), dir.path());
    ASSERT_TRUE(dashed.request.gameFolder);
    EXPECT_EQ(dashed.request.gameFolder->filename(), "-odd name");
}

TEST(CommandLine, AProgramsOwnOptionValueIsNeverTakenForTheGameFolder) {
    TempFolder dir;
    const auto alone = read({"--render-map", "map.png"}, sortieProgram(), dir.path());
    EXPECT_FALSE(alone.request.exitCode);
    EXPECT_FALSE(alone.request.gameFolder);

    const auto joined = read({"--render-map=map.png", "EAW"}, sortieProgram(), dir.path());
    ASSERT_TRUE(joined.request.gameFolder);
    EXPECT_EQ(joined.request.gameFolder->filename(), "EAW");

    const auto missing = read({"--render-map"}, sortieProgram(), dir.path());
    EXPECT_EQ(missing.request.exitCode, 2);
    EXPECT_NE(missing.err.find("FILE.png"), std::string::npos);
}

TEST(CommandLine, ASeedMayFollowTheSurpriseOptionAndAFolderMayFollowWithout) {
    TempFolder dir;
    const auto seeded = read({"--surprise", "42", "EAW"}, sortieProgram(), dir.path());
    ASSERT_EQ(seeded.request.options.size(), 1u);
    EXPECT_EQ(seeded.request.options[0].value, "42");
    ASSERT_TRUE(seeded.request.gameFolder);
    EXPECT_EQ(seeded.request.gameFolder->filename(), "EAW");

    const auto unseeded = read({"--surprise", "EAW"}, sortieProgram(), dir.path());
    ASSERT_EQ(unseeded.request.options.size(), 1u);
    EXPECT_EQ(unseeded.request.options[0].value, "");
    ASSERT_TRUE(unseeded.request.gameFolder);
    EXPECT_EQ(read({"--surprise=7"}, sortieProgram(), dir.path()).request.options[0].value, "7");
}

TEST(CommandLine, UnknownOptionsAndASecondFolderAreRefused) {
    TempFolder dir;
    const auto unknown = read({"--render-map", "x.png"}, outfitterProgram(), dir.path());
    EXPECT_EQ(unknown.request.exitCode, 2);
    EXPECT_NE(unknown.err.find("unknown option \"--render-map\""), std::string::npos);
    EXPECT_EQ(read({"one", "two"}, sortiexProgram(), dir.path()).request.exitCode, 2);
}

TEST(GameFolderGuard, AFolderHoldsTheGameOnlyWithAnEawExeFileInAnyCase) {
    TempFolder dir;
    EXPECT_FALSE(holdsGame(dir.path()));
    dir.folder("eaw.exe");
    EXPECT_FALSE(holdsGame(dir.path())) << "a folder named eaw.exe is no game";
    const auto game = dir.folder("Game");
    dir.write("Game/EAW.EXE", "MZ");
    EXPECT_TRUE(holdsGame(game));
    EXPECT_FALSE(holdsGame(dir.path() / "Missing"));
}

TEST(GameFolderGuard, WithoutTheGameItAsksAndOffersTheRememberedFolder) {
    TempFolder dir;
    const auto home = dir.folder("home");
    const auto game = dir.folder("EAW");
    dir.write("EAW/eaw.exe", "MZ");

    StartRequest fromHome;
    fromHome.currentFolder = home;
    const auto first = decideGameFolder(fromHome, std::nullopt);
    EXPECT_FALSE(first.use);
    EXPECT_EQ(first.offer, home);
    EXPECT_NE(first.reason.find("no eaw.exe"), std::string::npos);

    EXPECT_EQ(decideGameFolder(fromHome, game).offer, game);
    // A remembered folder whose game has gone is not offered.
    EXPECT_EQ(decideGameFolder(fromHome, home).offer, home);

    StartRequest given = fromHome;
    given.gameFolder = game;
    EXPECT_EQ(decideGameFolder(given, std::nullopt).use, game);
    given.gameFolder = dir.path() / "Nowhere";
    const auto nowhere = decideGameFolder(given, std::nullopt);
    EXPECT_FALSE(nowhere.use);
    EXPECT_NE(nowhere.reason.find("no folder"), std::string::npos);
    EXPECT_EQ(dir.entries().count("Nowhere/"), 0u);
}

TEST(RememberedFolder, RoundTripsAndAMissingFileRemembersNothing) {
    TempFolder dir;
    const auto file = dir.path() / "config" / "eaw-suite" / "game-folder";
    EXPECT_FALSE(loadRememberedFolder(file));
    const auto game = dir.path() / "Spiele mit Leerzeichen" / "EAW";
    ASSERT_TRUE(saveRememberedFolder(file, game));
    EXPECT_EQ(loadRememberedFolder(file), game);
    EXPECT_FALSE(saveRememberedFolder({}, game));
}
