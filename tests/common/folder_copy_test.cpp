#include "common/folder_copy.h"

#include "common/file_compare.h"
#include "common/folder_index.h"

#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace common;
using testsupport::hasEntrySpelled;
using testsupport::TempFolder;

namespace fs = std::filesystem;

namespace {

FolderIndex listed(const fs::path& folder) {
    auto index = FolderIndex::scan(folder);
    EXPECT_TRUE(index.ok()) << index.problem->text();
    return std::move(index.value);
}

TEST(CopyIntoFolder, TakesTheFolderSpellingAndTellsTheListingOfTheNewEntry) {
    TempFolder dir;
    const auto game = dir.folder("game");
    dir.write("game/PNAMES.STR", "stock");
    const auto set = dir.write("set/pnames.str", "the set's");
    dir.write("set/New.dat", "new");
    auto index = listed(game);

    const auto replaced = copyIntoFolder(index, set, "pnames.str", {"copying pnames.str to", {}, {}});
    ASSERT_TRUE(replaced.ok()) << replaced.problem->text();
    EXPECT_EQ(replaced.value, game / "PNAMES.STR");
    EXPECT_EQ(dir.read("game/PNAMES.STR"), "the set's");
    EXPECT_FALSE(hasEntrySpelled(game, "pnames.str"));

    const auto added = copyIntoFolder(index, dir.path() / "set" / "New.dat", "New.dat", {"copying", {}, {}});
    ASSERT_TRUE(added.ok()) << added.problem->text();
    EXPECT_EQ(dir.read("game/New.dat"), "new");
    const auto seen = index.find("NEW.DAT");
    ASSERT_TRUE(seen.ok() && seen.value);
    EXPECT_EQ(seen.value->name, "New.dat");
    EXPECT_EQ(seen.value->kind, EntryKind::PlainFile);

    // Without a listing the name is looked up in the folder itself, with the same spelling rule.
    dir.write("set/Pnames.str", "again");
    const auto single =
        copyIntoFolder(game, dir.path() / "set" / "Pnames.str", "Pnames.str", {"copying", {}, {}});
    ASSERT_TRUE(single.ok()) << single.problem->text();
    EXPECT_EQ(single.value, game / "PNAMES.STR");
    EXPECT_EQ(dir.read("game/PNAMES.STR"), "again");
}

TEST(CopyIntoFolder, RefusesALinkOrAFolderOfTheNameAndLeavesItAlone) {
#if defined(_WIN32)
    GTEST_SKIP() << "making symbolic links needs administrator rights on Windows";
#endif
    TempFolder dir;
    const auto game = dir.folder("game");
    const auto outside = dir.write("outside/hof.dat", "player's");
    fs::create_symlink(outside, game / "HOF.DAT");
    dir.folder("game/Music.bgm");
    const auto source = dir.write("set/hof.dat", "set");
    auto index = listed(game);

    const auto link = copyIntoFolder(index, source, "hof.dat", {"copying hof.dat to", {}, {}});
    ASSERT_FALSE(link.ok());
    EXPECT_EQ(link.problem->path, game / "HOF.DAT");
    EXPECT_EQ(link.problem->action, "copying hof.dat to");
    EXPECT_EQ(link.problem->reason, "left in place: it is a link, which is never followed");
    EXPECT_TRUE(fs::is_symlink(game / "HOF.DAT"));
    EXPECT_EQ(dir.read("outside/hof.dat"), "player's");

    const auto folder = copyIntoFolder(index, source, "music.BGM", {"returning", "unused", {}});
    ASSERT_FALSE(folder.ok());
    EXPECT_EQ(folder.problem->reason, "left in place: it is a folder");
    EXPECT_EQ(folder.problem->action, "returning");
    EXPECT_TRUE(fs::is_directory(game / "Music.bgm"));

    const auto unlisted = copyIntoFolder(game, source, "Hof.dat", {"copying Hof.dat to", {}, {}});
    ASSERT_FALSE(unlisted.ok());
    EXPECT_EQ(unlisted.problem->reason, "left in place: it is a link, which is never followed");
    EXPECT_EQ(unlisted.value, game / "HOF.DAT");
    EXPECT_TRUE(fs::is_symlink(game / "HOF.DAT"));
    EXPECT_EQ(dir.read("outside/hof.dat"), "player's");
}

TEST(CopyIntoFolder, AFailedCopyIsReportedInTheCallersWordsAndNotListed) {
    TempFolder dir;
    const auto game = dir.folder("game");
    const auto source = dir.write("store/hof.dat", "kept");
    auto index = listed(game);
    const CopyFunction failing = [](const fs::path&, const fs::path& destination) -> std::optional<Problem> {
        return Problem{destination, "copying hof.dat to", "No space left on device"};
    };

    const auto copied =
        copyIntoFolder(index, source, "hof.dat", {"refused", "putting back hof.dat as", failing});
    ASSERT_FALSE(copied.ok());
    EXPECT_EQ(copied.problem->text(),
              Problem({game / "hof.dat", "putting back hof.dat as", "No space left on device"}).text());
    EXPECT_FALSE(index.find("hof.dat").value);
    EXPECT_FALSE(fs::exists(game / "hof.dat"));

    // Without words of its own the copy's are kept.
    const auto plain = copyIntoFolder(index, source, "hof.dat", {"refused", {}, failing});
    EXPECT_EQ(plain.problem->action, "copying hof.dat to");
}

TEST(IsCopyOf, OnlyTheSameBytesAreOurCopy) {
    TempFolder dir;
    const auto ours = dir.write("set/a.dat", "abc");
    const auto game = dir.write("game/a.dat", "abc");
    EXPECT_TRUE(isCopyOf(game, ours));

    dir.write("game/a.dat", "abd");
    EXPECT_FALSE(isCopyOf(game, ours));
    dir.write("game/a.dat", "abcd");
    EXPECT_FALSE(isCopyOf(game, ours));

    EXPECT_FALSE(isCopyOf(dir.path() / "game" / "gone.dat", ours));
    // An owner's copy that is gone proves nothing: the game file is not taken for ours.
    dir.write("game/a.dat", "abc");
    const auto lost = compareWithCopy(game, dir.path() / "set" / "gone.dat");
    EXPECT_TRUE(lost.problem);
    EXPECT_NE(lost.comparison, Comparison::Same);
    EXPECT_FALSE(isCopyOf(game, dir.path() / "set" / "gone.dat"));
}

} // namespace
