#include "birthchart/birth_chart.h"

#include <cctype>

#include "birthchart/chinese_calendar.h"
#include "birthchart/pillar_readings.h"

namespace nuvelo::birthchart {

namespace {

// A list entry's text as a number: one to four decimal digits, else -1.
int entryNumber(const std::string& entry) {
    if (entry.empty() || entry.size() > 4) return -1;
    int value = 0;
    for (unsigned char c : entry) {
        if (!std::isdigit(c)) return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

constexpr const char* kBreak = "\r\n\r\n";

}  // namespace

BirthChart buildBirthChart(const std::string& year, const std::string& month, const std::string& day,
                           const std::string& hour) {
    BirthChart chart;
    chart.text = "公历日期：" + year + "年" + month + "月" + day + "日" + hour + "时" + kBreak;

    const BirthMoment moment{entryNumber(year), entryNumber(month), entryNumber(day), entryNumber(hour), 0, 0};
    if (!isSupported(moment)) {
        const bool real = moment.year >= 0 && isRealDate(moment.year, moment.month, moment.day) && moment.hour >= 0 &&
                          moment.hour <= 23;
        chart.text += real ? "该日期超出可排八字的范围（1901年2月19日至2048年12月31日）。" : "该日期不存在，请重新选择出生日期。";
        return chart;
    }

    const FourPillars p = fourPillarsOf(moment);
    const SexagenaryIndex pillars[] = {p.year, p.month, p.day, p.hour};
    std::string nayin;
    for (SexagenaryIndex index : pillars) {
        chart.elementPairs += elementPairOf(index);
        nayin += (nayin.empty() ? "" : "  ") + nayinOf(index);
    }
    chart.missing = missingElementsOf(chart.elementPairs);

    const std::string hourName = cycleName(p.hour);
    chart.text += "农历日期：" + formatLunarDate(moment, "%Y年    %M  %D日  ") + hourName + "时" + kBreak;
    chart.text += "八字四柱：" + cycleName(p.year) + "年  " + cycleName(p.month) + "月  " + cycleName(p.day) + "日  " +
                  hourName + "时" + kBreak;
    chart.text += "八字五行：" + chart.elementPairs + " ( " + missingElementsText(chart.missing) + " ) " + kBreak;
    chart.text += "五行纳音：" + nayin + kBreak;
    chart.text += zodiacAdviceOf(branchOf(p.year));
    return chart;
}

}  // namespace nuvelo::birthchart
