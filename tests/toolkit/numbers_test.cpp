// Numbers to text and back, by the platform runtime (msvcrt).
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <ostream>

#include "harness.h"

namespace {

struct FormatCase {
    double value;
    int decimals;
    const char *text;
};

void PrintTo(const FormatCase &c, std::ostream *out) {
    *out << c.value << " with " << c.decimals << " decimals";
}

class NumFormatCases : public ::testing::TestWithParam<FormatCase> {};

TEST_P(NumFormatCases, WritesFixedPointText) {
    const FormatCase &c = GetParam();
    char buffer[KT_NUM_TEXT_MAX];
    EXPECT_EQ(kt_NumFormat(buffer, c.value, c.decimals), buffer);
    EXPECT_STREQ(buffer, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, NumFormatCases,
    ::testing::Values(FormatCase{2.5, 2, "2.50"}, FormatCase{2.4, 0, "2"},
                      FormatCase{2.5, 12, "2.50000000"},  // more than 8 decimals writes 8
                      FormatCase{2.5, 8, "2.50000000"}, FormatCase{-3.14159, 4, "-3.1416"},
                      FormatCase{1234.5678, 3, "1234.568"}, FormatCase{0.0, 5, "0.00000"},
                      FormatCase{1e20, 0, "100000000000000000000"},
                      FormatCase{INFINITY, 2, "inf"}, FormatCase{-INFINITY, 0, "-inf"},
                      FormatCase{NAN, 3, "nan"}));

// Exact halves with no decimals: msvcrt (as Wine provides it) rounds them
// away from zero, not to even.
TEST(Numbers, ExactHalvesRoundAwayFromZero) {
    const FormatCase halves[] = {{0.5, 0, "1"}, {1.5, 0, "2"},   {2.5, 0, "3"},
                                 {3.5, 0, "4"}, {-2.5, 0, "-3"}, {0.125, 2, "0.13"}};
    for (const FormatCase &h : halves) {
        char buffer[KT_NUM_TEXT_MAX];
        kt_NumFormat(buffer, h.value, h.decimals);
        EXPECT_STREQ(buffer, h.text) << h.value;
    }
}

TEST(Numbers, NegativeDecimalsLeaveTheBuffer) {
    char buffer[KT_NUM_TEXT_MAX] = "untouched";
    EXPECT_EQ(kt_NumFormat(buffer, 2.5, -1), buffer);
    EXPECT_STREQ(buffer, "untouched");
}

// The longest fixed-point text there is fits in KT_NUM_TEXT_MAX bytes.
TEST(Numbers, LargestValueStaysWithinTheDocumentedRoom) {
    char buffer[KT_NUM_TEXT_MAX + 16];
    memset(buffer, 'X', sizeof buffer);
    kt_NumFormat(buffer, -DBL_MAX, 8);
    EXPECT_EQ(strlen(buffer), 1u + 309u + 1u + 8u);
    EXPECT_EQ(strncmp(buffer, "-17976931348623", 15), 0);
    for (size_t i = KT_NUM_TEXT_MAX; i < sizeof buffer; ++i) EXPECT_EQ(buffer[i], 'X') << i;
}

struct SizedCase {
    double value;
    int decimals;
    int size;
    const char *text;  // null: an exponent text of the same magnitude
};

void PrintTo(const SizedCase &c, std::ostream *out) {
    *out << c.value << " with " << c.decimals << " decimals in " << c.size << " bytes";
}

class NumFormatSizedCases : public ::testing::TestWithParam<SizedCase> {};

TEST_P(NumFormatSizedCases, FitsTheBufferAndWritesNothingBeyond) {
    const SizedCase &c = GetParam();
    char buffer[64];
    memset(buffer, 'X', sizeof buffer);
    kt_NumFormatSized(buffer, c.size, c.value, c.decimals);
    for (size_t i = (size_t)c.size; i < sizeof buffer; ++i) ASSERT_EQ(buffer[i], 'X') << i;
    ASSERT_LT(strlen(buffer), (size_t)c.size);
    if (c.text) {
        EXPECT_STREQ(buffer, c.text);
    } else {
        EXPECT_NE(strchr(buffer, 'e'), nullptr) << buffer;
        EXPECT_NEAR(kt_NumParse(buffer) / c.value, 1.0, 1e-2) << buffer;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, NumFormatSizedCases,
    ::testing::Values(SizedCase{2.5, 2, 5, "2.50"},        // fits: stays fixed-point
                      SizedCase{9e99, 2, 20, nullptr},     // 100 digits: exponent text
                      SizedCase{-9.87654321e99, 8, 20, nullptr},
                      SizedCase{9.99e99, 0, 20, nullptr},
                      SizedCase{1e300, 8, 8, nullptr},     // decimals dropped to fit
                      SizedCase{1e300, 0, 6, ""},          // not even "1e+300" fits
                      SizedCase{123.0, 0, 3, ""},          // "123" needs 4 bytes
                      SizedCase{INFINITY, 0, 3, ""}, SizedCase{INFINITY, 0, 4, "inf"},
                      SizedCase{-INFINITY, 5, 5, "-inf"}));

TEST(Numbers, SizedFormatWithNegativeDecimalsOrNoRoomLeavesTheBuffer) {
    char buffer[8] = "keep";
    kt_NumFormatSized(buffer, sizeof buffer, 1.0, -3);
    EXPECT_STREQ(buffer, "keep");
    kt_NumFormatSized(buffer, 0, 1.0, 2);
    EXPECT_STREQ(buffer, "keep");
}

struct ParseCase {
    const char *text;
    double value;
};

void PrintTo(const ParseCase &c, std::ostream *out) { *out << "'" << c.text << "'"; }

class NumParseCases : public ::testing::TestWithParam<ParseCase> {};

TEST_P(NumParseCases, ReadsTheLongestNumberPrefix) {
    EXPECT_DOUBLE_EQ(kt_NumParse(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Numbers, NumParseCases,
                         ::testing::Values(ParseCase{"7.85", 7.85}, ParseCase{"7,85", 7.0},
                                           ParseCase{"", 0.0}, ParseCase{"abc", 0.0},
                                           ParseCase{"  -12.5kg", -12.5},
                                           ParseCase{"1e3", 1000.0}, ParseCase{"+.5", 0.5}));

TEST(Numbers, FormattedTextReadsBack) {
    const double values[] = {0.1, -7.85, 12345.678901, 1e-5};
    for (double v : values) {
        char buffer[KT_NUM_TEXT_MAX];
        EXPECT_NEAR(kt_NumParse(kt_NumFormat(buffer, v, 8)), v, 5e-9) << buffer;
    }
}

TEST(Numbers, IntegersToTextAndBack) {
    char buffer[16];
    EXPECT_STREQ(kt_NumToText(buffer, INT_MIN), "-2147483648");
    EXPECT_STREQ(kt_NumToText(buffer, 42), "42");
    EXPECT_EQ(kt_NumParseInt("42abc"), 42);
    EXPECT_EQ(kt_NumParseInt(" -17"), -17);
    EXPECT_EQ(kt_NumParseInt("x1"), 0);
}

}  // namespace
