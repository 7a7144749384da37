#include "common/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace common;

TEST(LeadingNumberReader, ReadsTheNumberAtTheStartAndIgnoresTheRest) {
    EXPECT_EQ(readNumber(" 3 "), 3.0);
    EXPECT_EQ(readNumber("-1 "), -1.0);
    EXPECT_EQ(readNumber("\t 42abc"), 42.0);
    EXPECT_EQ(readNumber("2.5x"), 2.5);
    EXPECT_EQ(readNumber("+7"), 7.0);
    EXPECT_EQ(readNumber(".5"), 0.5);
    EXPECT_EQ(readNumber("-.25"), -0.25);
    EXPECT_EQ(readNumber("12.,3"), 12.0);
    EXPECT_EQ(readNumber("1.2.3"), 1.2);
    EXPECT_EQ(readNumber("007"), 7.0);
}

TEST(LeadingNumberReader, TextWithoutANumberReadsZero) {
    EXPECT_EQ(readNumber(""), 0.0);
    EXPECT_EQ(readNumber("   "), 0.0);
    EXPECT_EQ(readNumber("abc"), 0.0);
    EXPECT_EQ(readNumber("-"), 0.0);
    EXPECT_EQ(readNumber("."), 0.0);
    EXPECT_EQ(readNumber("- 3"), 0.0);
    EXPECT_EQ(readNumber("x12"), 0.0);
}

TEST(LeadingNumberReader, IntegerPartGoesTowardsZeroAndClampsInsteadOfOverflowing) {
    EXPECT_EQ(readInteger("2.9"), 2);
    EXPECT_EQ(readInteger("-2.9"), -2);
    EXPECT_EQ(readInteger(" 17 planes"), 17);
    EXPECT_EQ(readInteger("99999999999999999999999999"), std::numeric_limits<long>::max());
    EXPECT_EQ(readInteger("-99999999999999999999999999"), std::numeric_limits<long>::min());
    EXPECT_EQ(readInteger(std::string(400, '9')), std::numeric_limits<long>::max());
}

TEST(NumberLine, PutsABlankOrTheMinusSignBeforeAndABlankAfter) {
    EXPECT_EQ(numberLine(3), " 3 ");
    EXPECT_EQ(numberLine(0), " 0 ");
    EXPECT_EQ(numberLine(-1), "-1 ");
    EXPECT_EQ(numberLine(1942), " 1942 ");
    EXPECT_EQ(readInteger(numberLine(-25)), -25);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(2.5001), 3);
    EXPECT_EQ(roundHalfEven(std::nan("")), 0);
}

TEST(RoundHalfEven, ToAByteRefusesWhatDoesNotFit) {
    EXPECT_EQ(roundToByte(0.5), std::optional<std::uint8_t>(0));
    EXPECT_EQ(roundToByte(-0.5), std::optional<std::uint8_t>(0));
    EXPECT_EQ(roundToByte(254.5), std::optional<std::uint8_t>(254));
    EXPECT_EQ(roundToByte(255.4), std::optional<std::uint8_t>(255));
    EXPECT_EQ(roundToByte(255.5), std::nullopt);
    EXPECT_EQ(roundToByte(-0.6), std::nullopt);
    EXPECT_EQ(roundToByte(1e300), std::nullopt);
    EXPECT_EQ(roundToByte(std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_EQ(roundToByte(std::nan("")), std::nullopt);
}
