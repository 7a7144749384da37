#include "common/string_table.h"

#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace common;
using testsupport::slurp;
using testsupport::TempFolder;
using Strings = std::vector<std::string>;

namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}

} // namespace

TEST(StringTableWrite, TwoShortNamesGiveTheKnownTwentyOneBytes) {
    const auto encoded = encodeStringTable({"A", "Bf"});
    ASSERT_TRUE(encoded.ok());
    EXPECT_EQ(encoded.value, bytes({13, 0, 0, 0, 2, 0, 0, 0, 8, 0, 0, 0, 10, 0, 0, 0, 'A', 0, 'B', 'f', 0}));
}

TEST(StringTableWrite, EmptyNameIsOneZeroByteJustBeforeTheNextOffset) {
    const auto encoded = encodeStringTable({"", "Spitfire"});
    ASSERT_TRUE(encoded.ok());
    EXPECT_EQ(encoded.value.substr(8, 8), bytes({8, 0, 0, 0, 9, 0, 0, 0}));
    EXPECT_EQ(encoded.value[16], '\0');
    EXPECT_EQ(decodeStringTable(encoded.value).value, (Strings{"", "Spitfire"}));
    EXPECT_EQ(encodeStringTable({}).value, std::string(8, '\0'));
}

TEST(StringTableRead, RoundTripIsExactAndKeepsEveryByteOfARunButTheLast) {
    std::string high;
    for (int c = 1; c < 256; ++c)
        high += static_cast<char>(c);
    const Strings names{"P-51D", "", high, std::string("in\0side", 7), "x"};
    const auto encoded = encodeStringTable(names);
    ASSERT_TRUE(encoded.ok());
    const auto decoded = decodeStringTable(encoded.value);
    ASSERT_TRUE(decoded.ok()) << decoded.problem->text();
    EXPECT_EQ(decoded.value, names);
    EXPECT_EQ(encodeStringTable(decoded.value).value, encoded.value);
}

TEST(StringTableRead, SingleStringRunsToTheStatedSizeAndIgnoresTrailingBytes) {
    const auto decoded =
        decodeStringTable(bytes({8, 0, 0, 0, 1, 0, 0, 0, 4, 0, 0, 0, 'a', 'b', 'c', 0, 'z', 'z'}));
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded.value, Strings{"abc"});
}

TEST(StringTableRead, HighHeaderBytesAreIgnoredAndLowOnesReadUnsigned) {
    // One name of 40000 characters: S and the offset are above 32767.
    const Strings names{std::string(40000, 'n'), "tail"};
    auto encoded = encodeStringTable(names).value;
    ASSERT_GT(static_cast<unsigned char>(encoded[1]), 0x7F);
    encoded[2] = encoded[3] = encoded[6] = encoded[7] = '\x55';
    const auto decoded = decodeStringTable(encoded);
    ASSERT_TRUE(decoded.ok()) << decoded.problem->text();
    EXPECT_EQ(decoded.value, names);
}

TEST(StringTableRead, DamagedTablesAreProblemsWithTheStringsBeforeTheDamage) {
    const std::string good = encodeStringTable({"one", "two", "three"}).value; // offsets 12, 16, 20; S 26
    struct Case {
        const char* what;
        std::string data;
        std::size_t readable;
    };
    std::string beyond = good;
    beyond[0] = 40; // S past the end
    std::string backwards = good;
    backwards[12] = 11; // offset of "two" before that of "one"
    std::string outside = good;
    outside[16] = static_cast<char>(200); // offset of "three" past the end
    std::string manyStrings = good;
    manyStrings[4] = 100; // N far larger than the offset table
    const Case cases[] = {
        {"empty file", "", 0},
        {"header cut short", good.substr(0, 7), 0},
        {"offset table cut short", good.substr(0, 14), 0},
        {"file cut inside the text", good.substr(0, good.size() - 3), 2},
        {"size beyond the file", beyond, 2},
        {"offsets backwards", backwards, 0},
        {"offset outside", outside, 1},
        {"count beyond the table", manyStrings, 0},
    };
    for (const auto& c : cases) {
        const auto decoded = decodeStringTable(c.data);
        ASSERT_FALSE(decoded.ok()) << c.what;
        EXPECT_FALSE(decoded.problem->reason.empty()) << c.what;
        EXPECT_EQ(decoded.value.size(), c.readable) << c.what;
        for (std::size_t i = 0; i < decoded.value.size(); ++i)
            EXPECT_EQ(decoded.value[i], (Strings{"one", "two"})[i]) << c.what;
    }
}

TEST(StringTableWrite, RefusesWhatTwoBytesCannotHold) {
    EXPECT_TRUE(encodeStringTable({std::string(65530, 'x')}).ok()); // S = 65535
    const auto tooLong = encodeStringTable({std::string(65531, 'x')});
    ASSERT_FALSE(tooLong.ok());
    EXPECT_TRUE(tooLong.value.empty());
    EXPECT_FALSE(encodeStringTable(Strings(65536)).ok());
    EXPECT_TRUE(encodeStringTable(Strings(13107, "")).ok()); // 5 bytes each: S = 65535
    EXPECT_FALSE(encodeStringTable(Strings(13108, "")).ok());
}

TEST(StringTableFile, RefusedTableLeavesTheFileUntouched) {
    TempFolder dir;
    const auto file = dir.write("pnames.str", "previous");
    const auto problem = writeStringTable(file, {std::string(70000, 'x')});
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->path, file);
    EXPECT_EQ(slurp(file), "previous");

    ASSERT_FALSE(writeStringTable(file, {"A", "Bf"}));
    EXPECT_EQ(slurp(file).size(), 21u);
    const auto read = readStringTable(file);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value, (Strings{"A", "Bf"}));
}

TEST(StringTableFile, MissingOrDamagedFileNamesThePath) {
    TempFolder dir;
    const auto missing = readStringTable(dir.path() / "tarnames.str");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.problem->path, dir.path() / "tarnames.str");
    const auto cut = readStringTable(dir.write("weapons.str", "\x05"));
    ASSERT_FALSE(cut.ok());
    EXPECT_EQ(cut.problem->path, dir.path() / "weapons.str");
    EXPECT_EQ(cut.problem->text().rfind("reading " + (dir.path() / "weapons.str").string() + ": ", 0), 0u);
}

TEST(StringTableFile, StreamWriterReportsARefusingStream) {
    std::ostringstream out;
    EXPECT_FALSE(writeStringTable(out, {"A", "Bf"}));
    EXPECT_EQ(out.str().size(), 21u);
    std::ostringstream broken;
    broken.setstate(std::ios::badbit);
    EXPECT_TRUE(writeStringTable(broken, {"A"}));
}
