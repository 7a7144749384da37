#include "common/file_compare.h"
#include "outfitter/sets/folder_check.h"
#include "outfitter/sets/set_files.h"

#include "game_fixture.h"

#include <algorithm>
#include <filesystem>

using namespace outfitter;
using outfitter::test_support::GameFixture;

namespace fs = std::filesystem;

namespace {

class SetFilesTest : public GameFixture {
  protected:
    // A set "loaded" the way MoveIn leaves it: its copies in the game folder's places.
    void putInPlace(const fs::path& setFolder, const std::vector<std::string>& files) {
        for (const auto& file : files) {
            const auto place = loadDestination(file);
            const auto folder = place == GameSubfolder::Savedata ? savedata_
                                : place == GameSubfolder::Music  ? music_
                                                                 : game_;
            write(folder / file, read(setFolder / file));
        }
    }
    std::vector<std::string> lines(const SetFiles& files) {
        std::vector<std::string> out;
        for (const auto& line : files.files)
            out.push_back(lineText(line, files.loaded));
        std::sort(out.begin(), out.end());
        return out;
    }
    SetFilesQuery query(const std::string& name, bool loaded, std::vector<FileOwner> loadedOwners,
                        std::vector<FileOwner> unloaded) {
        return {name,
                selector_ / name,
                loaded,
                game_,
                selector_ / ".originals",
                std::move(loadedOwners),
                std::move(unloaded)};
    }
};

TEST_F(SetFilesTest, AnUnloadedSetShowsWhatEachFileMeetsWhereLoadingPutsIt) {
    const auto desert = set("W-Desert", {"desert.tm", "sand.msn", "horizon.tpc"});
    set("W-Battle", {"DESERT.TM", "battle.bgm", "ecaBoom.dat", "mypic", "contents.txt", "shared.dat",
                     "Player.cfg", "career.sve"});
    const auto clouds = set("G-Clouds", {"shared.dat"});
    putInPlace(desert, {"desert.tm", "sand.msn", "horizon.tpc"});
    write(game_ / "PLAYER.CFG", "the player's own");

    const auto files = listSetFiles(
        query("W-Battle", false, {setOwner("W-Desert", desert)}, {setOwner("G-Clouds", clouds)}));
    EXPECT_TRUE(files.problems.empty());
    const std::vector<std::string> expected{
        "DESERT.TM | game folder | a file of W-Desert, loaded",
        "Player.cfg | game folder | the game's or player's own file (kept as an original on load)",
        "battle.bgm | Music | nothing",
        "career.sve | Savedata | nothing",
        "contents.txt | left out",
        "ecaBoom.dat | left out",
        "mypic | left out",
        "shared.dat | game folder | nothing; also in G-Clouds, not loaded",
    };
    EXPECT_EQ(lines(files), expected);
}

TEST_F(SetFilesTest, ALoadedSetTellsWhetherTheGameFolderStillHoldsItsBytes) {
    const auto desert = set("W-Desert", {"desert.tm", "sand.msn", "horizon.tpc", "dunes.tga", "wind.bgm"});
    const auto clouds = set("G-Clouds", {"wind.bgm"});
    putInPlace(desert, {"desert.tm", "sand.msn", "horizon.tpc", "dunes.tga"});
    putInPlace(clouds, {"wind.bgm"}); // loaded later over the desert's copy
    write(game_ / "horizon.tpc", "changed by hand");
    fs::remove(savedata_ / "sand.msn");
    write(selector_ / ".originals/HORIZON.TPC", "the game's own");

    const auto files = listSetFiles(
        query("W-Desert", true, {setOwner("W-Desert", desert), setOwner("G-Clouds", clouds)}, {}));
    const std::vector<std::string> expected{
        "desert.tm | game folder | nothing | as loaded",
        "dunes.tga | game folder | nothing | as loaded",
        "horizon.tpc | game folder | the game's or player's own file (kept as an original) | changed since "
        "loaded",
        "sand.msn | Savedata | nothing | missing",
        "wind.bgm | Music | a file of G-Clouds, loaded | holds the copy of G-Clouds",
    };
    EXPECT_EQ(lines(files), expected);
}

TEST_F(SetFilesTest, AnotherOwnersLostCopyDoesNotClaimAChangedFile) {
    const auto desert = set("W-Desert", {"wind.bgm"});
    const auto clouds = set("G-Clouds", {"wind.bgm"});
    const auto owners = std::vector<FileOwner>{setOwner("W-Desert", desert), setOwner("G-Clouds", clouds)};
    write(music_ / "wind.bgm", "changed by hand");
    fs::remove(clouds / "wind.bgm");

    const auto files = listSetFiles(query("W-Desert", true, owners, {}));
    EXPECT_EQ(lines(files), std::vector<std::string>{
                                "wind.bgm | Music | a file of G-Clouds, loaded | changed since loaded"});
}

TEST_F(SetFilesTest, TheConflictSummaryCountsNamesSharedWithEachLoadedOwner) {
    const auto desert = set("W-Desert", {"desert.tm", "horizon.tpc", "sand.msn", "mypic"});
    const auto battle = set("W-Battle", {"Desert.tm", "HORIZON.TPC", "sand.msn", "mypic"});
    const auto clouds = set("G-Clouds", {"sand.msn"});
    FileOwner skin{"Red Spitfire", {{"horizon.tpc", GameSubfolder::Top, {}}}};
    const auto loaded =
        std::vector<FileOwner>{setOwner("W-Desert", desert), skin, setOwner("G-Clouds", clouds)};
    // "mypic" stays behind on load, so it is shared with nobody; "sand.msn" in "Savedata" meets the
    // clouds' copy there.
    EXPECT_EQ(sharedText(sharedWithLoaded(setOwner("W-Battle", battle), loaded)),
              "shares 3 files with W-Desert, loaded, 1 file with Red Spitfire, loaded and 1 file with "
              "G-Clouds, loaded");
    EXPECT_EQ(sharedText(sharedWithLoaded(setOwner("W-Desert", desert), {setOwner("W-Desert", desert)})), "");
}

class FolderCheckTest : public SetFilesTest {
  protected:
    void SetUp() override {
        desert_ = set("W-Desert", {"desert.tm", "sand.msn", "horizon.tpc", "career.sve", "mypic"});
        clouds_ = set("G-Clouds", {"horizon.tpc", "clouds.tga"});
        putInPlace(desert_, {"desert.tm", "sand.msn", "horizon.tpc", "career.sve"});
        putInPlace(clouds_, {"clouds.tga"}); // the desert's horizon stands: either copy counts as loaded
    }
    std::vector<FileOwner> owners() const {
        auto list = std::vector<FileOwner>{setOwner("W-Desert", desert_), setOwner("G-Clouds", clouds_)};
        // An aircraft's patched "planes.dat" has no copy and is never compared.
        list.push_back({"P-Spit", {{"planes.dat", GameSubfolder::Top, {}}}});
        return list;
    }
    std::vector<std::string> texts(const FolderCheck& check) const {
        std::vector<std::string> out;
        for (const auto& finding : check.findings)
            out.push_back(findingText(finding));
        std::sort(out.begin(), out.end());
        return out;
    }
    fs::path desert_, clouds_;
};

TEST_F(FolderCheckTest, AFolderLeftAloneIsAsLoadedAndNothingIsWritten) {
    const auto before = names(game_);
    const auto check = checkGameFolder(game_, owners());
    EXPECT_TRUE(check.allAsLoaded()) << (check.findings.empty() ? "" : findingText(check.findings[0]));
    EXPECT_EQ(check.files, 4u); // desert.tm, sand.msn, horizon.tpc, clouds.tga
    EXPECT_EQ(names(game_), before);
}

TEST_F(FolderCheckTest, DeletedChangedAndResizedFilesAreListedWithTheirOwners) {
    fs::remove(savedata_ / "sand.msn");
    auto bytes = read(game_ / "desert.tm");
    bytes[3] ^= 1;                   // one byte, same size
    fs::remove(game_ / "desert.tm"); // first: on Windows both spellings name one file
    write(game_ / "DESERT.TM", bytes);
    write(game_ / "clouds.tga", read(clouds_ / "clouds.tga") + "x");
    write(game_ / "horizon.tpc", "neither set's");
    write(savedata_ / "career.sve", "a career flown since");

    const auto check = checkGameFolder(game_, owners());
    const std::vector<std::string> expected{
        "differs: clouds.tga of G-Clouds",
        "differs: desert.tm of W-Desert",
        "differs: horizon.tpc of G-Clouds, also of W-Desert",
        "missing: Savedata/sand.msn of W-Desert",
    };
    EXPECT_EQ(texts(check), expected);
    auto owners = check.ownersWithFindings();
    std::sort(owners.begin(), owners.end());
    EXPECT_EQ(owners, (std::vector<std::string>{"G-Clouds", "W-Desert"}));
    for (const auto& finding : check.findings) {
        if (finding.name == "desert.tm") {
            EXPECT_EQ(finding.gameFile, game_ / "DESERT.TM");
        }
    }
}

TEST_F(FolderCheckTest, AMissingPlaceMakesItsFilesMissingAndACancelStops) {
    fs::remove_all(savedata_);
    const auto check = checkGameFolder(game_, owners());
    ASSERT_EQ(texts(check), std::vector<std::string>{"missing: Savedata/sand.msn of W-Desert"});
    EXPECT_EQ(check.findings[0].gameFile.filename(), "sand.msn");

    const auto stopped =
        checkGameFolder(game_, owners(), [](std::size_t done, std::size_t) { return done < 1; });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_EQ(stopped.files, 1u);
    EXPECT_FALSE(stopped.allAsLoaded());
}

TEST_F(FolderCheckTest, AnOwnersLostCopyIsAProblemNotAPass) {
    // The owners were read before the set's own copy went (the selector learnt its files at load).
    const auto loaded = owners();
    fs::remove(desert_ / "desert.tm");
    const auto check = checkGameFolder(game_, loaded);
    EXPECT_FALSE(check.problems.empty());
    EXPECT_FALSE(check.allAsLoaded());
}

} // namespace

namespace {

// Files beyond one read block: the last byte, the length and a folder in the file's place all count.
TEST_F(SetFilesTest, ComparisonSeesEveryByteOfLargeFilesAndAFolderInTheFilesPlace) {
    std::string bytes(3 * 1024 * 1024 + 17, 'a');
    for (std::size_t i = 0; i < bytes.size(); i += 4093)
        bytes[i] = static_cast<char>(i);
    const auto copy = write(selector_ / "W-Big/big.ter", bytes);
    const auto placed = write(game_ / "big.ter", bytes);
    EXPECT_EQ(common::compareWithCopy(placed, copy).comparison, common::Comparison::Same);
    EXPECT_EQ(common::compareWithCopy(placed, copy).bytesRead, 2 * bytes.size());

    bytes.back() ^= 1;
    write(game_ / "big.ter", bytes);
    EXPECT_EQ(common::compareWithCopy(placed, copy).comparison, common::Comparison::Differs);
    bytes.back() ^= 1;
    write(game_ / "big.ter", bytes + "more");
    EXPECT_EQ(common::compareWithCopy(placed, copy).comparison, common::Comparison::Differs);

    fs::remove(placed);
    EXPECT_EQ(common::compareWithCopy(placed, copy).comparison, common::Comparison::Missing);
    fs::create_directory(placed);
    const auto folder = common::compareWithCopy(placed, copy);
    EXPECT_EQ(folder.comparison, common::Comparison::Differs);
    EXPECT_FALSE(folder.problem);
}

} // namespace
