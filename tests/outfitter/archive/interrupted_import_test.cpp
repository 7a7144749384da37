// A program killed while it unpacks a set leaves its temporary folder; the next start removes it, and
// puts back a set folder that was being replaced.

#include "archive_maker.h"
#include "import_fixture.h"

#include "outfitter/core/selector_startup.h"
#include "outfitter/core/stale_temporaries.h"

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
