#include <gtest/gtest.h>

#include "birthchart/birth_chart.h"
#include "birthchart/pillar_readings.h"
#include "text/gbk.h"

using namespace nuvelo::birthchart;

namespace {

const std::string kRatAdvice =
    "生肖属相：鼠。\r\n\r\n鼠年出生的人取名偏旁部首：\r\n\r\n宜：宀、米、豆、鱼、艹、金、玉、人、木、月、田、钅等部首为吉。"
    "\r\n\r\n忌：山、刀、力、弓、土、穴、心、石、皮、氵、马、酉、才、火、车等部首。";

// The report's lines, without the blank lines between them.
std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    for (const std::string& line : nuvelo::text::splitText(text, "\r\n"))
        if (!line.empty()) out.push_back(line);
    return out;
}

}  // namespace

TEST(BirthChart, WorkedExampleIsExact) {
    const BirthChart chart = buildBirthChart("2020", "5", "23", "12");
    EXPECT_EQ(chart.text,
              "公历日期：2020年5月23日12时\r\n\r\n"
              "农历日期：庚子年    闰四月  初一日  甲午时\r\n\r\n"
              "八字四柱：庚子年  辛巳月  丙寅日  甲午时\r\n\r\n"
              "八字五行：金,水,金,火,火,木,木,火, ( 五行缺：土 ) \r\n\r\n"
              "五行纳音：壁上土  白蜡金  炉中火  砂石金\r\n\r\n" +
                  kRatAdvice);
    EXPECT_EQ(chart.elementPairs, "金,水,金,火,火,木,木,火,");
    EXPECT_EQ(chart.missing, "土");
}

TEST(BirthChart, EdgeCases) {
    struct Case {
        const char *year, *month, *day, *hour;
        std::vector<std::string> firstLines;  // the report's first lines, in order
        const char* elements;
        const char* missing;
        const char* zodiacLine;  // first line of the advice
    } cases[] = {
        {"2013", "2", "4", "0",
         {"公历日期：2013年2月4日0时", "农历日期：壬辰年    腊月  廿四日  戊子时", "八字四柱：壬辰年  癸丑月  辛丑日  戊子时"},
         "水,土,水,土,金,土,土,水,", "木火", "生肖属相：龙。"},
        {"2013", "2", "4", "1",
         {"公历日期：2013年2月4日1时", "农历日期：癸巳年    腊月  廿四日  己丑时", "八字四柱：癸巳年  甲寅月  辛丑日  己丑时",
          "八字五行：水,火,木,木,金,土,土,土, ( 五行不缺 ) "},
         "水,火,木,木,金,土,土,土,", "", "生肖属相：蛇。"},
        // 23:00: next day's pillar and a 子 hour, while both dates stay as entered.
        {"2013", "2", "10", "23",
         {"公历日期：2013年2月10日23时", "农历日期：癸巳年    正月  初一日  壬子时", "八字四柱：癸巳年  甲寅月  戊申日  壬子时"},
         "水,火,木,木,土,金,水,水,", "", "生肖属相：蛇。"},
        // The report shown at start-up; lunar day 20 is 二十.
        {"2013", "1", "1", "0",
         {"公历日期：2013年1月1日0时", "农历日期：壬辰年    冬月  二十日  庚子时", "八字四柱：壬辰年  壬子月  丁卯日  庚子时",
          "八字五行：水,土,水,水,火,木,金,水, ( 五行不缺 ) "},
         "水,土,水,水,火,木,金,水,", "", "生肖属相：龙。"},
        {"1970", "1", "1", "0",
         {"公历日期：1970年1月1日0时", "农历日期：己酉年    冬月  廿四日  戊子时", "八字四柱：己酉年  丙子月  辛巳日  戊子时"},
         "土,金,火,水,金,火,土,水,", "木", "生肖属相：鸡。"},
    };
    for (const Case& c : cases) {
        const BirthChart chart = buildBirthChart(c.year, c.month, c.day, c.hour);
        const auto got = lines(chart.text);
        ASSERT_GE(got.size(), c.firstLines.size() + 1);
        for (std::size_t i = 0; i < c.firstLines.size(); ++i) EXPECT_EQ(got[i], c.firstLines[i]) << c.year << c.month << c.day;
        EXPECT_EQ(chart.elementPairs, c.elements) << c.year << "-" << c.month << "-" << c.day << " " << c.hour;
        EXPECT_EQ(chart.missing, c.missing) << c.year << "-" << c.month << "-" << c.day << " " << c.hour;
        EXPECT_EQ(got[5], c.zodiacLine) << c.year << "-" << c.month << "-" << c.day << " " << c.hour;
    }
}

TEST(BirthChart, DateThatCannotBeReadGivesAClearLine) {
    struct Case {
        const char *year, *month, *day, *hour, *message;
    } cases[] = {
        {"2013", "2", "30", "0", "该日期不存在，请重新选择出生日期。"},
        {"2013", "4", "31", "5", "该日期不存在，请重新选择出生日期。"},
        {"2013", "2", "29", "0", "该日期不存在，请重新选择出生日期。"},
        {"", "1", "1", "0", "该日期不存在，请重新选择出生日期。"},
        {"2013", "1", "1", "24", "该日期不存在，请重新选择出生日期。"},
        {"1900", "1", "1", "0", "该日期超出可排八字的范围（1901年2月19日至2048年12月31日）。"},
    };
    for (const Case& c : cases) {
        const BirthChart chart = buildBirthChart(c.year, c.month, c.day, c.hour);
        const std::string first = std::string("公历日期：") + c.year + "年" + c.month + "月" + c.day + "日" + c.hour + "时";
        EXPECT_EQ(chart.text, first + "\r\n\r\n" + c.message) << c.month << "-" << c.day;
        EXPECT_EQ(chart.elementPairs, "");
        EXPECT_EQ(chart.missing, "");
    }
    EXPECT_EQ(lines(buildBirthChart("2012", "2", "29", "0").text).size(), 9u);  // a leap day exists: the full report
}

TEST(PillarReadings, ElementsNayinAndMissing) {
    struct Pillar {
        SexagenaryIndex index;
        const char* pair;
        const char* nayin;
    } pillars[] = {{1, "木,水,", "海中金"}, {2, "木,土,", "海中金"}, {5, "土,土,", "大林木"},
                   {37, "金,水,", "壁上土"}, {60, "水,水,", "大海水"}, {0, "", ""}, {61, "", ""}};
    for (const Pillar& p : pillars) {
        EXPECT_EQ(elementPairOf(p.index), p.pair) << p.index;
        EXPECT_EQ(nayinOf(p.index), p.nayin) << p.index;
    }
    struct Missing {
        const char* elements;
        const char* missing;
        const char* text;
    } missing[] = {{"土,木,火,火,木,木,火,火,", "金水", "五行缺：金水"},  // order 金 木 水 火 土, not pillar order
                   {"水,火,木,木,金,土,土,土,", "", "五行不缺"},
                   {"火,火,火,火,火,火,火,火,", "金木水土", "五行缺：金木水土"},
                   {"", "金木水火土", "五行缺：金木水火土"}};
    for (const Missing& m : missing) {
        EXPECT_EQ(missingElementsOf(m.elements), m.missing) << m.elements;
        EXPECT_EQ(missingElementsText(m.missing), m.text);
    }
}

TEST(PillarReadings, ZodiacAdvice) {
    const char* animals = "鼠牛虎兔龙蛇马羊猴鸡狗猪";
    for (int branch = 1; branch <= 12; ++branch) {
        const std::string advice = zodiacAdviceOf(branch);
        const std::string animal(animals + 2 * (branch - 1), 2);
        EXPECT_EQ(advice.substr(0, 14), "生肖属相：" + animal + "。") << branch;
        EXPECT_EQ(advice.back() == ' ', branch == 6 || branch == 7) << branch;  // 蛇 and 马 end with a blank
    }
    EXPECT_EQ(zodiacAdviceOf(1), kRatAdvice);
    EXPECT_EQ(zodiacAdviceOf(0), "");
    EXPECT_EQ(zodiacAdviceOf(13), "");
}
