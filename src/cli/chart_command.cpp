// nuvelo-cli chart: the birth-chart text of a date and hour; and chart-dump, a
// bulk listing of lunar dates and pillars, for comparing the calendar with
// another implementation over the whole supported range in one run.
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "birthchart/birth_chart.h"
#include "birthchart/calendar_tables.h"
#include "birthchart/chinese_calendar.h"
#include "birthchart/pillar_readings.h"
#include "cli/cli_command.h"
#include "text/gbk.h"

namespace nuvelo::cli {

namespace {

using birthchart::BirthMoment;

bool allDigits(const std::string& s, std::size_t maxLength) {
    if (s.empty() || s.size() > maxLength) return false;
    for (unsigned char c : s)
        if (!std::isdigit(c)) return false;
    return true;
}

// "YYYY-MM-DD" (month and day may have one digit) into a moment at midnight.
bool parseDate(const std::string& text, BirthMoment& moment) {
    const std::size_t a = text.find('-'), b = a == std::string::npos ? a : text.find('-', a + 1);
    if (b == std::string::npos) return false;
    const std::string y = text.substr(0, a), m = text.substr(a + 1, b - a - 1), d = text.substr(b + 1);
    if (!allDigits(y, 4) || !allDigits(m, 2) || !allDigits(d, 2)) return false;
    moment = BirthMoment{std::stoi(y), std::stoi(m), std::stoi(d), 0, 0, 0};
    return birthchart::isRealDate(moment.year, moment.month, moment.day);
}

constexpr const char* kRangeMessage = "outside the supported range 1901-02-19 .. 2048-12-31";

int runChart(const Args& args) {
    if (args.positional.size() != 2) return badInput("usage: chart YYYY-MM-DD HH");
    BirthMoment moment;
    if (!parseDate(args.positional[0], moment)) return badInput("not a date: " + args.positional[0]);
    if (!allDigits(args.positional[1], 2) || std::stoi(args.positional[1]) > 23)
        return badInput("not an hour 0..23: " + args.positional[1]);
    moment.hour = std::stoi(args.positional[1]);
    if (!birthchart::isSupported(moment)) return badInput(args.positional[0] + " is " + kRangeMessage);

    const auto chart = birthchart::buildBirthChart(text::fromNumber(moment.year), text::fromNumber(moment.month),
                                                   text::fromNumber(moment.day), text::fromNumber(moment.hour));
    if (!args.json) {
        printGbk(text::replaceAll(chart.text, "\r\n", "\n"));
        std::printf("\n");
        return 0;
    }
    const auto p = birthchart::fourPillarsOf(moment);
    const auto lunar = birthchart::lunarDateOf(moment);
    const birthchart::SexagenaryIndex pillars[] = {p.year, p.month, p.day, p.hour};
    std::vector<std::string> names, nayin;
    for (auto index : pillars) {
        names.push_back(birthchart::cycleName(index));
        nayin.push_back(birthchart::nayinOf(index));
    }
    std::string out = "{\"pillars\":" + jsonStrings(names);
    out += ",\"lunar\":{\"year\":" + std::to_string(lunar->year) + ",\"month\":" + std::to_string(lunar->month) +
           ",\"day\":" + std::to_string(lunar->day) + ",\"leap\":" + (lunar->leap ? "true" : "false") + "}";
    out += ",\"elements\":" + jsonString(chart.elementPairs) + ",\"missing\":" + jsonString(chart.missing);
    out += ",\"nayin\":" + jsonStrings(nayin) + ",\"text\":" + jsonString(chart.text) + "}\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

std::string dateText(const BirthMoment& m) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", m.year, m.month, m.day);
    return buf;
}

// True when one of the solar terms of the date's year falls on that date.
bool holdsTerm(const BirthMoment& date) {
    const auto terms = birthchart::termSecondsOf(date.year);
    if (!terms) return false;
    const BirthMoment newYear{date.year, 1, 1, 0, 0, 0};
    int dayOfYear = 0;
    for (BirthMoment d = newYear; d.month != date.month || d.day != date.day; ++dayOfYear) {
        if (!birthchart::isRealDate(d.year, d.month, ++d.day)) d = BirthMoment{d.year, d.month + 1, 1, 0, 0, 0};
    }
    for (int seconds : *terms)
        if (seconds / 86400 == dayOfYear) return true;
    return false;
}

// Every date FROM..TO: "DATE LUNARYEAR LUNARMONTH LUNARDAY LEAP(0|1)". With
// --term-hours instead, for each date holding a solar term, 24 lines
// "DATE HOUR YEAR MONTH DAY HOURPILLAR" (pillar names).
int runChartDump(const Args& args) {
    BirthMoment date, last;
    if (args.positional.size() != 2 || !parseDate(args.positional[0], date) || !parseDate(args.positional[1], last))
        return badInput("usage: chart-dump FROM TO [--term-hours] (dates YYYY-MM-DD)");
    if (!birthchart::isSupported(date) || !birthchart::isSupported(last)) return badInput(std::string("dates ") + kRangeMessage);
    const bool hours = args.has("--term-hours");
    std::string out;
    for (;;) {
        const std::string day = dateText(date);
        if (!hours) {
            const auto lunar = birthchart::lunarDateOf(date);
            out += day + " " + std::to_string(lunar->year) + " " + std::to_string(lunar->month) + " " +
                   std::to_string(lunar->day) + (lunar->leap ? " 1\n" : " 0\n");
        } else if (holdsTerm(date)) {
            for (int h = 0; h < 24; ++h) {
                BirthMoment m = date;
                m.hour = h;
                const auto p = birthchart::fourPillarsOf(m);
                out += day + " " + std::to_string(h) + " " +
                       text::toUtf8(birthchart::cycleName(p.year) + " " + birthchart::cycleName(p.month) + " " +
                                    birthchart::cycleName(p.day) + " " + birthchart::cycleName(p.hour)) +
                       "\n";
            }
        }
        if (date.year == last.year && date.month == last.month && date.day == last.day) break;
        if (dateText(date) > dateText(last)) break;
        if (!birthchart::isRealDate(date.year, date.month, ++date.day)) {
            date.day = 1;
            if (++date.month > 12) date = BirthMoment{date.year + 1, 1, 1, 0, 0, 0};
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

}  // namespace

static CommandRegistrar chartDumpCommand("chart-dump", "FROM TO [--term-hours]   (testing) lunar dates or term-day pillars in bulk",
                                         runChartDump);
static CommandRegistrar chartCommand("chart", "YYYY-MM-DD HH   the birth chart: pillars, elements, nayin, zodiac advice", runChart);

}  // namespace nuvelo::cli
