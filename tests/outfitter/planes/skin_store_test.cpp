// The skin store on real folders: rows and codes, installing with the replacement of the installed
// skin of the same aircraft, removing, clearing, renaming, filtering; and files the file system
// refuses, with the marks telling what the game folder holds.

#include "outfitter/planes/skin_store.h"

#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace {

namespace fs = std::filesystem;
using outfitter::SkinFileOps;
using outfitter::SkinNameVerdict;
using outfitter::SkinStore;
using testsupport::TempFolder;

class SkinStoreTest : public ::testing::Test {
  protected:
    SkinStoreTest() {
        // Store and game folder spelt in other cases than the program spells them.
        skin("Spit 611", {"pSP09.3dz", "sp09skin.tpc", "skinpic", "contents.txt", "PLANES.DAT", "spit.flt",
                          "notes.TXT", "skinpic.bmp"});
        skin("Spit 92", {"Psp09.3DZ", "sp09skin.tpc", "sp09wing.tpc"});
        skin("Bf 109", {"a.tpc", "p109g.3dz", "p109e.3dz"});
        skin("No model", {"nose.tpc"});
        game.write("qiv128/SKINFOLDER/loose.txt", "not a skin");
        game.write("PSP09.3DZ", "stock model");
        game.write("planes.dat", "stock planes");
        store.setIncludeFlightData(false);
        EXPECT_TRUE(store.load().empty());
    }

    void skin(const std::string& folder, const std::vector<std::string>& files) {
        for (const auto& file : files)
            game.write("qiv128/SKINFOLDER/" + folder + "/" + file, folder + ":" + file);
    }
    std::size_t row(const std::string& name) const {
        for (std::size_t i = 0; i < store.rows().size(); ++i)
            if (store.rows()[i].name == name)
                return i;
        ADD_FAILURE() << "no row " << name;
        return 0;
    }
    bool installed(const std::string& name) const { return store.rows()[row(name)].installed; }
    // The game folder's own files, outside the selector folder.
    std::set<std::string> gameFiles() const {
        std::set<std::string> out;
        for (const auto& entry : game.entries())
            if (entry.rfind("qiv128", 0) != 0)
                out.insert(entry);
        return out;
    }

    TempFolder game;
    SkinStore store{game.path()};
};

TEST_F(SkinStoreTest, RowsFollowTheStoreWithTheCodeOfTheFirstModelFile) {
    ASSERT_EQ(store.rows().size(), 4U);
    EXPECT_EQ(store.rows()[0].name, "Bf 109");
    EXPECT_EQ(store.rows()[0].code, "109E") << "p109e.3dz comes first in name order";
    EXPECT_EQ(store.rows()[1].name, "No model");
    EXPECT_EQ(store.rows()[1].code, "");
    EXPECT_EQ(store.rows()[2].code, "SP09");
    EXPECT_EQ(store.rows()[3].code, "SP09");
    EXPECT_EQ(store.storeFolder(), game.path() / "qiv128" / "SKINFOLDER");

    TempFolder empty;
    SkinStore none(empty.path());
    EXPECT_TRUE(none.load().empty());
    EXPECT_TRUE(none.rows().empty());
}

TEST_F(SkinStoreTest, InstallCopiesSkinFilesOverMixedCaseNamesAndLeavesPicturesAndFlightData) {
    const auto change = store.toggle(row("Spit 611"));
    EXPECT_TRUE(change.work.ok());
    EXPECT_TRUE(change.summaryDue);
    EXPECT_TRUE(installed("Spit 611"));
    EXPECT_EQ(gameFiles(), (std::set<std::string>{"PSP09.3DZ", "planes.dat", "sp09skin.tpc", "skinpic.bmp"}));
    EXPECT_EQ(game.read("PSP09.3DZ"), "Spit 611:pSP09.3dz");
    EXPECT_EQ(game.read("planes.dat"), "stock planes");

    store.toggle(row("Spit 611"));
    EXPECT_FALSE(installed("Spit 611"));
    EXPECT_EQ(gameFiles(), (std::set<std::string>{"PSP09.3DZ", "planes.dat"})) << "flight data is not deleted either";
    EXPECT_EQ(game.read("PSP09.3DZ"), "stock model") << "the file the skin had replaced is back";
}

TEST_F(SkinStoreTest, IncludeFltCopiesAndDeletesFlightDataToo) {
    store.setIncludeFlightData(true);
    store.toggle(row("Spit 611"));
    EXPECT_EQ(game.read("planes.dat"), "Spit 611:PLANES.DAT");
    EXPECT_EQ(game.read("spit.flt"), "Spit 611:spit.flt");
    EXPECT_FALSE(testsupport::hasEntrySpelled(game.path(), "PLANES.DAT"));
    store.toggle(row("Spit 611"));
    EXPECT_EQ(gameFiles(), (std::set<std::string>{"PSP09.3DZ", "planes.dat"}));
    EXPECT_EQ(game.read("planes.dat"), "stock planes");
}

TEST_F(SkinStoreTest, InstallingASkinOfTheSameAircraftRemovesTheInstalledOneFirst) {
    store.toggle(row("Spit 611"));
    store.toggle(row("Bf 109"));
    const auto change = store.toggle(row("Spit 92"));
    EXPECT_TRUE(change.work.ok());
    EXPECT_FALSE(installed("Spit 611"));
    EXPECT_TRUE(installed("Spit 92"));
    EXPECT_TRUE(installed("Bf 109")) << "another aircraft keeps its skin";
    EXPECT_EQ(std::set<std::size_t>(change.rowsChanged.begin(), change.rowsChanged.end()),
              (std::set<std::size_t>{row("Spit 611"), row("Spit 92")}));
    EXPECT_FALSE(fs::exists(game.path() / "skinpic.bmp"));
    EXPECT_EQ(game.read("sp09skin.tpc"), "Spit 92:sp09skin.tpc");
    EXPECT_EQ(store.installedNames(), (std::vector<std::string>{"Bf 109", "Spit 92"}));
}

TEST_F(SkinStoreTest, SkinsOfNoKnownAircraftNeverReplaceEachOther) {
    skin("Other unknown", {"tail.tpc"});
    store.load();
    store.toggle(row("No model"));
    store.toggle(row("Other unknown"));
    EXPECT_TRUE(installed("No model"));
    EXPECT_TRUE(installed("Other unknown"));
}

TEST_F(SkinStoreTest, RemovingTouchesOnlyPlainFilesDirectlyInTheGameFolder) {
#if defined(_WIN32)
    GTEST_SKIP() << "making symbolic links needs administrator rights on Windows";
#endif
    store.toggle(row("Spit 92"));
    fs::remove(game.path() / "sp09wing.tpc");
    fs::create_directory(game.path() / "sp09wing.tpc"); // a folder of the same name
    const auto target = game.write("elsewhere/keep.tpc", "someone else's");
    fs::remove(game.path() / "sp09skin.tpc");
    fs::create_symlink(target, game.path() / "sp09skin.tpc");

    const auto change = store.toggle(row("Spit 92"));
    EXPECT_FALSE(installed("Spit 92"));
    EXPECT_TRUE(fs::is_directory(game.path() / "sp09wing.tpc"));
    EXPECT_TRUE(fs::is_symlink(game.path() / "sp09skin.tpc"));
    EXPECT_EQ(game.read("elsewhere/keep.tpc"), "someone else's");
    EXPECT_EQ(game.read("PSP09.3DZ"), "stock model");
    ASSERT_EQ(change.work.problems.size(), 1U) << "the link is named";
    EXPECT_EQ(change.work.problems[0].path, game.path() / "sp09skin.tpc");
}

TEST_F(SkinStoreTest, RefusedCopiesAreNamedTheOthersDoneAndTheMarkFollowsWhatArrived) {
    int copies = 0;
    SkinFileOps ops = SkinFileOps::standard();
    const auto copy = ops.copy;
    ops.copy = [&](const fs::path& from, const fs::path& to) -> std::optional<common::Problem> {
        ++copies;
        if (from.filename() == "sp09skin.tpc")
            return common::Problem{to, "copying", "disk full"};
        return copy(from, to);
    };
    SkinStore failing(game.path(), ops);
    failing.load();
    const auto partly = failing.toggle(row("Spit 92"));
    ASSERT_EQ(partly.work.problems.size(), 1U);
    EXPECT_EQ(partly.work.problems[0].path.filename(), "sp09skin.tpc");
    EXPECT_TRUE(failing.rows()[row("Spit 92")].installed) << "two of its three files are in the game folder";
    EXPECT_EQ(game.read("sp09wing.tpc"), "Spit 92:sp09wing.tpc");

    fs::create_directory(game.path() / "nose.tpc"); // the only file of "No model" cannot arrive
    const auto none = failing.toggle(row("No model"));
    EXPECT_EQ(none.work.problems.size(), 1U);
    EXPECT_FALSE(failing.rows()[row("No model")].installed);
    EXPECT_TRUE(none.rowsChanged.empty());
}

TEST_F(SkinStoreTest, RefusedDeletionKeepsTheMarkAndBlocksReplacement) {
    SkinFileOps ops = SkinFileOps::standard();
    const auto remove = ops.remove;
    bool locked = true;
    ops.remove = [&](const fs::path& file) -> std::optional<common::Problem> {
        if (locked && file.filename() == "sp09skin.tpc")
            return common::Problem{file, "deleting", "in use by the game"};
        return remove(file);
    };
    SkinStore failing(game.path(), ops);
    failing.load();
    failing.toggle(row("Spit 611"));

    const auto replace = failing.toggle(row("Spit 92"));
    EXPECT_TRUE(failing.rows()[row("Spit 611")].installed);
    EXPECT_FALSE(failing.rows()[row("Spit 92")].installed);
    ASSERT_EQ(replace.work.problems.size(), 2U);
    EXPECT_EQ(replace.work.problems[0].path.filename(), "sp09skin.tpc");
    EXPECT_FALSE(fs::exists(game.path() / "skinpic.bmp")) << "the other files were still deleted";
    EXPECT_EQ(game.read("sp09skin.tpc"), "Spit 611:sp09skin.tpc") << "nothing of the new skin arrived";

    const auto kill = failing.Skinkill();
    EXPECT_TRUE(failing.rows()[row("Spit 611")].installed);
    EXPECT_EQ(kill.work.problems.size(), 1U);

    // "Reset All" clears every mark whatever is left: its clean-up and empty ledger follow.
    EXPECT_EQ(failing.unloadAll().problems.size(), 1U);
    EXPECT_TRUE(failing.installedNames().empty());
    locked = false;
}

TEST_F(SkinStoreTest, SkinkillRemovesEveryInstalledSkinAndAlwaysAsksForTheSummary) {
    const auto nothing = store.Skinkill();
    EXPECT_TRUE(nothing.summaryDue);
    EXPECT_TRUE(nothing.rowsChanged.empty());
    store.toggle(row("Spit 92"));
    store.toggle(row("Bf 109"));
    const auto kill = store.Skinkill();
    EXPECT_EQ(kill.rowsChanged.size(), 2U);
    EXPECT_TRUE(store.installedNames().empty());
    EXPECT_EQ(gameFiles(), (std::set<std::string>{"PSP09.3DZ", "planes.dat"}));
}

TEST_F(SkinStoreTest, LedgerNamesMarkRowsWithoutCopying) {
    EXPECT_TRUE(store.markFromLedger("Spit 92"));
    EXPECT_FALSE(store.markFromLedger("spit 92")) << "ledger names match exactly";
    EXPECT_FALSE(store.markFromLedger("Gone"));
    EXPECT_EQ(store.installedNames(), (std::vector<std::string>{"Spit 92"}));
    EXPECT_EQ(gameFiles(), (std::set<std::string>{"PSP09.3DZ", "planes.dat"}));
}

TEST_F(SkinStoreTest, RenameRefusesNamesInUseAndRenamesTheFolder) {
    EXPECT_EQ(store.rename(row("Spit 92"), "Spit 92").check.verdict, SkinNameVerdict::InUse);
    EXPECT_EQ(store.rename(row("Spit 92"), "Spit 611").check.verdict, SkinNameVerdict::InUse);
    EXPECT_EQ(store.rename(row("Spit 92"), "LOOSE.TXT").check.verdict, SkinNameVerdict::DiffersOnlyInCase);
    EXPECT_EQ(store.rename(row("Spit 92"), "spit 92").check.verdict, SkinNameVerdict::DiffersOnlyInCase);
    EXPECT_EQ(store.rename(row("Spit 92"), "").check.verdict, SkinNameVerdict::Empty);
    EXPECT_EQ(store.rename(row("Spit 92"), "../escape").check.verdict, SkinNameVerdict::NotAFolderName);
    EXPECT_TRUE(fs::is_directory(store.storeFolder() / "Spit 92"));

    const auto index = row("Spit 92");
    const auto done = store.rename(index, "Spitfire IX 92 Sqn");
    EXPECT_TRUE(done.renamed);
    EXPECT_FALSE(done.summaryDue);
    EXPECT_EQ(store.rows()[index].name, "Spitfire IX 92 Sqn");
    EXPECT_TRUE(fs::exists(store.storeFolder() / "Spitfire IX 92 Sqn" / "sp09wing.tpc"));

    store.toggle(index);
    EXPECT_TRUE(store.rename(index, "92 Sqn").summaryDue) << "the ledger must learn the new name";
    EXPECT_EQ(store.installedNames(), (std::vector<std::string>{"92 Sqn"}));
}

TEST_F(SkinStoreTest, RenameTheFileSystemRefusesKeepsTheOldName) {
    const auto index = row("Bf 109");
    fs::remove_all(store.storeFolder() / "Bf 109"); // gone since start
    const auto refused = store.rename(index, "Bf 109G");
    EXPECT_FALSE(refused.renamed);
    ASSERT_TRUE(refused.problem);
    EXPECT_EQ(store.rows()[index].name, "Bf 109");
}

TEST_F(SkinStoreTest, FilterShowsAllTheInstalledOrOneAircraftsSkins) {
    store.toggle(row("Bf 109"));
    EXPECT_EQ(store.filter(0), (std::vector<bool>{true, true, true, true}));
    EXPECT_EQ(store.filter(1), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(store.filter(2 + 11), (std::vector<bool>{false, false, true, true})) << "slot 11 is sp09";
    EXPECT_EQ(store.filter(2 + 17), (std::vector<bool>{false, false, false, false})) << "109g, not 109e";
    EXPECT_EQ(store.filterByCode("109E"), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(store.filter(40), (std::vector<bool>{false, false, false, false}));
}

TEST_F(SkinStoreTest, DescriptionAndPictureOfASkin) {
    game.write("qiv128/SKINFOLDER/Spit 92/tail.gif", "gif");
    const auto click = store.describe(row("Spit 611"), false);
    EXPECT_EQ(click.description, (std::vector<std::string>{"Spit 611:contents.txt"}));
    EXPECT_EQ(click.picture, store.storeFolder() / "Spit 611" / "skinpic");
    EXPECT_FALSE(store.describe(row("Spit 92"), false).picture);
    EXPECT_EQ(store.describe(row("Spit 92"), true).picture, store.storeFolder() / "Spit 92" / "tail.gif");
    EXPECT_TRUE(store.describe(row("Spit 92"), true).description.empty());
}

} // namespace
