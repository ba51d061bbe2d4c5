#include <gtest/gtest.h>

#include <cstdlib>

#include "birthchart/calendar_tables.h"
#include "birthchart/chinese_calendar.h"

using namespace nuvelo::birthchart;

namespace {

std::string names(const FourPillars& p) {
    return cycleName(p.year) + " " + cycleName(p.month) + " " + cycleName(p.day) + " " + cycleName(p.hour);
}

// Days since 1901-01-01, counted independently of the code under test.
long dayNumber(int y, int m, int d) {
    static const int kBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    long days = 0;
    for (int year = 1901; year < y; ++year) days += (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0)) ? 366 : 365;
    const bool leap = y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
    return days + kBefore[m - 1] + (leap && m > 2) + d - 1;
}

}  // namespace

TEST(SexagenaryCycle, NamesAndPairs) {
    struct Case {
        SexagenaryIndex index;
        const char* name;
    } cases[] = {{1, "甲子"}, {2, "乙丑"}, {11, "甲戌"}, {16, "己卯"}, {38, "辛丑"}, {60, "癸亥"},
                 {0, ""},     {61, ""},    {-1, ""}};
    for (const Case& c : cases) {
        EXPECT_EQ(cycleName(c.index), c.name) << c.index;
        if (c.index >= 1 && c.index <= 60) {
            EXPECT_EQ(indexOf(stemOf(c.index), branchOf(c.index)), c.index);
        }
    }
    EXPECT_EQ(indexOf(1, 2), 0);  // 甲丑: stem and branch of different parity
    EXPECT_EQ(indexOf(11, 1), 0);
    EXPECT_EQ(indexOf(1, 13), 0);
}

TEST(FourPillars, EdgeCases) {
    struct Case {
        BirthMoment moment;
        const char* pillars;  // year month day hour
    } cases[] = {
        {{2013, 2, 4, 0}, "壬辰 癸丑 辛丑 戊子"},   // before 立春 at 00:13
        {{2013, 2, 4, 1}, "癸巳 甲寅 辛丑 己丑"},
        {{2013, 1, 1, 0}, "壬辰 壬子 丁卯 庚子"},   // before 小寒: still the 子 month of the year before
        {{2013, 2, 10, 23}, "癸巳 甲寅 戊申 壬子"}, // 23:00 takes the next day's pillar
        {{2013, 2, 10, 22}, "癸巳 甲寅 丁未 辛亥"},
        {{1970, 1, 1, 0}, "己酉 丙子 辛巳 戊子"},
        {{2020, 5, 23, 12}, "庚子 辛巳 丙寅 甲午"},
        {{1901, 2, 19, 0}, "辛丑 庚寅 戊辰 壬子"},  // first supported day, after 立春 1901
        {{2048, 12, 31, 23}, "戊辰 甲子 丙子 戊子"}, // last supported hour
        {{1984, 2, 5, 12}, "甲子 丙寅 己巳 庚午"},
        {{2000, 3, 1, 2}, "庚辰 戊寅 戊午 癸丑"},  // leap day of a century year
    };
    for (const Case& c : cases) {
        const BirthMoment& m = c.moment;
        EXPECT_EQ(names(fourPillarsOf(m)), c.pillars) << m.year << "-" << m.month << "-" << m.day << " " << m.hour;
    }
}

// Month changes a few seconds from a whole hour: the birth hour is compared
// with the term's exact moment.
TEST(FourPillars, TermsCloseToAWholeHour) {
    struct Case {
        BirthMoment moment;
        const char* yearAndMonth;
    } cases[] = {
        {{1914, 6, 6, 21}, "甲寅 己巳"}, {{1914, 6, 6, 22}, "甲寅 庚午"},  // 芒种 21:59:55
        {{1959, 6, 6, 19}, "己亥 己巳"}, {{1959, 6, 6, 20}, "己亥 庚午"},  // 芒种 19:00:04
        {{1974, 2, 4, 13}, "癸丑 乙丑"}, {{1974, 2, 4, 14}, "甲寅 丙寅"},  // 立春 13:00:05
        {{1985, 6, 6, 1}, "乙丑 辛巳"},  {{1985, 6, 6, 2}, "乙丑 壬午"},   // 芒种 01:59:56
        {{1996, 7, 7, 3}, "丙子 甲午"},  {{1996, 7, 7, 4}, "丙子 乙未"},   // 小暑 03:59:59
        {{2024, 10, 8, 2}, "甲辰 癸酉"}, {{2024, 10, 8, 3}, "甲辰 甲戌"},  // 寒露 02:59:57
    };
    for (const Case& c : cases) {
        const FourPillars p = fourPillarsOf(c.moment);
        EXPECT_EQ(cycleName(p.year) + " " + cycleName(p.month), c.yearAndMonth)
            << c.moment.year << "-" << c.moment.month << "-" << c.moment.day << " " << c.moment.hour;
    }
}

TEST(FourPillars, TermCountsFromItsExactSecond) {
    // 立春 2013 (term 3): one second before it is still 壬辰 year, the very second is 癸巳.
    const auto terms = termSecondsOf(2013);
    ASSERT_TRUE(terms);
    const int s = (*terms)[2] - 34 * 86400;  // seconds into 4 February
    ASSERT_GT(s, 0);
    const auto momentAt = [](int sec) { return BirthMoment{2013, 2, 4, sec / 3600, sec / 60 % 60, sec % 60}; };
    BirthMoment at = momentAt(s);
    EXPECT_EQ(termInForce(at), 3);
    EXPECT_EQ(cycleName(fourPillarsOf(at).year), "癸巳");
    at = momentAt(s - 1);
    EXPECT_EQ(termInForce(at), 2);
    EXPECT_EQ(cycleName(fourPillarsOf(at).year), "壬辰");
}

TEST(SolarTerms, SampleMomentsWithinFifteenSeconds) {
    struct Case {
        int year, term, month, day, hour, minute, second;
    } cases[] = {
        {1901, 1, 1, 6, 7, 53, 30},    {2000, 3, 2, 4, 20, 40, 23}, {2012, 24, 12, 21, 19, 11, 31},
        {2013, 1, 1, 5, 12, 33, 33},   {2013, 3, 2, 4, 0, 13, 20},  {2020, 3, 2, 4, 17, 3, 6},
    };
    for (const Case& c : cases) {
        const auto terms = termSecondsOf(c.year);
        ASSERT_TRUE(terms) << c.year;
        const long sample = (dayNumber(c.year, c.month, c.day) - dayNumber(c.year, 1, 1)) * 86400L + c.hour * 3600 +
                            c.minute * 60 + c.second;
        EXPECT_LE(std::labs((*terms)[c.term - 1] - sample), 15) << c.year << " term " << c.term;
    }
    EXPECT_FALSE(termSecondsOf(1900));
    EXPECT_FALSE(termSecondsOf(2049));
}

TEST(LunarCalendar, YearStartsAndLeapMonths) {
    struct Case {
        int year, month, day, leapMonth;
    } rows[] = {{1901, 2, 19, 0}, {1949, 1, 29, 7}, {1970, 2, 6, 0},  {2000, 2, 5, 0},  {2001, 1, 24, 4},
                {2012, 1, 23, 4}, {2013, 2, 10, 0}, {2014, 1, 31, 9}, {2020, 1, 25, 4}, {2023, 1, 22, 2},
                {2030, 2, 3, 0},  {2033, 1, 31, 11}, {2049, 2, 2, 0}};
    for (const Case& r : rows) {
        long start = dayNumber(1901, 2, 19);
        for (int y = 1901; y < r.year; ++y) start += yearLength(*lunarYearRow(y));
        EXPECT_EQ(start, dayNumber(r.year, r.month, r.day)) << r.year;
        EXPECT_EQ(lunarYearRow(r.year)->leapMonth, r.leapMonth) << r.year;
        if (r.year > 2048) continue;  // outside the range of dates
        const auto first = lunarDateOf({r.year, r.month, r.day});
        ASSERT_TRUE(first);
        EXPECT_EQ(first->year, r.year);
        EXPECT_EQ(first->month * 100 + first->day, 101);
        EXPECT_FALSE(first->leap);
    }
    long end = dayNumber(1901, 2, 19);
    for (int y = 1901; y <= 2049; ++y) end += yearLength(*lunarYearRow(y));
    EXPECT_EQ(end, dayNumber(2050, 1, 23));  // lunar 2049 ends on 2050-01-22
    EXPECT_FALSE(lunarYearRow(1900));
    EXPECT_FALSE(lunarYearRow(2050));
}

TEST(LunarCalendar, Dates) {
    struct Case {
        BirthMoment moment;
        int year, month, day;
        bool leap;
    } cases[] = {
        {{2013, 1, 1, 0}, 2012, 11, 20, false},
        {{2013, 2, 10, 23}, 2013, 1, 1, false},  // 23:00 does not move the lunar date
        {{2013, 2, 9, 12}, 2012, 12, 29, false},
        {{1970, 1, 1, 0}, 1969, 11, 24, false},
        {{2020, 5, 23, 12}, 2020, 4, 1, true},
        {{2020, 5, 22, 0}, 2020, 4, 30, false},
        {{2020, 6, 21, 0}, 2020, 5, 1, false},   // the month after the leap month
        {{2023, 3, 22, 0}, 2023, 2, 1, true},
        {{2014, 10, 24, 0}, 2014, 9, 1, true},
        {{2033, 12, 22, 0}, 2033, 11, 1, true},   // 2033's leap month follows month 11
        {{2034, 1, 20, 0}, 2033, 12, 1, false},
        {{1901, 2, 19, 0}, 1901, 1, 1, false},
        {{2048, 12, 31, 0}, 2048, 11, 27, false},
    };
    for (const Case& c : cases) {
        const auto got = lunarDateOf(c.moment);
        ASSERT_TRUE(got) << c.moment.year << "-" << c.moment.month << "-" << c.moment.day;
        EXPECT_EQ(got->year, c.year) << c.moment.year << "-" << c.moment.month << "-" << c.moment.day;
        EXPECT_EQ(got->month, c.month) << c.moment.year << "-" << c.moment.month << "-" << c.moment.day;
        EXPECT_EQ(got->day, c.day) << c.moment.year << "-" << c.moment.month << "-" << c.moment.day;
        EXPECT_EQ(got->leap, c.leap) << c.moment.year << "-" << c.moment.month << "-" << c.moment.day;
    }
}

TEST(ChineseCalendar, OutsideTheSupportedRange) {
    const BirthMoment cases[] = {
        {1901, 2, 18, 23}, {1900, 6, 1, 0}, {2049, 1, 1, 0}, {2013, 2, 29, 0}, {2013, 4, 31, 0},
        {2013, 13, 1, 0},  {2013, 0, 1, 0}, {2013, 1, 0, 0}, {2013, 1, 1, 24}, {2013, 1, 1, -1},
    };
    for (const BirthMoment& m : cases) {
        const FourPillars p = fourPillarsOf(m);
        EXPECT_EQ(p.year | p.month | p.day | p.hour, 0) << m.year << "-" << m.month << "-" << m.day << " " << m.hour;
        EXPECT_EQ(names(p), "   ");
        EXPECT_FALSE(lunarDateOf(m));
        EXPECT_EQ(formatLunarDate(m, "%Y|%M|%D"), "||");
    }
}

TEST(LunarText, MonthAndDayNames) {
    struct Month {
        int month;
        bool leap;
        const char* name;
    } months[] = {{1, false, "正月"}, {4, true, "闰四月"}, {10, false, "十月"}, {11, false, "冬月"},
                  {11, true, "闰冬月"}, {12, false, "腊月"}, {0, false, ""},     {13, false, ""}};
    for (const Month& m : months) EXPECT_EQ(lunarMonthName(m.month, m.leap), m.name) << m.month;
    struct Day {
        int day;
        const char* name;
    } days[] = {{1, "初一"},  {9, "初九"},  {10, "初十"}, {11, "十一"}, {19, "十九"}, {20, "二十"},
                {21, "廿一"}, {29, "廿九"}, {30, "三十"}, {0, ""},      {31, ""}};
    for (const Day& d : days) EXPECT_EQ(lunarDayName(d.day), d.name) << d.day;
}

TEST(LunarText, FormatUsesThePillarYear) {
    struct Case {
        BirthMoment moment;
        const char* pattern;
        const char* text;
    } cases[] = {
        // After 立春 but before the lunar new year: 癸巳 with 腊月.
        {{2013, 2, 5, 10}, "%Y年    %M  %D日  ", "癸巳年    腊月  廿五日  "},
        {{2013, 1, 1, 0}, "%Y年    %M  %D日  ", "壬辰年    冬月  二十日  "},
        {{2020, 5, 23, 12}, "%Y年    %M  %D日  ", "庚子年    闰四月  初一日  "},
        {{2013, 2, 10, 23}, "%D%D %y %m", "初一初一 %y %m"},  // every occurrence; case-sensitive
    };
    for (const Case& c : cases) EXPECT_EQ(formatLunarDate(c.moment, c.pattern), c.text) << c.pattern;
}
