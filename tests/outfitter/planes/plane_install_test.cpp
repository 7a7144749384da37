// Installing a plane set into the game folder: the exact bytes of "planes.dat", "pnames.str" and
// the picture menus, and what a refused or half-failed install leaves behind.

#include "outfitter/planes/plane_install.h"

#include "plane_fixture.h"

#include <gtest/gtest.h>

namespace {

using outfitter::installPlaneSet;
using planetest::PlaneGame;

std::string qivRecordBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (std::size_t n = 1; n < 169; ++n)
        bytes += static_cast<char>(std::stoi(lines[n]));
    return bytes;
}

TEST(PlaneInstall, WritesTheRecordsFirst168BytesAndNothingElseOfPlanesDat) {
    PlaneGame game;
    const auto lines = planetest::qivLines("Mustang III", 5, 1610, "p51d");
    const auto folder = game.planeSet("Mustang", lines);
    const auto before = game.read("planes.dat");
    const auto report = installPlaneSet(folder, game.path());
    ASSERT_TRUE(report.recordWritten);
    const auto after = game.read("planes.dat");
    ASSERT_EQ(after.size(), before.size());
    // Slot 5: file offsets 1084 to 1251.
    EXPECT_EQ(after.substr(1084, 168), qivRecordBytes(lines));
    EXPECT_EQ(after.substr(0, 1084), before.substr(0, 1084));
    EXPECT_EQ(after.substr(1252), before.substr(1252));
}

TEST(PlaneInstall, NameGoesTrimmedIntoPnamesAndTheMenusInTheirSlotOrder) {
    PlaneGame game;
    const auto folder = game.planeSet("Spit", planetest::qivLines("  Spitfire Mk IXc  ", 11));
    const auto report = installPlaneSet(folder, game.path());
    ASSERT_TRUE(report.problems.empty()) << report.problems.front().text();
    auto names = planetest::stockNames();
    names[11] = "Spitfire Mk IXc";
    EXPECT_EQ(game.read("pnames.str"), planetest::namesTable(names));

    // Each menu's first boxes take the names of its slots; the other boxes and all bytes stay.
    const std::vector<std::vector<int>> orders = {
        {13, 11, 10, 9, 14, 12}, {5, 3, 4, 2, 0, 1}, {18, 17, 22, 23, 16, 24, 20, 19}};
    const std::vector<std::string> files = {"picplnb.mnu", "picplna.mnu", "picplng.mnu"};
    for (int menu = 0; menu < 3; ++menu) {
        auto expected = planetest::menuNames(menu == 2 ? 11 : 9);
        for (std::size_t box = 0; box < orders[static_cast<std::size_t>(menu)].size(); ++box)
            expected[box] = names[static_cast<std::size_t>(orders[static_cast<std::size_t>(menu)][box])];
        EXPECT_EQ(game.read(files[static_cast<std::size_t>(menu)]), planetest::menuFile(menu, expected))
            << files[static_cast<std::size_t>(menu)];
    }
}

TEST(PlaneInstall, ARefusedRecordLeavesEveryFileAsItWas) {
    PlaneGame game;
    const auto snapshot = [&] {
        std::vector<std::string> bytes;
        for (const char* name :
             {"planes.dat", "pnames.str", "picplnb.mnu", "picplna.mnu", "picplng.mnu", "Loadout.dat"})
            bytes.push_back(game.read(name));
        return bytes;
    };
    const auto before = snapshot();
    auto bad = planetest::qivLines("Bad", 11);
    bad[60] = "300";
    auto folder = game.planeSet("Bad", bad);
    game.folder.write(game.setPath() / "P-Bad" / "a.lox", "100\r\n7\r\n");
    auto report = installPlaneSet(folder, game.path());
    EXPECT_FALSE(report.recordWritten);
    ASSERT_FALSE(report.problems.empty());
    EXPECT_NE(report.problems.front().reason.find("line 61"), std::string::npos);
    EXPECT_EQ(snapshot(), before);

    // A name no menu can hold is refused before the record goes in.
    folder = game.planeSet("Long", planetest::qivLines(std::string(255, 'L'), 11));
    report = installPlaneSet(folder, game.path());
    EXPECT_FALSE(report.recordWritten);
    EXPECT_EQ(snapshot(), before);

    // A "planes.dat" too short for slot 29's record is left alone.
    game.folder.write("planes.dat", planetest::planesDat().substr(0, 6000));
    folder = game.planeSet("Late", planetest::qivLines("Late", 29));
    report = installPlaneSet(folder, game.path());
    EXPECT_FALSE(report.recordWritten);
    EXPECT_EQ(game.read("planes.dat"), planetest::planesDat().substr(0, 6000));
    EXPECT_EQ(game.read("pnames.str"), before[1]);
}

TEST(PlaneInstall, AFailedNamesStepSaysWhichFilesWereWrittenAndWhichNot) {
    PlaneGame game;
    std::filesystem::remove(game.path() / "pnames.str");
    game.folder.write("picplna.mnu", planetest::menuFile(1, planetest::menuNames(9)).substr(0, 100));
    const auto folder = game.planeSet("Spit", planetest::qivLines("Spitfire", 11));
    const auto report = installPlaneSet(folder, game.path());
    EXPECT_TRUE(report.recordWritten);
    ASSERT_FALSE(report.problems.empty());
    EXPECT_EQ(report.problems.back().reason, "written: planes.dat; not written: pnames.str, picplnb.mnu, "
                                             "picplna.mnu, picplng.mnu");
    EXPECT_FALSE(std::filesystem::exists(game.path() / "pnames.str"));
    EXPECT_EQ(game.read("picplnb.mnu"), planetest::menuFile(0, planetest::menuNames(9)));

    // With the names there, only the short menu stays behind.
    game.folder.write("pnames.str", planetest::namesTable(planetest::stockNames()));
    const auto second = installPlaneSet(folder, game.path());
    EXPECT_EQ(second.problems.back().reason,
              "written: planes.dat, pnames.str, picplnb.mnu, picplng.mnu; not written: picplna.mnu");
    EXPECT_EQ(game.read("picplna.mnu"), planetest::menuFile(1, planetest::menuNames(9)).substr(0, 100));
}

TEST(PlaneInstall, TheLineNamesTheAircraftThatLeftTheSlot) {
    PlaneGame game;
    const auto first = installPlaneSet(game.planeSet("Spit", planetest::qivLines("Spitfire Mk IIa", 3)), game.path());
    EXPECT_EQ(first.replacedName, "Stock 3");
    const auto second =
        installPlaneSet(game.planeSet("Bolt", planetest::qivLines("Thunderbolt II", 3)), game.path());
    EXPECT_EQ(outfitter::installLine("Thunderbolt II", second),
              "Installed Thunderbolt II into slot 3 in place of Spitfire Mk IIa: planes.dat, pnames.str, "
              "picplnb.mnu, picplna.mnu, picplng.mnu written");

    // Without a names table there is no old name to give, and the line says only what it knows.
    std::filesystem::remove(game.path() / "pnames.str");
    const auto third = installPlaneSet(game.planeSet("Spit", planetest::qivLines("Spitfire Mk IIa", 3)), game.path());
    EXPECT_TRUE(third.replacedName.empty());
    EXPECT_EQ(outfitter::installLine("Spit", third).rfind("Installed Spit into slot 3: planes.dat written", 0), 0u);
}

} // namespace
