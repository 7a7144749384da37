// The loadout catalogue on hand-laid tables: listings line by line and the game's table byte by byte.
#include "sortie/core/mission_builder.h"
#include "sortie/theatre/loadout_catalogue.h"
#include "sortie_test_files.h"

#include <gtest/gtest.h>

namespace sortie {
namespace {

using testsupport::slurp;

struct Slot {
    int weapon = 0;
    int count = 0;
};

// One 44-byte record: aircraft at 0, weapon and count of slot j at 8j+4 and 8j+6, and a tag in the
// bytes no reader looks at, so that a copied record can be told from its neighbours.
std::string record(int aircraft, std::vector<Slot> slots, int tag) {
    std::string r(44, '\0');
    r[0] = static_cast<char>(aircraft);
    for (std::size_t j = 0; j < slots.size(); ++j) {
        r[8 * j + 4] = static_cast<char>(slots[j].weapon);
        r[8 * j + 6] = static_cast<char>(slots[j].count);
    }
    for (const std::size_t unread : {1u, 2u, 3u, 5u, 7u, 41u, 42u, 43u})
        r[unread] = static_cast<char>(tag);
    return r;
}

std::string table(const std::vector<std::string>& records) {
    std::string out{'\x07', '\0', '\0', '\0'};
    for (const auto& r : records)
        out += r;
    return out;
}

const std::vector<std::string> kWeapons = {"", "Gun", "Bomb", "Rocket"};

// Aircraft 2, then three loadouts of aircraft 5, then aircraft 7, then a stray record of aircraft 5.
std::vector<std::string> sampleRecords() {
    return {record(2, {{1, 4}}, 10),
            record(5, {{1, 8}, {2, 2}}, 11),
            record(5, {{1, 8}, {0, 0}, {3, 6}}, 12),
            record(5, {{1, 6}, {2, 1}, {0, 0}, {0, 3}, {3, 2}}, 13),
            record(7, {{2, 1}}, 14),
            record(5, {{3, 9}}, 15)};
}

class LoadoutTest : public ::testing::Test {
  protected:
    void SetUp() override { reference = dir.write("PEV/Loadout.dat", table(sampleRecords())); }
    std::filesystem::path gameTable() const { return dir.path() / "Loadout.dat"; }

    testing::TempFolder dir;
    std::filesystem::path reference;
    LoadoutCatalogue catalogue;
};

TEST_F(LoadoutTest, ThreeRecordsListAsTwentyOneLinesWithEmptySlotsKept) {
    const LoadoutOutcome out = catalogue.list(reference, "5", kWeapons);
    EXPECT_TRUE(out.done);
    EXPECT_TRUE(out.problems.empty());
    const std::vector<std::string> expected = {
        "Loadout #0", "8  Gun", "2  Bomb", "",          "",    "",          "***********************",
        "Loadout #1", "8  Gun", "",        "6  Rocket", "",    "",          "***********************",
        "Loadout #2", "6  Gun", "1  Bomb", "",          "3  ", "2  Rocket", "***********************"};
    EXPECT_EQ(catalogue.listLines(), expected);
    EXPECT_EQ(catalogue.firstRecordPosition(), "49"); // record 1: byte offset 48, 1-based 49
    EXPECT_EQ(catalogue.aircraftListed(), "5");
    EXPECT_EQ(catalogue.lastLoadout(), 2);
}

TEST_F(LoadoutTest, ClickOnLineFifteenChoosesTheThirdRecord) {
    catalogue.list(reference, "5", kWeapons);
    EXPECT_TRUE(catalogue.choose(15).done);
    EXPECT_EQ(catalogue.chosenRecordPosition(), "137");
    const std::string third = sampleRecords()[3];
    EXPECT_EQ(std::string(catalogue.buffer().begin(), catalogue.buffer().end()), third);
}

TEST_F(LoadoutTest, DoubleClickWritesTheChosenRecordOverTheWholeRunOnly) {
    dir.write("Loadout.dat", "old game table");
    catalogue.list(reference, "5", kWeapons);
    const LoadoutOutcome out = catalogue.writeChosen(15, gameTable());
    EXPECT_TRUE(out.done) << (out.notes.empty() ? "" : out.notes.front());
    auto records = sampleRecords();
    records[1] = records[2] = records[3];
    // The stray record of aircraft 5 after aircraft 7 stays as it was.
    EXPECT_EQ(slurp(gameTable()), table(records));
    EXPECT_EQ(slurp(reference), table(sampleRecords()));
}

TEST_F(LoadoutTest, EachWriteStartsFromTheReferenceSoChoicesDoNotAccumulate) {
    catalogue.list(reference, "2", kWeapons);
    catalogue.writeChosen(3, gameTable());
    catalogue.list(reference, "5", kWeapons);
    ASSERT_TRUE(catalogue.writeChosen(7, gameTable()).done);
    auto records = sampleRecords();
    records[1] = records[3] = records[2];
    EXPECT_EQ(slurp(gameTable()), table(records));
}

TEST_F(LoadoutTest, WeaponBeyondTheNamesIsShownByItsNumberAndReported) {
    dir.write("PEV/Loadout.dat", table({record(4, {{9, 2}, {9, 1}, {0, 0}, {12, 0}}, 1)}));
    const LoadoutOutcome out = catalogue.list(reference, "4", kWeapons);
    EXPECT_EQ(catalogue.listLines()[1], "2  weapon 9");
    EXPECT_EQ(catalogue.listLines()[4], ""); // count 0: not shown, not reported
    ASSERT_EQ(out.notes.size(), 1u);
    EXPECT_NE(out.notes[0].find("Weapon 9"), std::string::npos);
}

TEST_F(LoadoutTest, RecordsFromPositionSevenThousandSevenHundredAreNeverConsidered) {
    // Records 0 to 172 of aircraft 1, 173 to 176 of aircraft 3: only 173 and 174 start below 7700.
    std::vector<std::string> records;
    for (int k = 0; k < 177; ++k)
        records.push_back(record(k < 173 ? 1 : 3, {{1, 1}}, k % 200));
    dir.write("PEV/Loadout.dat", table(records));
    catalogue.list(reference, "3", kWeapons);
    EXPECT_EQ(catalogue.listLines().size(), 14u);
    EXPECT_EQ(catalogue.firstRecordPosition(), std::to_string(4 + 44 * 173 + 1));
    ASSERT_TRUE(catalogue.writeChosen(0, gameTable()).done);
    auto expected = records;
    expected[174] = records[173];
    EXPECT_EQ(slurp(gameTable()), table(expected));

    records.push_back(record(9, {{1, 1}}, 0)); // record 177, beyond the limit
    dir.write("PEV/Loadout.dat", table(records));
    EXPECT_FALSE(catalogue.list(reference, "9", kWeapons).done);
    EXPECT_TRUE(catalogue.listLines().empty());
}

TEST_F(LoadoutTest, ARecordCutShortIsNotListed) {
    dir.write("PEV/Loadout.dat", table({record(6, {{1, 1}}, 1), record(6, {{2, 2}}, 2).substr(0, 20)}));
    const LoadoutOutcome out = catalogue.list(reference, "6", kWeapons);
    EXPECT_EQ(catalogue.listLines().size(), 7u);
    EXPECT_FALSE(out.notes.empty());
}

TEST_F(LoadoutTest, NothingIsChangedWithoutAListing) {
    dir.write("Loadout.dat", "game table");
    // Never listed.
    EXPECT_FALSE(catalogue.choose(0).done);
    EXPECT_FALSE(catalogue.writeChosen(0, gameTable()).done);
    // Listed an aircraft without loadouts.
    EXPECT_FALSE(catalogue.list(reference, "29", kWeapons).done);
    EXPECT_FALSE(catalogue.writeChosen(0, gameTable()).done);
    EXPECT_EQ(catalogue.firstRecordPosition(), "");
    // A missing reference copy drops an earlier listing too.
    catalogue.list(reference, "5", kWeapons);
    const LoadoutOutcome missing = catalogue.list(dir.path() / "PEV" / "none.dat", "5", kWeapons);
    ASSERT_EQ(missing.problems.size(), 1u);
    EXPECT_TRUE(catalogue.listLines().empty());
    EXPECT_FALSE(catalogue.writeChosen(1, gameTable()).done);
    EXPECT_EQ(dir.read("Loadout.dat"), "game table");
}

TEST_F(LoadoutTest, AReferenceChangedSinceTheListingIsNotWritten) {
    dir.write("Loadout.dat", "game table");
    catalogue.list(reference, "5", kWeapons);
    dir.write("PEV/Loadout.dat", table({record(5, {{1, 1}}, 1), record(5, {{1, 1}}, 2)}));
    EXPECT_FALSE(catalogue.writeChosen(1, gameTable()).done);
    EXPECT_EQ(dir.read("Loadout.dat"), "game table");
}

TEST_F(LoadoutTest, AGameTableThatCannotBeReplacedIsReportedAndLeftAsItWas) {
    dir.folder("Loadout.dat/inside");
    catalogue.list(reference, "5", kWeapons);
    const LoadoutOutcome out = catalogue.writeChosen(0, gameTable());
    EXPECT_FALSE(out.done);
    EXPECT_EQ(out.problems.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "Loadout.dat" / "inside"));
}

TEST_F(LoadoutTest, AGameTableThePlayerMarkedReadOnlyIsNeverReplaced) {
    const auto game = dir.write("Loadout.dat", "the player's own table");
    std::filesystem::permissions(game, std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                           std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    catalogue.list(reference, "5", kWeapons);
    const LoadoutOutcome out = catalogue.writeChosen(15, gameTable());
    std::filesystem::permissions(game, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    EXPECT_FALSE(out.done);
    ASSERT_EQ(out.problems.size(), 1u);
    EXPECT_EQ(out.problems[0].reason, "the file is read-only, so it was not replaced");
    EXPECT_EQ(slurp(game), "the player's own table");
}

TEST_F(LoadoutTest, ANewlyLoadedGameTableBecomesTheReference) {
    const std::string fresh = table({record(5, {{3, 3}}, 9)});
    dir.write("Loadout.dat", fresh);
    catalogue.list(reference, "5", kWeapons);
    EXPECT_TRUE(catalogue.takeGameTable(gameTable(), reference).done);
    EXPECT_EQ(slurp(reference), fresh);
    EXPECT_TRUE(catalogue.listLines().empty()); // the old listing no longer matches the file

    std::filesystem::remove(gameTable());
    EXPECT_FALSE(catalogue.takeGameTable(gameTable(), reference).done);
    EXPECT_EQ(slurp(reference), fresh);
}

// The builder lists the player's aircraft from "PEV\Loadout.dat" whatever its letter case, with the
// names of "weapons.str".
TEST(LoadoutBuilderTest, ThePlayersAircraftIsListedFromTheBuilderFolder) {
    testing::TempFolder game;
    testing::makeGameFolder(game.path());
    game.write("PEV/LOADOUT.DAT", table({record(9, {{2, 2}}, 1), record(9, {{1, 4}}, 2)}));
    game.write("loadout.dat", "stock");
    MissionBuilder b(game.path(), sortieSettings());
    b.start();
    b.loadout().list();
    EXPECT_EQ(b.loadout().catalogue().listLines()[1], "2  Bomb");
    EXPECT_EQ(b.loadout().catalogue().listLines()[8], "4  Gun");
    b.loadout().write(8);
    EXPECT_EQ(game.read("loadout.dat"), table({record(9, {{1, 4}}, 2), record(9, {{1, 4}}, 2)}));
}

} // namespace
} // namespace sortie
