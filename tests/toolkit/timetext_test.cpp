// Date and time texts for given moments, and for the clock.
#include <gtest/gtest.h>

#include <string>

#include "toolkit.h"

namespace {

SYSTEMTIME Moment(int year, int month, int dayOfWeek, int day, int hour, int minute, int second,
                  int millisecond) {
    SYSTEMTIME t;
    t.wYear = (WORD)year;
    t.wMonth = (WORD)month;
    t.wDayOfWeek = (WORD)dayOfWeek;
    t.wDay = (WORD)day;
    t.wHour = (WORD)hour;
    t.wMinute = (WORD)minute;
    t.wSecond = (WORD)second;
    t.wMilliseconds = (WORD)millisecond;
    return t;
}

// Tuesday 12 February 2008, 09:05:03.007: every field under 10 but the year.
const SYSTEMTIME kTuesday = Moment(2008, 2, 2, 12, 9, 5, 3, 7);
// Sunday 29 November 2009, 23:45:59.050: every field 10 or over.
const SYSTEMTIME kSunday = Moment(2009, 11, 0, 29, 23, 45, 59, 50);

// Runs first in its process: nothing has been built yet.
TEST(TimeText, UnknownKeywordBeforeAnyCallIsEmpty) {
    EXPECT_STREQ(kt_TimeTextOf(&kTuesday, "WEEK", "-"), "");
}

struct TimeCase {
    const SYSTEMTIME *moment;
    const char *keyword, *separator, *expected;
};

class TimeTexts : public ::testing::TestWithParam<TimeCase> {};

TEST_P(TimeTexts, FollowTheKeyword) {
    const TimeCase &c = GetParam();
    EXPECT_STREQ(kt_TimeTextOf(c.moment, c.keyword, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keywords, TimeTexts,
    ::testing::Values(
        TimeCase{&kTuesday, "YY_MM_DD", "-", "2008-02-12"},
        TimeCase{&kTuesday, "HH_MM_SS", ":", "09:05:03"},
        TimeCase{&kTuesday, "YEAR", "Y", "Y2008"}, TimeCase{&kTuesday, "MONTH", "", "02"},
        TimeCase{&kTuesday, "DAY_OF_WEEK", "", "02"}, TimeCase{&kTuesday, "DAY", "d", "d12"},
        TimeCase{&kTuesday, "HOUR", "h=", "h=09"}, TimeCase{&kTuesday, "MINUTE", "", "05"},
        TimeCase{&kTuesday, "SECOND", "", "03"}, TimeCase{&kTuesday, "MILLISEC", "", "07"},
        TimeCase{&kSunday, "YY_MM_DD", "", "20091129"},
        TimeCase{&kSunday, "HH_MM_SS", " : ", "23 : 45 : 59"},
        TimeCase{&kSunday, "YEAR", "", "2009"}, TimeCase{&kSunday, "MONTH", "m", "m11"},
        TimeCase{&kSunday, "DAY_OF_WEEK", "w", "w00"}, TimeCase{&kSunday, "DAY", "", "29"},
        TimeCase{&kSunday, "HOUR", "", "23"}, TimeCase{&kSunday, "MINUTE", "", "45"},
        TimeCase{&kSunday, "SECOND", "", "59"}, TimeCase{&kSunday, "MILLISEC", "ms", "ms50"},
        TimeCase{&kSunday, "YEAR", nullptr, "2009"}),
    [](const ::testing::TestParamInfo<TimeCase> &info) {
        return std::string(info.param.keyword) + "_" + std::to_string(info.index);
    });

TEST(TimeText, MillisecondsGetAZeroUnderTenOnly) {
    struct {
        int ms;
        const char *expected;
    } cases[] = {{0, "00"}, {5, "05"}, {9, "09"}, {10, "10"}, {50, "50"}, {99, "99"}, {100, "100"},
                 {999, "999"}};
    for (const auto &c : cases) {
        SYSTEMTIME t = kTuesday;
        t.wMilliseconds = (WORD)c.ms;
        EXPECT_STREQ(kt_TimeTextOf(&t, "MILLISEC", ""), c.expected) << c.ms;
    }
}

TEST(TimeText, EarlyYearsAreWrittenAsTheyAre) {
    SYSTEMTIME t = Moment(987, 1, 1, 1, 0, 0, 0, 0);
    EXPECT_STREQ(kt_TimeTextOf(&t, "YY_MM_DD", "/"), "987/01/01");
    EXPECT_STREQ(kt_TimeTextOf(&t, "HH_MM_SS", ":"), "00:00:00");
}

TEST(TimeText, UnknownKeywordReturnsThePreviousText) {
    char *built = kt_TimeTextOf(&kTuesday, "YY_MM_DD", "-");
    const char *unknown[] = {"yy_mm_dd", "YEARS", "", "MILLISECOND"};
    for (const char *k : unknown) {
        EXPECT_EQ(kt_TimeTextOf(&kSunday, k, "+"), built) << k;
        EXPECT_STREQ(built, "2008-02-12") << k;
    }
    EXPECT_STREQ(kt_TimeTextOf(&kSunday, nullptr, "+"), "2008-02-12");
    EXPECT_STREQ(kt_TimeText("NO_SUCH", ""), "2008-02-12");
}

TEST(TimeText, LongSeparatorIsCutToTheBuffer) {
    std::string prefix(2 * KT_TIME_TEXT_MAX, 'p');
    std::string text = kt_TimeTextOf(&kTuesday, "YEAR", prefix.c_str());
    EXPECT_EQ(text, prefix.substr(0, KT_TIME_TEXT_MAX - 1));
    std::string separator(KT_TIME_TEXT_MAX / 2 - 2, 's');
    text = kt_TimeTextOf(&kTuesday, "YY_MM_DD", separator.c_str());
    EXPECT_EQ(text, ("2008" + separator + "02" + separator + "12").substr(0, KT_TIME_TEXT_MAX - 1));
}

TEST(TimeText, ClockGivesTheLocalTime) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        SYSTEMTIME before, after;
        GetLocalTime(&before);
        std::string date = kt_TimeText("YY_MM_DD", "-");
        std::string year = kt_TimeText("YEAR", "");
        GetLocalTime(&after);
        if (before.wDay != after.wDay) continue;  // midnight passed in between
        EXPECT_EQ(date, kt_TimeTextOf(&before, "YY_MM_DD", "-"));
        EXPECT_EQ(year, kt_TimeTextOf(&before, "YEAR", ""));
        return;
    }
}

}  // namespace
