#include "birthchart/calendar_tables.h"

#include <bit>

namespace nuvelo::birthchart {

namespace {
#include "birthchart/calendar_tables.inc"

static_assert(sizeof kLunarYears / sizeof kLunarYears[0] == kLastLunarYear - kFirstLunarYear + 1);
static_assert(sizeof kTermSeconds / sizeof kTermSeconds[0] == kLastTermYear - kFirstTermYear + 1);
}  // namespace

std::optional<LunarYearRow> lunarYearRow(int year) {
    if (year < kFirstLunarYear || year > kLastLunarYear) return std::nullopt;
    return kLunarYears[year - kFirstLunarYear];
}

int monthCount(const LunarYearRow& row) { return row.leapMonth ? 13 : 12; }

int yearLength(const LunarYearRow& row) {
    return 29 * monthCount(row) + std::popcount(row.monthBits);
}

std::optional<std::array<int, 24>> termSecondsOf(int year) {
    if (year < kFirstTermYear || year > kLastTermYear) return std::nullopt;
    std::array<int, 24> out{};
    for (int i = 0; i < 24; ++i) out[i] = kTermSeconds[year - kFirstTermYear][i];
    return out;
}

}  // namespace nuvelo::birthchart
