// Reading a "*.qiv" plane-set file: the numbers as the game's tools read them, and the records
// that must be refused before anything is written.

#include "outfitter/planes/qiv_file.h"

#include "plane_fixture.h"

#include <gtest/gtest.h>

namespace {

using outfitter::parseQiv;
using planetest::qivLines;

TEST(QivFile, ReadsLeadingNumbersRoundedHalfToEven) {
    auto lines = qivLines("  Spitfire Mk IXc ", 11, 0x0304);
    lines[2] = "  2.5 rpm"; // byte 1
    lines[3] = "3.5";       // byte 2
    lines[4] = "";          // byte 3: no number reads 0
    lines[5] = "254.5";     // byte 4: to even, still a byte
    lines.push_back("extra lines after 169 are ignored");
    const auto qiv = parseQiv(lines, "plane.qiv");
    ASSERT_FALSE(qiv.fault) << qiv.fault->text();
    EXPECT_EQ(qiv.record[0], 11);
    EXPECT_EQ(qiv.record[1], 2);
    EXPECT_EQ(qiv.record[2], 4);
    EXPECT_EQ(qiv.record[3], 0);
    EXPECT_EQ(qiv.record[4], 254);
    EXPECT_EQ(qiv.slot, 11);
    EXPECT_EQ(qiv.fuel, 0x0304u);
    EXPECT_EQ(qiv.aircraft, "  Spitfire Mk IXc ");
    EXPECT_EQ(qiv.name(), "Spitfire Mk IXc");
}

TEST(QivFile, ModelCodeTakesTheIntegerPartUpperCased) {
    auto lines = qivLines("Fw", 22, 1000, "190a");
    lines[168] = "97.9"; // 'a' by its integer part, although the byte rounds to 98
    const auto qiv = parseQiv(lines, "fw.qiv");
    EXPECT_EQ(qiv.skinSlot, "190A");
    EXPECT_EQ(qiv.record[167], 98);
}

TEST(QivFile, RefusesRecordsTheSlotTableCannotHoldNamingFileAndLine) {
    struct Case {
        int line; // 1-based
        std::string text;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {2, "30", "line 2"},    {2, "-1", "line 2"},     {2, "11.5", "line 2"},
        {40, "256", "line 40"}, {100, "-3", "line 100"}, {169, "255.5", "line 169"},
    };
    for (const auto& c : cases) {
        auto lines = qivLines("Bad", 11);
        lines[static_cast<std::size_t>(c.line - 1)] = c.text;
        const auto qiv = parseQiv(lines, "bad.qiv");
        ASSERT_TRUE(qiv.fault) << c.text;
        EXPECT_NE(qiv.fault->text().find("bad.qiv"), std::string::npos);
        EXPECT_NE(qiv.fault->reason.find(c.expected), std::string::npos) << qiv.fault->reason;
    }
    auto shortFile = qivLines("Short", 11);
    shortFile.pop_back();
    const auto qiv = parseQiv(shortFile, "short.qiv");
    ASSERT_TRUE(qiv.fault);
    EXPECT_NE(qiv.fault->reason.find("168 lines"), std::string::npos);
    // The grid still shows what the short file says.
    EXPECT_EQ(qiv.aircraft, "Short");
    EXPECT_EQ(qiv.plnSlot, "11");
}

} // namespace
