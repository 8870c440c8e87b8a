// String services: value lists, comparison reports, case, character classes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <ostream>
#include <string>

#include "harness.h"

namespace {

std::string Report(const char *buffer, size_t n) { return std::string(buffer, n); }

TEST(FormatValues, AppendsOnlyTheValuesAndALineFeed) {
    char out[64] = "x:";
    EXPECT_EQ(kt_StrFormatValues(out, "%i %f %s", 5, 2.5, "kg"), out);
    EXPECT_STREQ(out, "x:52.50kg\n");
}

TEST(FormatValues, DigitsAnywhereGiveTheDecimalsOfTheFloatsInTurn) {
    char out[64] = "";
    // 3 for the first, 0 for the second, the third has no digit: 2.
    kt_StrFormatValues(out, "3%f 0%f %f", 1.23456, 2.7, 1.0);
    EXPECT_STREQ(out, "1.23531.00\n");
}

TEST(FormatValues, IntegerConversionsAndUnknownLetters) {
    char out[96] = "";
    // "%l" reads a long; the "i" after it is an ordinary character.
    // "%x" and "%%" take no value.
    kt_StrFormatValues(out, "%u|%li|%U|%x%%|%i", 4000000000u, -7L, 4000000001UL, 9);
    EXPECT_STREQ(out, "4000000000-740000000019\n");
}

TEST(FormatValues, TrailingPercentAndEmptyFormat) {
    char out[16] = "a";
    kt_StrFormatValues(out, "%i%", 3);
    EXPECT_STREQ(out, "a3\n");
    out[0] = 0;
    kt_StrFormatValues(out, "");
    EXPECT_STREQ(out, "\n");
}

TEST(FormatValues, EachValueIsCutAtNinetyNineCharacters) {
    std::string longText(300, 'w');
    char out[400] = "";
    kt_StrFormatValues(out, "%s", longText.c_str());
    EXPECT_EQ(std::string(out), std::string(99, 'w') + "\n");

    out[0] = 0;
    kt_StrFormatValues(out, "9%f", 1e300);  // 301 digits and 9 decimals
    EXPECT_EQ(strlen(out), 100u);
    EXPECT_EQ(std::string(out, 3), "100");
}

TEST(FormatValues, DigitsAndFloatsBeyondTenAreIgnoredSafely) {
    // Ten 1s give the first ten floats one decimal; the 3s are eleventh and
    // twelfth digits and are ignored, so the last two floats keep 2.
    char out[128] = "";
    kt_StrFormatValues(out, "1111111111 33 %f%f%f%f%f%f%f%f%f%f%f%f", 1.0, 1.0, 1.0, 1.0, 1.0,
                       1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0);
    std::string expected;
    for (int i = 0; i < 10; ++i) expected += "1.0";
    expected += "1.001.00\n";
    EXPECT_EQ(std::string(out), expected);
}

struct CompareCase {
    const char *text1, *text2;
    int mode;
    int sign;  // -1, 0, 1
};

void PrintTo(const CompareCase &c, std::ostream *out) {
    *out << c.text1 << " vs " << c.text2 << " mode " << c.mode;
}

class CompareCases : public ::testing::TestWithParam<CompareCase> {};

int Sign(int v) { return (v > 0) - (v < 0); }

TEST_P(CompareCases, ByMode) {
    const CompareCase &c = GetParam();
    EXPECT_EQ(Sign(kt_StrCompare(c.text1, c.text2, c.mode)), c.sign);
    EXPECT_EQ(Sign(kt_StrCompareDiff(c.text1, c.text2, c.mode)), c.sign);
}

INSTANTIATE_TEST_SUITE_P(
    Strings, CompareCases,
    ::testing::Values(CompareCase{"abc", "ABC", 0, 0}, CompareCase{"abc", "abc", 1, 0},
                      CompareCase{"a", "b", 1, -1}, CompareCase{"b", "A", 0, 1},
                      CompareCase{"abc", "xyz", 2, 0}, CompareCase{"abc", "xyz", -1, 0}));

TEST(Strings, CaseSensitiveModeTellsCaseApart) {
    EXPECT_NE(kt_StrCompare("abc", "ABC", 1), 0);
}

struct DiffCase {
    const char *text1, *text2;
    int mode;
    const char *same, *first, *second;  // the first strlen(text2) positions
    int length;
};

void PrintTo(const DiffCase &c, std::ostream *out) {
    *out << "'" << c.text1 << "' vs '" << c.text2 << "' mode " << c.mode;
}

class DiffCases : public ::testing::TestWithParam<DiffCase> {};

TEST_P(DiffCases, ReportsEachPositionOfTextTwo) {
    const DiffCase &c = GetParam();
    memset(kt_StrDiffSame, '#', sizeof kt_StrDiffSame);
    memset(kt_StrDiffFirst, '#', sizeof kt_StrDiffFirst);
    memset(kt_StrDiffSecond, '#', sizeof kt_StrDiffSecond);
    kt_StrCompareDiff(c.text1, c.text2, c.mode);
    size_t n2 = strlen(c.text2);
    EXPECT_EQ(Report(kt_StrDiffSame, n2), c.same);
    EXPECT_EQ(Report(kt_StrDiffFirst, n2), c.first);
    EXPECT_EQ(Report(kt_StrDiffSecond, n2), c.second);
    EXPECT_EQ(kt_StrDiffLength, c.length);
    // Later positions keep what was there.
    EXPECT_EQ(kt_StrDiffSame[n2], '#');
    EXPECT_EQ(kt_StrDiffFirst[n2], '#');
    EXPECT_EQ(kt_StrDiffSecond[n2], '#');
}

INSTANTIATE_TEST_SUITE_P(
    Strings, DiffCases,
    ::testing::Values(DiffCase{"Bredd", "Brett", 1, "Bre==", "===dd", "=====", 0},
                      DiffCase{"ab", "abcd", 1, "ab==", "====", "==cd", 2},
                      DiffCase{"abcdef", "abX", 1, "ab=", "==c", "===", -3},
                      // The character check is exact whatever the mode.
                      DiffCase{"abc", "ABC", 0, "===", "abc", "===", 0},
                      DiffCase{"abc", "", 1, "", "", "", -3}));

TEST(Strings, DiffReportStopsAtItsBuffersWhateverTheLength) {
    std::string text1(100, 'a'), text2(1000, 'b');
    kt_StrCompareDiff(text1.c_str(), text2.c_str(), 1);
    EXPECT_EQ(Report(kt_StrDiffSame, 256), std::string(256, '='));
    EXPECT_EQ(Report(kt_StrDiffFirst, 256), std::string(100, 'a') + std::string(156, '='));
    EXPECT_EQ(Report(kt_StrDiffSecond, 256), std::string(100, '=') + std::string(156, 'b'));
    EXPECT_EQ(kt_StrDiffLength, 900);

    std::string same(300, 's');
    kt_StrCompareDiff(same.c_str(), same.c_str(), 0);
    EXPECT_EQ(Report(kt_StrDiffSame, 256), std::string(256, 's'));
    EXPECT_EQ(Report(kt_StrDiffFirst, 256), std::string(256, '='));
    EXPECT_EQ(Report(kt_StrDiffSecond, 256), std::string(256, '='));
    EXPECT_EQ(kt_StrDiffLength, 0);
}

TEST(Strings, AppendCopyAndLength) {
    char out[32] = "Längd";
    EXPECT_EQ(kt_StrAppend(out, " mm"), out);
    EXPECT_STREQ(out, "Längd mm");
    EXPECT_EQ(kt_StrLength(out), 8);
    EXPECT_EQ(kt_StrLength(""), 0);

    const struct {
        const char *source;
        int count;
        const char *copy;
    } copies[] = {{"hello", 3, "hel"}, {"hello", 0, "hello"}, {"hello", -2, "hello"},
                  {"hello", 5, "hello"}, {"ab", 9, "ab"}};
    for (const auto &c : copies) {
        char dest[16] = "garbage";
        EXPECT_EQ(kt_StrCopyN(dest, c.source, c.count), dest);
        EXPECT_STREQ(dest, c.copy) << c.count;
    }
}

struct CaseChange {
    int mode;
    const char *second;
    const char *text, *converted;
    int result;
};

void PrintTo(const CaseChange &c, std::ostream *out) { *out << "mode " << c.mode << " " << c.result; }

class CaseChanges : public ::testing::TestWithParam<CaseChange> {};

TEST_P(CaseChanges, ByTheAnsiCodePage) {
    const CaseChange &c = GetParam();
    char text[32];
    strcpy(text, c.text);
    EXPECT_EQ(kt_StrChangeCase(c.mode, c.second, text), c.result);
    EXPECT_STREQ(text, c.converted);
}

INSTANTIATE_TEST_SUITE_P(
    Strings, CaseChanges,
    ::testing::Values(CaseChange{1, nullptr, "å ä ö vikt", "Å Ä Ö VIKT", 10},
                      CaseChange{0, nullptr, "ÅÄÖ BREDD", "åäö bredd", 9},
                      CaseChange{2, "four", "Abc", "Abc", 4},
                      CaseChange{-1, nullptr, "Abc", "Abc", 0}));

TEST(Strings, SwedishLettersAreSingleCp1252Bytes) {
    char text[] = "å";
    ASSERT_EQ(strlen(text), 1u);
    EXPECT_EQ((unsigned char)text[0], 0xE5);
    kt_StrChangeCase(1, nullptr, text);
    EXPECT_EQ((unsigned char)text[0], 0xC5);
}

struct ClassCase {
    unsigned char byte;
    int charClass;
};

void PrintTo(const ClassCase &c, std::ostream *out) { *out << "byte " << (int)c.byte; }

class CharClasses : public ::testing::TestWithParam<ClassCase> {};

TEST_P(CharClasses, OfTheByteAtThePosition) {
    char text[4] = {'x', (char)GetParam().byte, 'y', 0};
    EXPECT_EQ(kt_StrCharClass(text, 1), GetParam().charClass) << (int)GetParam().byte;
}

INSTANTIATE_TEST_SUITE_P(
    Strings, CharClasses,
    ::testing::Values(ClassCase{197, 4}, ClassCase{229, 3}, ClassCase{215, 1},
                      ClassCase{255, 1}, ClassCase{' ', 0}, ClassCase{'5', 2},
                      ClassCase{'a', 3}, ClassCase{'z', 3}, ClassCase{'A', 4},
                      ClassCase{'Z', 4}, ClassCase{192, 4}, ClassCase{223, 4},
                      ClassCase{224, 3}, ClassCase{254, 3}, ClassCase{247, 1},
                      ClassCase{'!', 1}, ClassCase{'\t', 1}, ClassCase{191, 1}));

TEST(Strings, CharAtIsSigned) {
    const char text[] = {'A', (char)200, 0};
    EXPECT_EQ(kt_StrCharAt(text, 0), 65);
    EXPECT_EQ(kt_StrCharAt(text, 1), -56);
}

TEST(Strings, LineFeedCounts) {
    const char *ten = "ab\ncd\tef\ng";  // 10 characters, two line feeds, one tab
    ASSERT_EQ(strlen(ten), 10u);
    EXPECT_EQ(kt_StrExpandedLength(ten), 13);
    EXPECT_EQ(kt_StrCountLineFeeds(ten), 2);
    EXPECT_EQ(kt_StrLastLineIndex(ten), 1);
    EXPECT_EQ(kt_StrLastLineIndex("no line feed"), -1);
    EXPECT_EQ(kt_StrCountLineFeeds("\r\r"), 0);
    EXPECT_EQ(kt_StrExpandedLength(""), 0);
}

TEST(Strings, AllocationsAreZeroedUnderAllThreeNames) {
    void *(*const allocators[])(int) = {kt_MemAlloc, kt_MemAlloc2, kt_MemAlloc3};
    for (auto allocate : allocators) {
        int *block = static_cast<int *>(allocate(1000));
        ASSERT_NE(block, nullptr);
        for (int i = 0; i < 1000; ++i) ASSERT_EQ(block[i], 0);
        block[999] = 7;  // the whole 4000 bytes are ours
        free(block);
        EXPECT_EQ(allocate(-1), nullptr);
    }
}

TEST(Strings, CursorPositionInClientCoordinates) {
    HWND window = kt_WindowCreate(GetModuleHandleA(NULL), UniqueTitle("cursor").c_str(), 50, 60,
                                  300, 200, "MIN_MAX_CLO");
    ASSERT_NE(window, nullptr);
    PumpMessages();
    POINT p = {10, 20};
    ClientToScreen(window, &p);
    ASSERT_TRUE(SetCursorPos(p.x, p.y));
    PumpMessages(20);
    kt_LastX = kt_LastY = -12345;
    EXPECT_EQ(kt_CursorGetPos(window), 0);
    EXPECT_EQ(kt_LastX, 10);
    EXPECT_EQ(kt_LastY, 20);
    kt_WindowDestroy(window);
}

}  // namespace
