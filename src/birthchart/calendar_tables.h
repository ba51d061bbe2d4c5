// The stored calendar data: lunar month lengths and leap months per lunar
// year, and the moments of the 24 solar terms per Gregorian year. The data
// live in calendar_tables.inc, written by tools/calendar/make_calendar_tables.mjs.
#pragma once

#include <array>
#include <optional>

namespace nuvelo::birthchart {

struct LunarYearRow {
    int leapMonth;        // 0 = none; the leap month follows the regular month of this number
    unsigned monthBits;   // bit i set: the (i+1)-th month in calendar order has 30 days, else 29
};

// Row of lunar year `year` (1901..2049), or nothing outside that range.
std::optional<LunarYearRow> lunarYearRow(int year);

// Number of months (12 or 13) and total days of a lunar year row.
int monthCount(const LunarYearRow& row);
int yearLength(const LunarYearRow& row);

// The 24 solar-term moments of Gregorian year `year` (1901..2048), in the order
// 小寒 .. 冬至, as seconds from 1 January 00:00:00 China standard time; nothing
// outside that range.
std::optional<std::array<int, 24>> termSecondsOf(int year);

}  // namespace nuvelo::birthchart
