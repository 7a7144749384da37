// Adding sets from archives of every format and layout, with names beyond ASCII.

#include "archive_maker.h"
#include "import_fixture.h"
#include "rar_maker.h"

#include <fstream>

namespace outfitter::testing {
namespace {

namespace fs = std::filesystem;

std::string everyByte() {
    std::string bytes;
    for (int i = 0; i < 256 * 40; ++i)
        bytes += static_cast<char>(i * 7 % 256);
    return bytes;
}

class ArchiveImport : public ImportTest {
  protected:
    fs::path archive(const std::string& name, ArchiveFormat format, const std::vector<ArchiveItem>& items,
                     const ArchiveOptions& options = {}) {
        const auto file = downloads_ / fs::path(name);
        makeArchive(file, format, items, options);
        return file;
    }
};

std::string formatName(const ::testing::TestParamInfo<ArchiveFormat>& info) {
    const std::vector<std::string> names{"Zip", "ZipStored", "SevenZip", "Tar", "TarGz"};
    return names.at(static_cast<std::size_t>(info.param));
}

class EveryFormat : public ArchiveImport, public ::testing::WithParamInterface<ArchiveFormat> {};

TEST_P(EveryFormat, ASetFolderInTheArchiveArrivesByteForByteWithItsFoldersAndNames) {
    const auto source =
        archive("desert.pack", GetParam(),
                {folder("W-Desert Air War/"), file("W-Desert Air War/planes.dat", everyByte()),
                 file("W-Desert Air War/P-Spitfire/Grün €.qiv", "qiv"), folder("W-Desert Air War/Empty/"),
                 file("W-Desert Air War/empty.txt", "")});
    const auto plan = this->plan(source);
    ASSERT_TRUE(plan.problems.empty()) << allText(plan.problems);
    ASSERT_EQ(plan.sets.size(), 1u);
    EXPECT_EQ(plan.sets[0].folderName, "W-Desert Air War");
    EXPECT_EQ(plan.files, 3u);
    EXPECT_EQ(plan.bytes, everyByte().size() + 3);

    const auto result = add(plan);
    ASSERT_TRUE(result.problems.empty()) << allText(result.problems);
    EXPECT_EQ(result.addedFolders, std::vector<std::string>{"W-Desert Air War"});
    EXPECT_EQ(result.files, 3u);
    EXPECT_EQ(written(),
              (std::set<std::string>{
                  "EAW/", "EAW/QIV128/", "EAW/QIV128/qiv.ini", "EAW/QIV128/W-Desert Air War/",
                  "EAW/QIV128/W-Desert Air War/planes.dat", "EAW/QIV128/W-Desert Air War/P-Spitfire/",
                  "EAW/QIV128/W-Desert Air War/P-Spitfire/Grün €.qiv", "EAW/QIV128/W-Desert Air War/Empty/",
                  "EAW/QIV128/W-Desert Air War/empty.txt"}));
    EXPECT_EQ(read("EAW/QIV128/W-Desert Air War/planes.dat"), everyByte());
    EXPECT_EQ(read("EAW/QIV128/W-Desert Air War/P-Spitfire/Grün €.qiv"), "qiv");
}

INSTANTIATE_TEST_SUITE_P(Formats, EveryFormat,
                         ::testing::Values(ArchiveFormat::Zip, ArchiveFormat::ZipStored,
                                           ArchiveFormat::SevenZip, ArchiveFormat::Tar, ArchiveFormat::TarGz),
                         formatName);

TEST_F(ArchiveImport, LooseFilesBecomeASetNamedAfterTheArchive) {
    const auto source = archive("desert.tar.gz", ArchiveFormat::TarGz,
                                {file("planes.dat", "p"), file("Data/terrain.ter", "t")});
    const auto unnamed = plan(source);
    EXPECT_TRUE(unnamed.letterNeeded);
    EXPECT_EQ(unnamed.layout, ImportLayout::Loose);
    EXPECT_EQ(unnamed.sets.at(0).name, "desert");

    const auto plan = this->plan(source, "T");
    ASSERT_TRUE(plan.problems.empty()) << allText(plan.problems);
    EXPECT_EQ(plan.sets.at(0).folderName, "T-desert");
    ASSERT_TRUE(add(plan).problems.empty());
    EXPECT_EQ(read("EAW/QIV128/T-desert/planes.dat"), "p");
    EXPECT_EQ(read("EAW/QIV128/T-desert/Data/terrain.ter"), "t");
}

TEST_F(ArchiveImport, ASingleTopFolderOfAnotherNameGivesItsContentsToTheSet) {
    const auto source =
        archive("Desert.zip", ArchiveFormat::Zip,
                {file("Desert Air War v2/planes.dat", "p"), file("Desert Air War v2/Data/a.ter", "a")});
    const auto plan = this->plan(source, "W");
    ASSERT_TRUE(plan.problems.empty()) << allText(plan.problems);
    EXPECT_EQ(plan.layout, ImportLayout::Wrapped);
    EXPECT_EQ(plan.sets.at(0).folderName, "W-Desert");
    ASSERT_TRUE(add(plan).problems.empty());
    EXPECT_EQ(read("EAW/QIV128/W-Desert/planes.dat"), "p");
    EXPECT_EQ(read("EAW/QIV128/W-Desert/Data/a.ter"), "a");
}

TEST_F(ArchiveImport, ASetFolderOrASelectorFolderIsFoundInsideWrappingFoldersAndBesideMacMetadata) {
    const auto wrapped = archive("one.zip", ArchiveFormat::Zip,
                                 {file("Download v1/W-Desert/planes.dat", "p"), file("__MACOSX/._x", "mac")});
    const auto one = plan(wrapped);
    ASSERT_TRUE(one.problems.empty()) << allText(one.problems);
    EXPECT_EQ(one.layout, ImportLayout::NamedFolder);
    EXPECT_EQ(one.sets.at(0).folderName, "W-Desert");
    EXPECT_EQ(one.leftOut, std::vector<std::string>{"__MACOSX/._x"});

    const auto pack = archive("pack.7z", ArchiveFormat::SevenZip,
                              {file("Pack/Qiv128/W-One/a.dat", "1"), file("Pack/Qiv128/T Two/b.dat", "2"),
                               file("Pack/readme.txt", "r"), file("Pack/eaw.exe", "x")});
    const auto two = plan(pack);
    ASSERT_TRUE(two.problems.empty()) << allText(two.problems);
    EXPECT_EQ(two.layout, ImportLayout::SelectorFolder);
    ASSERT_EQ(two.sets.size(), 2u);
    EXPECT_EQ(two.files, 2u);
    EXPECT_EQ(two.leftOut.size(), 2u);
    const auto result = add(two);
    ASSERT_TRUE(result.problems.empty()) << allText(result.problems);
    EXPECT_EQ(read("EAW/QIV128/W-One/a.dat"), "1");
    EXPECT_EQ(read("EAW/QIV128/T Two/b.dat"), "2");
    EXPECT_FALSE(fs::exists(selector_ / "eaw.exe"));
    EXPECT_FALSE(fs::exists(dir_.path() / "EAW" / "eaw.exe"));
}

TEST_F(ArchiveImport, ASelectorFolderWithAFolderNotNamedAsASetIsRefused) {
    const auto pack = archive("pack.zip", ArchiveFormat::Zip,
                              {file("QIV128/W-One/a.dat", "1"), file("QIV128/Desert/b.dat", "2")});
    const auto plan = this->plan(pack);
    EXPECT_NE(allText(plan.problems).find("\"QIV128/Desert\": the folder is not named as a set"),
              std::string::npos)
        << allText(plan.problems);
}

TEST_F(ArchiveImport, ZipNamesAreShownAsWrittenWhetherFlaggedUtf8OrInTheDosCodePage) {
    // "W-Grün ß" in code page 437: ü is 0x81 and ß 0xE1; "é" 0x82 and "╬" 0xCE.
    const auto dos = archive("dos.zip", ArchiveFormat::Zip, {file("W-Gr\x81n \xE1/caf\x82 \xCE.dat", "dos")},
                             ArchiveOptions{false, {}});
    const auto dosPlan = plan(dos);
    ASSERT_TRUE(dosPlan.problems.empty()) << allText(dosPlan.problems);
    EXPECT_EQ(dosPlan.sets.at(0).folderName, "W-Grün ß");
    ASSERT_TRUE(add(dosPlan).problems.empty());
    EXPECT_EQ(read("EAW/QIV128/W-Grün ß/café ╬.dat"), "dos");

    const auto utf8 = archive("utf8.zip", ArchiveFormat::Zip, {file("W-Ελλάδα €/日本語.dat", "utf8")});
    const auto utf8Plan = plan(utf8);
    ASSERT_TRUE(utf8Plan.problems.empty()) << allText(utf8Plan.problems);
    EXPECT_EQ(utf8Plan.sets.at(0).folderName, "W-Ελλάδα €");
    ASSERT_TRUE(add(utf8Plan).problems.empty());
    EXPECT_EQ(read("EAW/QIV128/W-Ελλάδα €/日本語.dat"), "utf8");

    const auto tar = archive("Schnee ❄.tar", ArchiveFormat::Tar, {file("ß.dat", "tar")});
    const auto tarPlan = plan(tar, "H");
    EXPECT_EQ(tarPlan.sets.at(0).folderName, "H-Schnee ❄");
    ASSERT_TRUE(add(tarPlan).problems.empty());
    EXPECT_EQ(read("EAW/QIV128/H-Schnee ❄/ß.dat"), "tar");
}

TEST_F(ArchiveImport, ARarArchiveWithWindowsSeparatorsAndDosNamesArrivesAsWritten) {
    const auto source = downloads_ / "desert.rar";
    makeStoredRar(source, {{"W-Desert\\planes.dat", everyByte()}, {"W-Desert\\Gr\x81n\\caf\x82.dat", "dos"}});
    const auto plan = this->plan(source);
    ASSERT_TRUE(plan.problems.empty()) << allText(plan.problems);
    EXPECT_EQ(plan.sets.at(0).folderName, "W-Desert");
    EXPECT_EQ(plan.files, 2u);
    ASSERT_TRUE(add(plan).problems.empty());
    EXPECT_EQ(read("EAW/QIV128/W-Desert/planes.dat"), everyByte());
    EXPECT_EQ(read("EAW/QIV128/W-Desert/Grün/café.dat"), "dos");

    // A changed byte fails the file's checksum: nothing of the set stays.
    auto bytes = testsupport::slurp(source);
    bytes[bytes.size() - 20] ^= 0x55;
    std::ofstream(downloads_ / "damaged.rar", std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    fs::remove_all(selector_ / "W-Desert");
    const auto before = written();
    const auto damaged = this->plan(downloads_ / "damaged.rar");
    EXPECT_FALSE(damaged.problems.empty() && add(damaged).problems.empty());
    EXPECT_EQ(written(), before);
}

TEST_F(ArchiveImport, ReplacingASetSwapsItWholeAndTheCountsMatchTheListing) {
    dir_.write("EAW/QIV128/W-DESERT/old.dat", "old");
    dir_.write("EAW/QIV128/W-DESERT/Sub/older.dat", "older");
    const auto source =
        archive("d.zip", ArchiveFormat::Zip, {file("W-Desert/new.dat", "new"), file("W-Desert/b.dat", "bb")});
    const auto plan = this->plan(source);
    EXPECT_EQ(plan.sets.at(0).existingFolder, "W-DESERT");
    const auto result = add(plan, true);
    ASSERT_TRUE(result.problems.empty()) << allText(result.problems);
    EXPECT_EQ(result.files, plan.files);
    EXPECT_EQ(result.bytes, plan.bytes);
    EXPECT_EQ(written(),
              (std::set<std::string>{"EAW/", "EAW/QIV128/", "EAW/QIV128/qiv.ini", "EAW/QIV128/W-Desert/",
                                     "EAW/QIV128/W-Desert/new.dat", "EAW/QIV128/W-Desert/b.dat"}));
}

TEST_F(ArchiveImport, ACancelPartWayThroughAnArchiveLeavesNothing) {
    std::vector<ArchiveItem> items;
    for (int i = 0; i < 8; ++i)
        items.push_back(file("W-Big/part" + std::to_string(i) + ".dat", std::string(200'000, char('a' + i))));
    const auto source = archive("big.zip", ArchiveFormat::Zip, items);
    const auto plan = this->plan(source);
    ASSERT_TRUE(plan.problems.empty());
    const auto before = written();
    const auto result = importSets(
        plan, selector_, false, [](const ImportProgress& progress) { return progress.bytesDone < 700'000; });
    EXPECT_TRUE(result.cancelled);
    EXPECT_TRUE(result.addedFolders.empty());
    EXPECT_EQ(written(), before);
}

} // namespace
} // namespace outfitter::testing
