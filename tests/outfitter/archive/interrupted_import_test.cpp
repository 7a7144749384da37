// A program killed while it unpacks a set leaves its temporary folder; the next start removes it, and
// puts back a set folder that was being replaced.

#include "archive_maker.h"
#include "import_fixture.h"

#include "outfitter/core/selector_startup.h"
#include "outfitter/core/stale_temporaries.h"

#include "common/file_faults.h"

#include "test_support/child_process.h"

#include <csignal>

namespace outfitter::testing {
namespace {

namespace fs = std::filesystem;

class InterruptedImport : public ImportTest {
  protected:
    std::vector<std::string> importFolders() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(selector_))
            if (isImportFolderName(common::pathText(entry.path().filename())))
                found.push_back(common::pathText(entry.path().filename()));
        return found;
    }
};

TEST_F(InterruptedImport, AKillWhileUnpackingLeavesNoSetAndTheNextStartNoTemporaryFolder) {
    std::vector<ArchiveItem> items;
    for (int i = 0; i < 6; ++i)
        items.push_back(file("W-Big/part" + std::to_string(i) + ".dat", std::string(300'000, char('a' + i))));
    const auto source = downloads_ / "big.zip";
    makeArchive(source, ArchiveFormat::Zip, items);
    dir_.write("EAW/QIV128/W-Kept/a.dat", "kept");
    SelectorStartup::run(dir_.path() / "EAW"); // the folders and files a start makes, made once
    const auto plan = this->plan(source);
    ASSERT_TRUE(plan.problems.empty()) << allText(plan.problems);
    const auto before = written();

    for (const std::uint64_t killAt : {1u, 700'000u, 1'799'999u}) {
        SCOPED_TRACE(killAt);
        const auto outcome = testsupport::runInChild([&](const testsupport::Say& say) {
            const auto result = importSets(plan, selector_, false, [&](const ImportProgress& progress) {
                if (progress.bytesDone >= killAt)
                    std::raise(SIGKILL);
                return true;
            });
            say(allText(result.problems)); // only when it was not killed
            return 0;
        });
        ASSERT_EQ(outcome.signal, SIGKILL) << outcome.output;
        ASSERT_EQ(importFolders().size(), 1u);
        EXPECT_FALSE(fs::exists(selector_ / "W-Big"));

        const auto restart = SelectorStartup::run(dir_.path() / "EAW");
        EXPECT_TRUE(importFolders().empty());
        EXPECT_EQ(written(), before);
        for (const auto& row : restart.sets.rows())
            EXPECT_NE(row.name, "W-Big");
    }
}

TEST_F(InterruptedImport, ASetMovedAsideForItsReplacementGoesBackWhenTheNewOneNeverArrived) {
    // The moment between moving the old set aside and renaming the new one into its place.
    const auto name = newImportFolderName();
    dir_.write("EAW/QIV128/" + name + "/replaced/W-Desert/old.dat", "old");
    dir_.write("EAW/QIV128/" + name + "/new/W-Desert/new.dat", "new");
    // And one whose new set did arrive: the old copy goes.
    const auto done = newImportFolderName();
    dir_.write("EAW/QIV128/" + done + "/replaced/t-sands/old.dat", "old");
    dir_.write("EAW/QIV128/T-Sands/new.dat", "new");
    // Folders of other names are the player's, even dot-named ones.
    dir_.write("EAW/QIV128/.import-mine/keep.dat", "mine");

    common::Problems problems;
    const auto removed = removeStaleTemporaries({selector_}, problems);
    EXPECT_TRUE(problems.empty()) << allText(problems);
    EXPECT_EQ(removed.size(), 2u);
    EXPECT_EQ(written(),
              (std::set<std::string>{"EAW/", "EAW/QIV128/", "EAW/QIV128/qiv.ini", "EAW/QIV128/W-Desert/",
                                     "EAW/QIV128/W-Desert/old.dat", "EAW/QIV128/T-Sands/",
                                     "EAW/QIV128/T-Sands/new.dat", "EAW/QIV128/.import-mine/",
                                     "EAW/QIV128/.import-mine/keep.dat"}));
}

TEST_F(InterruptedImport, AnArchiveOfSeveralSetsKilledBetweenItsRenamesArrivesWholeAtTheNextStart) {
    const auto source = downloads_ / "three.zip";
    makeArchive(source, ArchiveFormat::Zip,
                {file("QIV128/W-One/a.dat", "one"), file("QIV128/T-Two/b.dat", "two"),
                 file("QIV128/F-Three/c.dat", "three")});
    // What a whole add leaves: the three sets, and no trace of a set it replaced.
    const auto whole = [](std::set<std::string> all) {
        all.erase("EAW/QIV128/w-one/");
        all.erase("EAW/QIV128/w-one/old.dat");
        for (const auto* name :
             {"W-One/", "W-One/a.dat", "T-Two/", "T-Two/b.dat", "F-Three/", "F-Three/c.dat"})
            all.insert(std::string("EAW/QIV128/") + name);
        return all;
    };
    for (const bool replace : {false, true}) {
        // Replacing: an older W-One stands in the way and is moved aside first (one more rename).
        if (replace)
            dir_.write("EAW/QIV128/w-one/old.dat", "old");
        const auto plan = this->plan(source);
        ASSERT_TRUE(plan.problems.empty()) << allText(plan.problems);
        const auto before = written();
        for (int killAt = 1; killAt <= (replace ? 4 : 3); ++killAt) {
            SCOPED_TRACE(std::to_string(killAt) + (replace ? " replacing" : ""));
            const auto outcome = testsupport::runInChild([&](const testsupport::Say&) {
                int renames = 0;
                const common::faults::Scope dies([&](common::faults::Operation operation, const fs::path&) {
                    if (operation == common::faults::Operation::Rename && ++renames == killAt)
                        std::raise(SIGKILL);
                    return 0;
                });
                importSets(plan, selector_, replace, {});
                return 0;
            });
            ASSERT_EQ(outcome.signal, SIGKILL) << outcome.output;
            common::Problems told;
            removeStaleTemporaries({selector_}, told);
            EXPECT_EQ(allText(told),
                      "Adding sets from \"three.zip\" was interrupted; it was finished: F-Three, T-Two and "
                      "W-One were added\n");
            EXPECT_EQ(written(), whole(before));
            EXPECT_EQ(read("EAW/QIV128/F-Three/c.dat"), "three");
            for (const auto* name : {"W-One", "T-Two", "F-Three"})
                fs::remove_all(selector_ / name);
            if (replace)
                dir_.write("EAW/QIV128/w-one/old.dat", "old");
            EXPECT_EQ(written(), before);
        }
    }
}

TEST(ImportFolderNames, OnlyOurOwnFormIsTakenForAnImportFolder) {
    const auto name = newImportFolderName();
    EXPECT_TRUE(isImportFolderName(name));
    EXPECT_NE(newImportFolderName(), name);
    EXPECT_FALSE(isImportFolderName(".import-"));
    EXPECT_FALSE(isImportFolderName(".import-0123456789ABCDEF"));
    EXPECT_FALSE(isImportFolderName(".import-0123456789abcdef0"));
    EXPECT_FALSE(isImportFolderName("W-.import-0123456789abcdef"));
}

} // namespace
} // namespace outfitter::testing
