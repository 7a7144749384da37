// Adding sets from plain folders: the layouts, the names, replacing, progress and cancel. These need no
// archive reader and run in every build.

#include "import_fixture.h"

#if !defined(_WIN32)
#include <sys/mount.h>
#endif

#include "outfitter/archive/source_reader.h"

namespace outfitter::testing {
namespace {

namespace fs = std::filesystem;

class FolderImport : public ImportTest {};

TEST_F(FolderImport, AFolderNamedAsASetIsCopiedWholeUnderItsOwnName) {
    const auto source = dir_.folder("Downloads/W-Desert Air War");
    dir_.write("Downloads/W-Desert Air War/planes.dat", std::string("\0\1\xff bytes", 9));
    dir_.write("Downloads/W-Desert Air War/P-Spitfire/spit.qiv", "qiv");
    dir_.folder("Downloads/W-Desert Air War/Empty");

    const auto plan = this->plan(source);
    ASSERT_TRUE(plan.problems.empty()) << allText(plan.problems);
    ASSERT_EQ(plan.sets.size(), 1u);
    EXPECT_EQ(plan.sets[0].folderName, "W-Desert Air War");
    EXPECT_EQ(plan.sets[0].letter, "W");
    EXPECT_EQ(plan.sets[0].name, "Desert Air War");
    EXPECT_FALSE(plan.letterNeeded);
    EXPECT_EQ(plan.files, 2u);
    EXPECT_EQ(plan.bytes, 12u);

    const auto result = add(plan);
    ASSERT_TRUE(result.problems.empty()) << allText(result.problems);
    EXPECT_EQ(result.addedFolders, std::vector<std::string>{"W-Desert Air War"});
    EXPECT_EQ(result.files, 2u);
    EXPECT_EQ(result.bytes, 12u);
    EXPECT_EQ(read("EAW/QIV128/W-Desert Air War/planes.dat"), std::string("\0\1\xff bytes", 9));
    EXPECT_EQ(read("EAW/QIV128/W-Desert Air War/P-Spitfire/spit.qiv"), "qiv");
    EXPECT_TRUE(fs::is_directory(selector_ / "W-Desert Air War" / "Empty"));
    EXPECT_EQ(read("Downloads/W-Desert Air War/planes.dat"),
              std::string("\0\1\xff bytes", 9)); // copied, not moved
}

TEST_F(FolderImport, AnyOtherFolderNeedsALetterAndTakesItsOwnNameUnlessGivenOne) {
    const auto source = dir_.folder("Downloads/Desert");
    dir_.write("Downloads/Desert/planes.dat", "p");

    const auto withoutLetter = plan(source);
    EXPECT_TRUE(withoutLetter.problems.empty()) << allText(withoutLetter.problems);
    EXPECT_TRUE(withoutLetter.letterNeeded);
    ASSERT_EQ(withoutLetter.sets.size(), 1u);
    EXPECT_EQ(withoutLetter.sets[0].letter, "");
    EXPECT_EQ(withoutLetter.sets[0].name, "Desert");
    const auto refused = add(withoutLetter);
    EXPECT_NE(allText(refused.problems).find("choose a category"), std::string::npos);

    const auto named = plan(source, "T", "Sands");
    ASSERT_TRUE(named.problems.empty()) << allText(named.problems);
    EXPECT_EQ(named.sets[0].folderName, "T-Sands");
    EXPECT_TRUE(add(named).problems.empty());
    EXPECT_EQ(read("EAW/QIV128/T-Sands/planes.dat"), "p");

    // The override wins over the name the folder carries too.
    const auto setFolder = dir_.folder("Downloads/W-Old");
    dir_.write("Downloads/W-Old/a.dat", "a");
    EXPECT_EQ(plan(setFolder, "s").sets.at(0).folderName, "s-Old");
    EXPECT_EQ(plan(setFolder, std::nullopt, "New").sets.at(0).folderName, "W-New");
}

TEST_F(FolderImport, AGameFolderCopyAddsEachSetOfItsSelectorFolderAndLeavesTheRestOut) {
    const auto source = dir_.folder("Downloads/pack");
    dir_.write("Downloads/pack/readme.txt", "read me");
    dir_.write("Downloads/pack/qiv128/W-One/a.dat", "1");
    dir_.write("Downloads/pack/qiv128/T-Two/b.dat", "2");
    dir_.write("Downloads/pack/qiv128/Skinfolder/Spit/skin.bmp", "s");
    dir_.write("Downloads/pack/qiv128/loose.txt", "l");

    const auto plan = this->plan(source, "W", "Ignored");
    ASSERT_TRUE(plan.problems.empty()) << allText(plan.problems);
    ASSERT_EQ(plan.sets.size(), 2u);
    EXPECT_EQ(plan.layout, ImportLayout::SelectorFolder);
    std::set<std::string> names{plan.sets[0].folderName, plan.sets[1].folderName};
    EXPECT_EQ(names, (std::set<std::string>{"W-One", "T-Two"}));
    EXPECT_EQ(plan.files, 2u);
    EXPECT_EQ(std::set<std::string>(plan.leftOut.begin(), plan.leftOut.end()),
              (std::set<std::string>{"readme.txt", "qiv128/Skinfolder/Spit/skin.bmp", "qiv128/loose.txt"}));

    ASSERT_TRUE(add(plan).problems.empty());
    EXPECT_EQ(read("EAW/QIV128/W-One/a.dat"), "1");
    EXPECT_EQ(read("EAW/QIV128/T-Two/b.dat"), "2");
    EXPECT_FALSE(fs::exists(selector_ / "Skinfolder" / "Spit"));
    EXPECT_FALSE(fs::exists(selector_ / "readme.txt"));
}

TEST_F(FolderImport, ASetNameNoFolderCanHoldOrAnUnknownLetterIsRefused) {
    const auto source = dir_.folder("Downloads/Desert");
    dir_.write("Downloads/Desert/planes.dat", "p");
    for (const auto* name : {"a<b", "a|b", "a:b", "back\\slash", "trailing.", "trailing ", "", "tab\t"}) {
        const auto plan = this->plan(source, "W", name);
        EXPECT_NE(allText(plan.problems).find("the set name"), std::string::npos) << name;
        EXPECT_FALSE(add(plan).problems.empty());
    }
    EXPECT_NE(allText(plan(source, "Y").problems).find("no category with the letter \"Y\""),
              std::string::npos);
    EXPECT_FALSE(plan(source, "WW").problems.empty());
    EXPECT_EQ(written(), (std::set<std::string>{"EAW/", "EAW/QIV128/", "EAW/QIV128/qiv.ini"}));
}

TEST_F(FolderImport, ASetOfTheSameNameInAnyCaseIsReplacedOnlyWhenAsked) {
    dir_.write("EAW/QIV128/w-desert/old.dat", "old");
    const auto source = dir_.folder("Downloads/W-Desert");
    dir_.write("Downloads/W-Desert/new.dat", "new");

    const auto plan = this->plan(source);
    ASSERT_TRUE(plan.problems.empty()) << allText(plan.problems);
    EXPECT_EQ(plan.sets[0].existingFolder, "w-desert");

    const auto refused = add(plan);
    EXPECT_NE(allText(refused.problems).find("already there"), std::string::npos);
    EXPECT_TRUE(refused.addedFolders.empty());
    EXPECT_EQ(read("EAW/QIV128/w-desert/old.dat"), "old");

    const auto replaced = add(plan, true);
    ASSERT_TRUE(replaced.problems.empty()) << allText(replaced.problems);
    EXPECT_EQ(written(), (std::set<std::string>{"EAW/", "EAW/QIV128/", "EAW/QIV128/qiv.ini",
                                                "EAW/QIV128/W-Desert/", "EAW/QIV128/W-Desert/new.dat"}));
}

TEST_F(FolderImport, ProgressCountsUpToTheTotalAndACancelLeavesNothing) {
    const auto source = dir_.folder("Downloads/W-Big");
    for (int i = 0; i < 5; ++i)
        dir_.write("Downloads/W-Big/part" + std::to_string(i) + ".dat", std::string(300'000, char('a' + i)));
    const auto plan = this->plan(source);
    ASSERT_TRUE(plan.problems.empty());

    std::vector<ImportProgress> seen;
    const auto done = importSets(plan, selector_, false, [&](const ImportProgress& progress) {
        seen.push_back(progress);
        return true;
    });
    ASSERT_TRUE(done.problems.empty()) << allText(done.problems);
    ASSERT_FALSE(seen.empty());
    for (std::size_t i = 1; i < seen.size(); ++i)
        EXPECT_LE(seen[i - 1].bytesDone, seen[i].bytesDone);
    EXPECT_EQ(seen.back().bytesDone, 1'500'000u);
    EXPECT_EQ(seen.back().bytesTotal, 1'500'000u);
    fs::remove_all(selector_ / "W-Big");

    const auto before = written();
    const auto cancelled = importSets(
        plan, selector_, false, [](const ImportProgress& progress) { return progress.bytesDone < 400'000; });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_TRUE(cancelled.problems.empty());
    EXPECT_TRUE(cancelled.addedFolders.empty());
    EXPECT_EQ(written(), before);
}

TEST_F(FolderImport, TheSelectorFolderItselfOrAFolderAboveOrInsideItIsNoSource) {
    dir_.write("EAW/QIV128/W-Desert/a.dat", "a");
    const auto before = written();
    for (const auto& source : {selector_, selector_.parent_path(), selector_ / "W-Desert"}) {
        const auto plan = this->plan(source, "W", "Again");
        EXPECT_NE(allText(plan.problems).find("cannot be added from \"QIV128\" itself"), std::string::npos)
            << allText(plan.problems);
        EXPECT_FALSE(add(plan, true).problems.empty());
    }
    EXPECT_EQ(written(), before);
}

#if !defined(_WIN32)
TEST_F(FolderImport, TheSelectorFolderUnderAnotherNameIsKnownByWhatItIsNotByItsPath) {
    dir_.write("EAW/QIV128/W-Desert/a.dat", "a");
    const auto mounted = dir_.folder("Downloads/mounted");
    const auto holder = dir_.folder("Downloads/holder");
    const auto inside = dir_.folder("Downloads/holder/inner");
    if (::mount(selector_.c_str(), mounted.c_str(), nullptr, MS_BIND, nullptr) != 0)
        GTEST_SKIP() << "cannot bind-mount here";
    const bool second = ::mount(selector_.c_str(), inside.c_str(), nullptr, MS_BIND, nullptr) == 0;
    const auto before = written();
    for (const auto& source : {mounted, holder}) {
        if (source == holder && !second)
            continue;
        const auto plan = this->plan(source, "W", "Again");
        // And were the plan's refusal passed over, the walk itself refuses.
        ImportPlan forced;
        forced.source = source;
        forced.isFolder = true;
        forced.sets = {{"W-Again", "W", "Again", {}, {}}};
        const auto result = add(forced, true);
        if (source == mounted) {
            EXPECT_NE(allText(plan.problems).find("cannot be added from \"QIV128\" itself"),
                      std::string::npos)
                << allText(plan.problems);
        }
        EXPECT_NE(allText(result.problems).find("cannot be added from \"QIV128\" itself"), std::string::npos)
            << allText(result.problems);
    }
    ::umount2(mounted.c_str(), MNT_DETACH);
    ::umount2(inside.c_str(), MNT_DETACH);
    EXPECT_EQ(written(), before);
}

TEST_F(FolderImport, AFolderHoldingALinkIsRefusedWhole) {
    const auto source = dir_.folder("Downloads/W-Linked");
    dir_.write("Downloads/W-Linked/planes.dat", "p");
    fs::create_symlink("/etc/passwd", source / "passwd");
    const auto plan = this->plan(source);
    EXPECT_NE(allText(plan.problems).find("\"W-Linked/passwd\": the entry is a link"), std::string::npos)
        << allText(plan.problems);
    EXPECT_FALSE(add(plan).problems.empty());
    EXPECT_EQ(written(), (std::set<std::string>{"EAW/", "EAW/QIV128/", "EAW/QIV128/qiv.ini"}));
}
#endif

TEST_F(FolderImport, ABuildWithoutAnArchiveReaderSaysToUnpackTheArchive) {
    if (archivesSupported())
        GTEST_SKIP() << "this build reads archives";
    const auto archive = dir_.write("Downloads/desert.zip", "PK");
    const auto plan = this->plan(archive, "W");
    ASSERT_EQ(plan.problems.size(), 1u);
    EXPECT_EQ(plan.problems[0].reason, kNoArchiveSupport);
}

} // namespace
} // namespace outfitter::testing
