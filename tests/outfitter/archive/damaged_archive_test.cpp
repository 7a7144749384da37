// Archives damaged on the way or made to exhaust the machine: each ends refused in one line with
// nothing written, or as a set byte-identical to what the archive holds. Never a crash, never wrong
// bytes, never a disk filled.

#include "archive_maker.h"
#include "import_fixture.h"

#include "outfitter/archive/entry_names.h"
#include "outfitter/archive/import_rules.h"

#include <chrono>
#include <fstream>

namespace outfitter::testing {
namespace {

namespace fs = std::filesystem;

// Text that packs well, as most game files do: most flipped bits still decompress, to wrong bytes.
std::string gameText(std::size_t size) {
    std::string text;
    for (std::uint32_t line = 0; text.size() < size; ++line)
        text += "Plane" + std::to_string(line * 2654435761u % 997) + "=Speed " + std::to_string(line % 451) +
                "\r\n";
    text.resize(size);
    return text;
}

class DamagedArchive : public ImportTest {
  protected:
    fs::path archive(const std::string& name, ArchiveFormat format, const std::vector<ArchiveItem>& items) {
        const auto file = downloads_ / fs::path(name);
        makeArchive(file, format, items);
        return file;
    }

    void save(const fs::path& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    // Added whole and exactly, or refused with nothing left behind; returns whether it was refused.
    bool refusedOrExact(const fs::path& source, const std::string& name, const std::string& contents) {
        const auto before = written();
        const auto plan = this->plan(source);
        const auto result = plan.problems.empty() ? add(plan) : ImportResult{{}, 0, 0, plan.problems};
        if (!result.problems.empty()) {
            EXPECT_EQ(written(), before) << source;
            return true;
        }
        EXPECT_EQ(read("EAW/QIV128/" + name), contents) << source;
        fs::remove_all(selector_ / fs::path(name).begin()->string());
        return false;
    }
};

TEST_F(DamagedArchive, ACutOrFlippedArchiveIsRefusedOrArrivesExactlyNeverAsWrongBytes) {
    const auto contents = gameText(6'000);
    for (const auto format : {ArchiveFormat::Zip, ArchiveFormat::TarGz, ArchiveFormat::SevenZip}) {
        SCOPED_TRACE(static_cast<int>(format));
        const auto whole = archive("whole.pack", format, {file("W-Set/plane.txt", contents)});
        const auto bytes = testsupport::slurp(whole);
        // The first bytes alone: libarchive's open fails, and nothing else may be asked of it.
        for (const std::size_t cut : {std::size_t(10), std::size_t(60), bytes.size() / 2, bytes.size() - 1}) {
            save(downloads_ / "cut.pack", bytes.substr(0, cut));
            EXPECT_TRUE(refusedOrExact(downloads_ / "cut.pack", "W-Set/plane.txt", contents)) << cut;
        }
        // Two bytes flipped at every offset: where the format's checksum is skipped, wrong bytes arrive.
        int refused = 0;
        for (std::size_t at = 0; at + 2 < bytes.size(); at += 5) {
            auto flipped = bytes;
            flipped[at] = static_cast<char>(flipped[at] ^ 0x5a);
            flipped[at + 1] = static_cast<char>(flipped[at + 1] ^ 0xa5);
            save(downloads_ / "flipped.pack", flipped);
            refused += refusedOrExact(downloads_ / "flipped.pack", "W-Set/plane.txt", contents);
        }
        EXPECT_GT(refused, 0);
    }
}

TEST_F(DamagedArchive, ASparseFileArrivesAtItsFullSizeAndAHugeOneMeetsTheBombRule) {
    ArchiveItem sparse{"W-Set/terrain.dat", {}, 5'000'000};
    sparse.dataRuns = {{0, 4'096}, {1'998'848, 4'096}}; // the data ends at 2,002,944: a hole to the end
    const auto source = archive("sparse.tar.gz", ArchiveFormat::TarGz, {sparse});
    const auto plan = this->plan(source);
    ASSERT_TRUE(plan.problems.empty()) << allText(plan.problems);
    const auto result = add(plan);
    ASSERT_TRUE(result.problems.empty()) << allText(result.problems);
    EXPECT_EQ(read("EAW/QIV128/W-Set/terrain.dat"), sparseContents(sparse));

    fs::remove_all(selector_ / "W-Set");
    ArchiveItem huge{"W-Set/huge.dat", {}, 1'000'000'000};
    huge.dataRuns = {{0, 4'096}};
    const auto bomb = archive("huge.tar", ArchiveFormat::Tar, {huge});
    const auto before = written();
    const auto refused = add(this->plan(bomb));
    EXPECT_NE(allText(refused.problems).find("it unpacks to more than 1,000 times its own size"),
              std::string::npos)
        << allText(refused.problems);
    EXPECT_EQ(written(), before);
}

TEST_F(DamagedArchive, TheBombRuleCountsTheWholeArchiveNotEachEntry) {
    // Each entry alone stays under the limit; together they pass it.
    std::vector<ArchiveItem> items;
    for (int i = 0; i < 20; ++i)
        items.push_back({"W-Set/zeros" + std::to_string(i) + ".dat", {}, 200'000});
    const auto source = archive("many.zip", ArchiveFormat::Zip, items);
    auto plan = this->plan(source);
    ASSERT_TRUE(plan.problems.empty()) << allText(plan.problems);
    plan.limits = {100, 1'000'000};
    const auto before = written();
    std::uint64_t most = 0;
    const auto result = importSets(plan, selector_, false, [&](const ImportProgress& progress) {
        most = progress.bytesDone;
        return true;
    });
    EXPECT_NE(allText(result.problems).find("many.zip: it unpacks to more than 100 times its own size"),
              std::string::npos)
        << allText(result.problems);
    EXPECT_LT(most, 1'300'000u); // stopped at the mark, not at the end
    EXPECT_EQ(written(), before);
}

TEST_F(DamagedArchive, AHugeNameIsRefusedAtOnceAndDeepNamesArePlannedInLinearTime) {
    std::string huge;
    for (int i = 0; i < 32'760; ++i)
        huge += "a/";
    const auto source = archive("long.zip", ArchiveFormat::Zip, {file(huge + "f.dat", "x")});
    const auto started = std::chrono::steady_clock::now();
    const auto plan = this->plan(source, "W");
    EXPECT_NE(allText(plan.problems).find("the name is longer than 4096 bytes"), std::string::npos);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20)); // was minutes

    // Deep names within the limit share their folders: a thousand of them plan as one tree.
    std::vector<ArchiveItem> deep;
    std::string path = "W-Deep";
    for (int i = 0; i < 1'000; ++i)
        path += "/d";
    for (int i = 0; i < 1'000; ++i)
        deep.push_back(file(path + "/f" + std::to_string(i), "x"));
    const auto deepPlan = this->plan(archive("deep.tar", ArchiveFormat::Tar, deep));
    EXPECT_TRUE(deepPlan.problems.empty()) << allText(deepPlan.problems);
    EXPECT_EQ(deepPlan.files, 1'000u);
}

TEST_F(DamagedArchive, NamesWindowsReservesOrCannotTellApartAreRefused) {
    for (const auto* name : {"W-Set/CONIN$", "W-Set/conout$.txt", "W-Set/COM0", "W-Set/lpt0.dat",
                             "W-Set/COM\xC2\xB9", "W-Set/LPT\xC2\xB3.txt"}) {
        std::string fault;
        EXPECT_FALSE(splitEntryName(name, fault)) << name;
        EXPECT_NE(fault.find("reserved for a device"), std::string::npos) << name << ": " << fault;
    }
    std::string fault;
    EXPECT_TRUE(splitEntryName("W-Set/COM10", fault));
    EXPECT_TRUE(splitEntryName("W-Set/CONSOLE.txt", fault));

    const auto twins =
        archive("twins.zip", ArchiveFormat::Zip,
                {file("W-Set/\xC3\x89t\xC3\xA9.dat", "a"), file("W-Set/\xC3\xA9t\xC3\xA9.dat", "b")});
    EXPECT_NE(allText(this->plan(twins).problems).find("differs only in letter case"), std::string::npos);
    const auto greek =
        archive("greek.zip", ArchiveFormat::Zip,
                {file("W-Set/\xCE\xA3\xCE\xB9.dat", "a"), file("W-Set/\xCF\x83\xCE\xB9.dat", "b")});
    EXPECT_NE(allText(this->plan(greek).problems).find("differs only in letter case"), std::string::npos);
}

TEST_F(DamagedArchive, AZipNameFlaggedUtf8ThatIsNotIsRefusedNamingTheEntry) {
    const auto source = downloads_ / "flag.zip";
    makeArchive(source, ArchiveFormat::Zip, {file("W-Set/ok.dat", "a"), file("W-Set/caf\xE9.dat", "b")},
                ArchiveOptions{false, {}});
    // Set the UTF-8 flag (bit 11) in every local and central header: the Latin-1 byte is then a lie.
    auto bytes = testsupport::slurp(source);
    const std::vector<std::pair<std::string, std::size_t>> headers{{std::string("PK\x03\x04", 4), 6},
                                                                   {std::string("PK\x01\x02", 4), 8}};
    for (const auto& [signature, flagAt] : headers)
        for (auto at = bytes.find(signature); at != std::string::npos; at = bytes.find(signature, at + 4))
            bytes[at + flagAt + 1] = static_cast<char>(bytes[at + flagAt + 1] | 0x08);
    save(source, bytes);
    const auto plan = this->plan(source);
    EXPECT_NE(allText(plan.problems).find("its name is not valid UTF-8"), std::string::npos)
        << allText(plan.problems);
    EXPECT_EQ(allText(plan.problems).find("the entry has no name"), std::string::npos);
}

TEST(FreeSpaceText, TheTwoSizesAreNeverShownAlike) {
    using Texts = std::pair<std::string, std::string>;
    EXPECT_EQ(megabytesApart(15'200'000, 14'900'000), Texts("15.2 MB", "14.9 MB"));
    EXPECT_EQ(megabytesApart(8'000'000, 3'000'000), Texts("8 MB", "3 MB"));
    EXPECT_EQ(megabytesApart(1'000'001, 1'000'000), Texts("1.000001 MB", "1.000000 MB"));
}

} // namespace
} // namespace outfitter::testing
