// Archives made to do harm, or simply broken: each is refused whole with the entry named, and nothing
// is written anywhere.

#include "archive_maker.h"
#include "import_fixture.h"

#include "test_support/child_process.h"

#include <fstream>

namespace outfitter::testing {
namespace {

namespace fs = std::filesystem;

// Bytes that hardly compress.
std::string everyByteOfSize(std::size_t size) {
    std::string bytes(size, '\0');
    std::uint32_t state = 12345;
    for (auto& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<char>(state >> 24);
    }
    return bytes;
}

class HostileArchive : public ImportTest {
  protected:
    fs::path archive(const std::string& name, ArchiveFormat format, const std::vector<ArchiveItem>& items,
                     const ArchiveOptions& options = {}) {
        const auto file = downloads_ / fs::path(name);
        makeArchive(file, format, items, options);
        return file;
    }

    // Refused at planning and, were the plan forced through, at unpacking; nothing written either way.
    void expectRefused(const fs::path& source, const std::string& expected,
                       std::optional<std::string> letter = "W") {
        const auto before = written();
        auto plan = this->plan(source, letter);
        EXPECT_NE(allText(plan.problems).find(expected), std::string::npos)
            << "expected \"" << expected << "\" in:\n"
            << allText(plan.problems);
        EXPECT_FALSE(add(plan).problems.empty());
        EXPECT_EQ(written(), before);
    }

    // The plan of a harmless archive, then the archive swapped for `items` before unpacking.
    void expectRefusedWhenSwapped(const std::vector<ArchiveItem>& items, ArchiveFormat format,
                                  const std::string& expected) {
        const auto source = downloads_ / "swapped.tar";
        makeArchive(source, format, {file("W-Set/a.dat", "a")});
        const auto plan = this->plan(source);
        ASSERT_TRUE(plan.problems.empty()) << allText(plan.problems);
        makeArchive(source, format, items);
        const auto before = written();
        const auto result = add(plan);
        EXPECT_NE(allText(result.problems).find(expected), std::string::npos) << allText(result.problems);
        EXPECT_TRUE(result.addedFolders.empty());
        EXPECT_EQ(written(), before);
    }
};

TEST_F(HostileArchive, NamesReachingOutsideTheSetAreRefusedAndNamed) {
    expectRefused(
        archive("abs.tar", ArchiveFormat::Tar, {file("W-Set/a.dat", "a"), file("/tmp/evil.dat", "x")}),
        "\"/tmp/evil.dat\": an absolute path");
    expectRefused(archive("dots.zip", ArchiveFormat::Zip, {file("W-Set/../../eaw.exe", "x")}),
                  "\"W-Set/../../eaw.exe\": \"..\" reaches outside");
    expectRefused(archive("dots.7z", ArchiveFormat::SevenZip, {file("..\\eaw.exe", "x")}), "reaches outside");
    expectRefused(archive("drive.zip", ArchiveFormat::Zip, {file("C:/Windows/evil.dll", "x")}),
                  "\"C:/Windows/evil.dll\": a drive letter");
    expectRefused(archive("device.zip", ArchiveFormat::Zip, {file("W-Set/NUL.dat", "x")}),
                  "reserved for a device");
    expectRefused(archive("stream.zip", ArchiveFormat::Zip, {file("W-Set/a.dat:evil", "x")}),
                  "\"W-Set/a.dat:evil\"");
}

TEST_F(HostileArchive, LinksDevicesAndPipesAreRefused) {
    expectRefused(
        archive("sym.tar", ArchiveFormat::Tar,
                {file("W-Set/a.dat", "a"), {"W-Set/passwd", {}, 0, ItemKind::SymbolicLink, "/etc/passwd"}}),
        "\"W-Set/passwd\": the entry is a link");
    expectRefused(
        archive("sym.zip", ArchiveFormat::Zip,
                {{"W-Set/up", {}, 0, ItemKind::SymbolicLink, "../.."}, file("W-Set/up/eaw.exe", "x")}),
        "\"W-Set/up\": the entry is a link");
    expectRefused(
        archive("hard.tar", ArchiveFormat::Tar,
                {file("W-Set/a.dat", "a"), {"W-Set/b.dat", {}, 0, ItemKind::HardLink, "W-Set/a.dat"}}),
        "\"W-Set/b.dat\": the entry is a hard link");
    expectRefused(archive("fifo.tar", ArchiveFormat::Tar,
                          {file("W-Set/a.dat", "a"), {"W-Set/pipe", {}, 0, ItemKind::Fifo}}),
                  "\"W-Set/pipe\": the entry is a device or a pipe");
    expectRefused(archive("dev.tar", ArchiveFormat::Tar, {{"W-Set/tty", {}, 0, ItemKind::CharacterDevice}}),
                  "\"W-Set/tty\": the entry is a device");
}

TEST_F(HostileArchive, NamesThatDifferOnlyInCaseAreRefused) {
    expectRefused(archive("case.zip", ArchiveFormat::Zip,
                          {file("W-Set/planes.dat", "a"), file("W-Set/PLANES.DAT", "b")}),
                  "\"W-Set/PLANES.DAT\": its name differs only in letter case from \"W-Set/planes.dat\"");
    expectRefused(
        archive("case.tar", ArchiveFormat::Tar, {file("W-Set/Data/a", "a"), file("W-Set/DATA/b", "b")}),
        "differs only in letter case");
}

TEST_F(HostileArchive, EntriesSwappedInAfterTheListingAreRefusedWhileUnpacking) {
    expectRefusedWhenSwapped({file("W-Set/a.dat", "a"), file("W-Set/../../evil", "x")}, ArchiveFormat::Tar,
                             "reaches outside");
    expectRefusedWhenSwapped({file("W-Set/a.dat", "a"), {"W-Set/l", {}, 0, ItemKind::SymbolicLink, "/"}},
                             ArchiveFormat::Tar, "the entry is a link");
    expectRefusedWhenSwapped({file("W-Set/a.dat", "a"), file("W-Set/A.DAT", "b")}, ArchiveFormat::Tar,
                             "differs only in letter case");
}

TEST_F(HostileArchive, DamagedArchivesAndOtherFilesAreRefused) {
    const auto whole =
        archive("whole.zip", ArchiveFormat::Zip, {file("W-Set/a.dat", std::string(100'000, 'a'))});
    auto bytes = testsupport::slurp(whole);
    std::ofstream(downloads_ / "cut.zip", std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size() / 2));
    expectRefused(downloads_ / "cut.zip", "cut.zip");

    std::ofstream(downloads_ / "notes.zip", std::ios::binary)
        << "These are not the files you are looking for.";
    expectRefused(downloads_ / "notes.zip", "notes.zip");

    const auto gz =
        archive("whole.tar.gz", ArchiveFormat::TarGz, {file("W-Set/a.dat", std::string(300'000, 'z'))});
    bytes = testsupport::slurp(gz);
    std::ofstream(downloads_ / "cut.tar.gz", std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size() / 2));
    expectRefused(downloads_ / "cut.tar.gz", "cut.tar.gz");
}

TEST_F(HostileArchive, ContentsDamagedInsideAStoredZipAreFoundWhileUnpackingAndNothingStays) {
    std::string contents(200'000, 'c');
    const auto source = archive("crc.zip", ArchiveFormat::ZipStored,
                                {file("W-Set/first.dat", "first"), file("W-Set/big.dat", contents)});
    auto bytes = testsupport::slurp(source);
    const auto at = bytes.find(contents.substr(0, 1000));
    ASSERT_NE(at, std::string::npos);
    bytes[at + 100'000] = 'X'; // the listing still reads; the checksum does not match
    std::ofstream(source, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

    const auto plan = this->plan(source);
    ASSERT_TRUE(plan.problems.empty()) << allText(plan.problems);
    const auto before = written();
    const auto result = add(plan);
    EXPECT_FALSE(result.problems.empty());
    EXPECT_NE(allText(result.problems).find("crc.zip"), std::string::npos) << allText(result.problems);
    EXPECT_TRUE(result.addedFolders.empty());
    EXPECT_EQ(written(), before);
}

TEST_F(HostileArchive, APasswordProtectedArchiveIsRefused) {
    const auto source = archive("secret.zip", ArchiveFormat::Zip, {file("W-Set/a.dat", "secret")},
                                ArchiveOptions{true, "hunter2"});
    expectRefused(source, "\"W-Set/a.dat\": the entry is protected by a password");
}

TEST_F(HostileArchive, AnEntryThatUnpacksFarBeyondItsPackedSizeIsStoppedAsItIsWritten) {
    // The rule's own figures: over 100 MB and over 1,000 times the packed size.
    const auto bomb = archive("bomb.7z", ArchiveFormat::SevenZip,
                              {file("W-Set/readme.txt", "hello"), {"W-Set/zeros.dat", {}, 120'000'000}});
    auto plan = this->plan(bomb);
    // The sizes the listing declares refuse it at once; were they lies, the writing stops it.
    EXPECT_NE(allText(plan.problems).find("bomb.7z: it unpacks to more than 1,000 times its own size"),
              std::string::npos);
    plan.problems.clear();
    const auto before = written();
    std::uint64_t most = 0;
    const auto result = importSets(plan, selector_, false, [&](const ImportProgress& progress) {
        most = progress.bytesDone;
        return true;
    });
    EXPECT_NE(allText(result.problems).find("bomb.7z: it unpacks to more than 1,000 times its own size"),
              std::string::npos)
        << allText(result.problems);
    EXPECT_LT(most, 110'000'000u); // stopped soon after the 100 MB mark, not at the end
    EXPECT_EQ(written(), before);

    // Smaller figures show both halves of the rule: a file that packs well but is small stays.
    const auto zip =
        archive("parts.zip", ArchiveFormat::Zip,
                {{"W-Set/small.dat", {}, 900'000}, file("W-Set/b.dat", everyByteOfSize(2'000'000))});
    plan = this->plan(zip);
    plan.limits = {10, 1'000'000};
    EXPECT_TRUE(add(plan).problems.empty());
    fs::remove_all(selector_ / "W-Set");
    const auto large = archive("large.zip", ArchiveFormat::Zip, {{"W-Set/large.dat", {}, 3'000'000}});
    plan = this->plan(large);
    plan.limits = {10, 1'000'000};
    EXPECT_NE(allText(add(plan).problems).find("10 times"), std::string::npos);
    EXPECT_FALSE(fs::exists(selector_ / "W-Set"));
}

TEST_F(HostileArchive, ASetLargerThanTheFreeSpaceIsRefusedBeforeAnythingIsWritten) {
    const auto source = archive("large.zip", ArchiveFormat::Zip, {{"W-Set/zeros.dat", {}, 8'000'000}});
    const auto outcome = testsupport::runInChild([&](const testsupport::Say& say) {
        if (!testsupport::mountSmallDisk(dir_.path() / "EAW", 4'000'000))
            return testsupport::kChildCannotSetUp;
        const auto selector = dir_.folder("EAW/QIV128");
        common::Problems problems;
        const auto categories = CategoryTable::load(selector, problems);
        const auto plan = planImport(source, categories, selector, std::nullopt, std::nullopt);
        auto forced = plan; // the disk may fill between the listing and the unpacking
        forced.problems.clear();
        const auto result = importSets(forced, selector, false, {});
        std::size_t entries = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(selector))
            ++entries;
        say(allText(plan.problems) + "|" + allText(result.problems) + "|" + std::to_string(entries));
        return 0;
    });
    if (outcome.exited && outcome.code == testsupport::kChildCannotSetUp)
        GTEST_SKIP() << "cannot mount a small disk here";
    ASSERT_TRUE(outcome.exited) << outcome.signal;
    EXPECT_NE(outcome.output.find("it needs 8 MB but the disk has only"), std::string::npos)
        << outcome.output;
    EXPECT_NE(outcome.output.find("|adding the set to"), std::string::npos)
        << outcome.output;                                         // and unpacked nothing
    EXPECT_TRUE(outcome.output.ends_with("|1")) << outcome.output; // qiv.ini alone
}

} // namespace
} // namespace outfitter::testing
