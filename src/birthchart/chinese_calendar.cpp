#include "birthchart/chinese_calendar.h"

#include "birthchart/calendar_tables.h"
#include "text/gbk.h"

namespace nuvelo::birthchart {

namespace {

constexpr const char* kStems = "甲乙丙丁戊己庚辛壬癸";
constexpr const char* kBranches = "子丑寅卯辰巳午未申酉戌亥";
constexpr const char* kNumerals = "正二三四五六七八九十";
constexpr const char* kUnits = "一二三四五六七八九十";

// Two-byte character number n (1-based) of a GBK text of Chinese characters.
std::string charAt(const char* chars, int n) { return std::string(chars + 2 * (n - 1), 2); }

// Days since 1970-01-01 of a proleptic Gregorian date.
long daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leapYear = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leapYear ? 29 : kDays[month - 1];
}

// 1..60 wrap of an index moved by `step`.
SexagenaryIndex shifted(SexagenaryIndex index, int step) { return ((index - 1 + step) % 60 + 60) % 60 + 1; }

SexagenaryIndex yearPillar(const BirthMoment& m, int term) {
    SexagenaryIndex index = shifted(38, (m.year - 1901) % 60);  // 1901 is 辛丑 (38)
    return term < 3 ? shifted(index, -1) : index;                // the year turns at 立春 (term 3)
}

// The months run from one 节 term to the next: terms 1-2 give 丑, 3-4 寅, ...
// 23-24 and the stretch before 小寒 give 子. The 寅 month's stem is fixed by the
// year stem (甲/己 -> 丙, 乙/庚 -> 戊, ...) and the stems advance one per month
// from there through 子 and 丑, the last two months of the pillar year.
SexagenaryIndex monthPillar(SexagenaryIndex year, int term) {
    const int t = term == 0 ? 24 : term;
    int branch = (t - 1) / 2 + 2;
    if (branch > 12) branch -= 12;
    const int firstStem = (stemOf(year) - 1) % 5 * 2 + 3;  // stem of the 寅 month
    const int stem = (firstStem - 1 + (branch - 3 + 12) % 12) % 10 + 1;
    return indexOf(stem, branch);
}

SexagenaryIndex dayPillar(const BirthMoment& m) {
    const long days = daysFromCivil(m.year, m.month, m.day) - daysFromCivil(1901, 1, 1);
    SexagenaryIndex index = shifted(16, static_cast<int>(days % 60));  // 1901-01-01 is 己卯 (16)
    return m.hour >= 23 ? shifted(index, 1) : index;
}

// 子 covers 23:00-00:59, 丑 01:00-02:59, ... 亥 21:00-22:59. The 子 hour's stem is
// fixed by the day stem (甲/己 -> 甲, 乙/庚 -> 丙, ...), advancing one per hour.
SexagenaryIndex hourPillar(SexagenaryIndex day, int hour) {
    const int branch = hour >= 23 || hour == 0 ? 1 : (hour - 1) / 2 + 2;
    const int firstStem = (stemOf(day) - 1) % 5 * 2 + 1;
    const int stem = (firstStem - 1 + branch - 1) % 10 + 1;
    return indexOf(stem, branch);
}

}  // namespace

int stemOf(SexagenaryIndex index) { return (index - 1) % 10 + 1; }
int branchOf(SexagenaryIndex index) { return (index - 1) % 12 + 1; }

SexagenaryIndex indexOf(int stem, int branch) {
    if (stem < 1 || stem > 10 || branch < 1 || branch > 12) return 0;
    for (SexagenaryIndex n = 1; n <= 60; ++n)
        if (stemOf(n) == stem && branchOf(n) == branch) return n;
    return 0;
}

std::string cycleName(SexagenaryIndex index) {
    if (index < 1 || index > 60) return {};
    return charAt(kStems, stemOf(index)) + charAt(kBranches, branchOf(index));
}

bool isRealDate(int year, int month, int day) {
    return month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

bool isSupported(const BirthMoment& m) {
    if (!isRealDate(m.year, m.month, m.day)) return false;
    if (m.hour < 0 || m.hour > 23 || m.minute < 0 || m.minute > 59 || m.second < 0 || m.second > 59) return false;
    if (m.year > 2048) return false;
    return daysFromCivil(m.year, m.month, m.day) >= daysFromCivil(1901, 2, 19);
}

int termInForce(const BirthMoment& m) {
    if (!isSupported(m)) return -1;
    const auto terms = termSecondsOf(m.year);
    if (!terms) return -1;
    const long dayOfYear = daysFromCivil(m.year, m.month, m.day) - daysFromCivil(m.year, 1, 1);
    const long moment = dayOfYear * 86400 + m.hour * 3600 + m.minute * 60 + m.second;
    int count = 0;
    for (int seconds : *terms)
        if (seconds <= moment) ++count;  // a term counts from its exact second
    return count;
}

FourPillars fourPillarsOf(const BirthMoment& m) {
    const int term = termInForce(m);
    if (term < 0) return {};
    FourPillars p;
    p.year = yearPillar(m, term);
    p.month = monthPillar(p.year, term);
    p.day = dayPillar(m);
    p.hour = hourPillar(p.day, m.hour);
    return p;
}

std::optional<LunarDate> lunarDateOf(const BirthMoment& m) {
    if (!isSupported(m)) return std::nullopt;
    long rest = daysFromCivil(m.year, m.month, m.day) - daysFromCivil(1901, 2, 19);
    int year = 1901;
    auto row = lunarYearRow(year);
    while (row && rest >= yearLength(*row)) {
        rest -= yearLength(*row);
        row = lunarYearRow(++year);
    }
    if (!row) return std::nullopt;
    // Months in calendar order: 1, 2, ..., the leap month right after the regular
    // month of its number, ..., 12.
    int slot = 0;
    for (int month = 1; month <= 12; ++month) {
        for (bool leap : {false, true}) {
            if (leap && row->leapMonth != month) continue;
            const int length = (row->monthBits >> slot & 1u) ? 30 : 29;
            if (rest < length) return LunarDate{year, month, static_cast<int>(rest) + 1, leap};
            rest -= length;
            ++slot;
        }
    }
    return std::nullopt;  // unreachable: the year's length bounds `rest`
}

std::string lunarMonthName(int month, bool leap) {
    if (month < 1 || month > 12) return {};
    std::string name = leap ? "闰" : "";
    if (month == 11) return name + "冬月";
    if (month == 12) return name + "腊月";
    return name + charAt(kNumerals, month) + "月";
}

std::string lunarDayName(int day) {
    if (day < 1 || day > 30) return {};
    if (day == 20) return "二十";  // the conventional form, not 廿十
    if (day == 30) return "三十";
    static constexpr const char* kTens[] = {"初", "十", "廿"};
    return kTens[(day - 1) / 10] + charAt(kUnits, (day - 1) % 10 + 1);
}

std::string formatLunarDate(const BirthMoment& m, const std::string& pattern) {
    const auto lunar = lunarDateOf(m);
    const std::string year = lunar ? cycleName(fourPillarsOf(m).year) : "";
    const std::string month = lunar ? lunarMonthName(lunar->month, lunar->leap) : "";
    const std::string day = lunar ? lunarDayName(lunar->day) : "";
    std::string out = text::replaceAll(pattern, "%Y", year);
    out = text::replaceAll(out, "%M", month);
    return text::replaceAll(out, "%D", day);
}

}  // namespace nuvelo::birthchart
