// ChineseCalendar: the four pillars (四柱) and the lunar date of a Gregorian
// birth moment in China standard time, for 1901-02-19 through 2048-12-31.
//
// The pillar year changes at the moment of 立春 and the months at the twelve
// 节 terms, compared to the second; the day pillar changes at 23:00. The lunar
// date is that of the calendar date (the 23:00 rule does not move it).
// All functions are pure.
#pragma once

#include <optional>
#include <string>

namespace nuvelo::birthchart {

struct BirthMoment {
    int year = 0, month = 0, day = 0;   // Gregorian
    int hour = 0, minute = 0, second = 0;  // clock time, China standard time
};

// 1..60 in the sexagenary cycle (1 = 甲子, 60 = 癸亥); 0 = none.
using SexagenaryIndex = int;

struct FourPillars {
    SexagenaryIndex year = 0, month = 0, day = 0, hour = 0;  // all 0 outside the supported range
};

struct LunarDate {
    int year = 0;        // the Gregorian year in which the lunar year began
    int month = 0;       // 1..12; a leap month carries the number of the month it follows
    int day = 0;         // 1..30
    bool leap = false;
};

// Stem number 1..10 (甲..癸) and branch number 1..12 (子..亥) of an index 1..60.
int stemOf(SexagenaryIndex index);
int branchOf(SexagenaryIndex index);
// Index of a stem and branch number pair; 0 when their parities differ or a
// number is out of range.
SexagenaryIndex indexOf(int stem, int branch);

// Stem and branch characters, e.g. "甲子"; "" outside 1..60.
std::string cycleName(SexagenaryIndex index);

// True for a real date and time (hour 0..23, minute and second 0..59) from
// 1901-02-19 through 2048-12-31.
bool isSupported(const BirthMoment& moment);
// True when the day exists in its month of the proleptic Gregorian calendar.
bool isRealDate(int year, int month, int day);

// Number of the year's solar terms (小寒 = 1 .. 冬至 = 24) whose moment is at
// or before the moment; 0 before 小寒. -1 outside the supported range.
int termInForce(const BirthMoment& moment);

FourPillars fourPillarsOf(const BirthMoment& moment);

// Lunar date of the moment's calendar date; nothing outside the supported range.
std::optional<LunarDate> lunarDateOf(const BirthMoment& moment);

// "闰四月", "正月", "冬月", "腊月" ...; "" for a month outside 1..12.
std::string lunarMonthName(int month, bool leap);
// "初一" .. "初十", "十一" .. "十九", "二十", "廿一" .. "廿九", "三十"; "" outside 1..30.
std::string lunarDayName(int day);

// The pattern with every "%Y" replaced by the name of the year pillar, "%M" by
// the lunar month name and "%D" by the lunar day name. Outside the supported
// range the placeholders are replaced by "".
std::string formatLunarDate(const BirthMoment& moment, const std::string& pattern);

}  // namespace nuvelo::birthchart
