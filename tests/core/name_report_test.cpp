// The name report: its page against reviewed golden files, and the rules
// that decide its values.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

#include "fixtures/fixture_db.h"
#include "fixtures/read_file.h"
#include "fixtures/report_fixture.h"
#include "report/name_report.h"
#include "report/page_fill.h"
#include "text/gbk.h"

using namespace nuvelo;
using fixtures::readFile;

namespace {

std::string valueOf(const report::Placeholders& values, const std::string& key) {
    for (const auto& [k, v] : values)
        if (k == key) return v;
    ADD_FAILURE() << "no placeholder " << text::toUtf8(key);
    return "<missing>";
}

struct ReportDb {
    fixtures::FixtureDb fixture;
    refdata::NameDb db;
    explicit ReportDb(const std::function<void(fixtures::FixtureDb&)>& fill) {
        fill(fixture);
        EXPECT_TRUE(fixture.load(db));
    }
    std::string pagePath() const { return fixture.dir() + "/data/temp.html"; }
};

// ---- golden pages -------------------------------------------------------------

struct GoldenCase {
    const char* surname;
    const char* given;
    const char* file;
    int score;
    int wai;
};

class NameReportGolden : public ::testing::TestWithParam<GoldenCase> {};

// Set NUVELO_UPDATE_GOLDEN=1 to rewrite the golden files after a deliberate
// change of the page; review the new files by eye before keeping them.
TEST_P(NameReportGolden, PageMatchesReviewedFile) {
    const GoldenCase& c = GetParam();
    ReportDb r(fixtures::addReportRows);
    report::NameReportOutcome out = report::buildNameReport(r.db, c.surname, c.given, r.pagePath());
    ASSERT_TRUE(out.pageWritten) << text::toUtf8(out.message);
    EXPECT_EQ(out.result.score, c.score);
    EXPECT_EQ(out.result.grids.wai, c.wai);

    std::string page = readFile(r.pagePath());
    EXPECT_EQ(page.rfind("<html>", 0), 0u) << "no byte-order mark, nothing before the document";
    EXPECT_TRUE(text::isValidGbk(page));
    EXPECT_TRUE(text::contains(page, "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">"));
    std::size_t body = page.find("</head>");
    ASSERT_NE(body, std::string::npos);
    EXPECT_EQ(page.find('{', body), std::string::npos) << "a placeholder was left unfilled";
    EXPECT_EQ(page.find("float"), std::string::npos);

    std::string golden = std::string(NUVELO_SOURCE_DIR) + "/tests/core/golden/" + c.file;
    if (std::getenv("NUVELO_UPDATE_GOLDEN")) {
        std::ofstream(golden, std::ios::binary) << page;
        GTEST_SKIP() << "golden file rewritten: " << golden;
    }
    EXPECT_EQ(page, readFile(golden)) << "page differs from " << golden;
}

INSTANTIATE_TEST_SUITE_P(Names, NameReportGolden,
                         ::testing::Values(
                             // 天 凶, 人 吉, 地 凶, 总 吉, 外 大凶, 三才 中: 3+30+12+20+3+12.75
                             GoldenCase{"张", "三", "name_report_zhang_san.html", 80, 2},
                             // 大吉 吉 大凶 中 大吉 凶: 5+30+6+17+10+9; 外格 = 总格 − 人格 + 1
                             GoldenCase{"欧阳", "明", "name_report_ouyang_ming.html", 77, 16}));

// ---- facts of the positions ---------------------------------------------------

void addYuRows(fixtures::FixtureDb& f) {
    fixtures::addReportRows(f);
    // A Kangxi count that differs from the simplified one, as a traditional
    // form would have.
    f.addChar({"于", 3, 8, "土", "於", "yú"});
}

TEST(NameReportFacts, YuCountsItsSimplifiedStrokesOnlyAsTheWholeSurname) {
    ReportDb r(addYuRows);
    struct Case {
        const char* surname;
        const char* given;
        std::size_t position;
        int kangxi;
        int tian;
    };
    for (const Case& c : {Case{"于", "三", 0, 3, 4}, Case{"于张", "三", 0, 8, 19}, Case{"张", "于", 2, 8, 12}}) {
        report::NameReportResult n = report::reportNumbers(r.db, c.surname, c.given);
        EXPECT_EQ(n.positions[c.position].kangxi, c.kangxi) << text::toUtf8(std::string(c.surname) + c.given);
        EXPECT_EQ(n.grids.tian, c.tian) << text::toUtf8(std::string(c.surname) + c.given);
    }
}

void addUnusableRows(fixtures::FixtureDb& f) {
    fixtures::addReportRows(f);
    f.addChar({"戊", 5, 5, "", "戊", "wù"});    // no element
    f.addChar({"己", 0, 3, "土", "己", "jǐ"});  // no simplified count
}

TEST(NameReportFacts, UnusableSecondCharacterShowsZeroStrokesAndEmptyTexts) {
    ReportDb r(addUnusableRows);
    for (const char* second : {"丁" /* no row */, "戊", "己"}) {
        SCOPED_TRACE(text::toUtf8(second));
        report::NameReport rep = report::collectNameReport(r.db, "张", std::string("三") + second);
        const report::PositionFacts& p = rep.numbers.positions[3];
        EXPECT_TRUE(p.present);
        EXPECT_EQ(p.simplified, 0);
        EXPECT_EQ(p.kangxi, 0);
        EXPECT_EQ(rep.numbers.grids.di, 3);       // 三 + 0
        EXPECT_EQ(rep.numbers.elements, "火金");  // only usable characters
        report::Placeholders v = report::nameReportValues(rep);
        EXPECT_EQ(valueOf(v, "{简体名字2}"), second);
        EXPECT_EQ(valueOf(v, "{简体名字2笔划}"), "0");
        EXPECT_EQ(valueOf(v, "{繁体名字2笔划}"), "0");
        for (const char* key : {"{繁体名字2}", "{名字2拼音}", "{名字2五行}"}) EXPECT_EQ(valueOf(v, key), "");
    }
}

TEST(NameReportFacts, AbsentPositionsLeaveEveryTextEmpty) {
    ReportDb r(fixtures::addReportRows);
    report::Placeholders v = report::nameReportValues(report::collectNameReport(r.db, "张", "三"));
    for (const char* position : {"姓氏2", "名字2"}) {
        std::string p = position;
        for (const std::string& key : {"{简体" + p + "}", "{繁体" + p + "}", "{简体" + p + "笔划}",
                                       "{繁体" + p + "笔划}", "{" + p + "五行}", "{" + p + "拼音}"})
            EXPECT_EQ(valueOf(v, key), "") << text::toUtf8(key);
    }
    EXPECT_EQ(valueOf(v, "{繁体姓氏1}"), "張");
    EXPECT_EQ(valueOf(v, "{繁体姓氏1笔划}"), "11");
}

TEST(NameReportFacts, ThirdGivenCharacterTakesNoPart) {
    ReportDb r(fixtures::addReportRows);
    report::NameReport two = report::collectNameReport(r.db, "张", "三明");
    report::NameReport three = report::collectNameReport(r.db, "张", "三明欧");
    EXPECT_EQ(three.numbers.simplifiedTotal, two.numbers.simplifiedTotal);
    EXPECT_EQ(numerology::gridsText(three.numbers.grids), numerology::gridsText(two.numbers.grids));
    EXPECT_EQ(report::composeNameReport(three), report::composeNameReport(two));
}

// ---- texts of the grids and the score ------------------------------------------

void addHighGridRows(fixtures::FixtureDb& f) {
    f.addAllLuck("吉");
    f.addChar({"甲", 40, 80, "木", "甲", "jiǎ"});
    f.addChar({"乙", 1, 2, "木", "乙", "yǐ"});
    f.addChar({"三", 3, 3, "金", "三", "sān"});
}

TEST(NameReportTexts, GridAboveTheTableHasOnlyItsLabels) {
    ReportDb r(addHighGridRows);
    // 天格 82 and 总格 85 have no row; 人格 5, 地格 4 and 外格 81 have.
    report::NameReport rep = report::collectNameReport(r.db, "甲乙", "三");
    ASSERT_EQ(rep.numbers.grids.tian, 82);
    EXPECT_EQ(rep.numbers.luckWords[0], "");
    EXPECT_EQ(rep.grids[0].summary, "()");
    EXPECT_EQ(rep.grids[0].explanation, "<BR>基业:<BR>家庭:<BR>健康:<BR>含义:");
    EXPECT_EQ(rep.grids[0].hint, "");
    EXPECT_EQ(rep.numbers.score, 75);  // 天格's 5 and 总格's 20 points lost
    EXPECT_EQ(rep.talents.explanation,
              "1、总论:<BR>2、性格:<BR>3、意志:<BR>4、事业:<BR>5、家庭:<BR>6、婚姻:<BR>7、子女:<BR>8、社交:"
              "<BR>9、精神:<BR>10、财运:<BR>11、健康:<BR>12、老运:");
}

TEST(NameReportTexts, ColumnsGoUnderTheirLabels) {
    ReportDb r(fixtures::addReportRows);
    report::GridTexts g = report::gridTexts(r.db, 12);
    EXPECT_EQ(g.summary, "12解释一(12解释三)");
    EXPECT_EQ(g.explanation, "12解释二<BR>基业:12<i>基业</i><BR>家庭:12家庭<BR>健康:12含义<BR>含义:12健康");
    EXPECT_EQ(g.hint, "12暗示甲<BR>12暗示乙");
    report::TalentTexts t = report::talentTexts(r.db, "木火火");
    EXPECT_EQ(t.summary, "木火火解释一");
    EXPECT_TRUE(text::contains(t.explanation, "1、总论:木火火总论<BR>2、性格:木火火性格"));
    EXPECT_TRUE(text::contains(t.explanation, "<BR>12、老运:木火火老运"));
    EXPECT_EQ(t.basicLuck + t.success + t.relations + t.character, "木火火基础运木火火成功运木火火人际木火火个性");
}

// 甲 + 乙丙 (Kangxi 10, 3, 7): 天格 11, 人格 13, 地格 10, 总格 20, 外格 8, 三才 木火水.
struct BandCase {
    const char* luck[6];  // 天 人 地 总 外 三才; "" = no row
    int score;
    int comment;  // index of the expected band, best first
};

class CommentBands : public ::testing::TestWithParam<BandCase> {};

void addBandRows(fixtures::FixtureDb& f, const BandCase& band) {
    f.addChar({"甲", 5, 10, "木", "甲", "jiǎ"});
    f.addChar({"乙", 1, 3, "木", "乙", "yǐ"});
    f.addChar({"丙", 5, 7, "火", "丙", "bǐng"});
    const int numbers[5] = {11, 13, 10, 20, 8};
    for (int i = 0; i < 5; ++i)
        if (*band.luck[i]) f.addNumber(numbers[i], band.luck[i]);
    if (*band.luck[5]) f.addTalents("木火水", band.luck[5]);
}

TEST_P(CommentBands, CommentFollowsTheUnroundedScore) {
    static const char* const kComments[5] = {"非常棒", "取得不错", "可能不太理想", "不太好，如果可能", "很不好！"};
    const BandCase& band = GetParam();
    ReportDb r([&](fixtures::FixtureDb& f) { addBandRows(f, band); });
    report::NameReportOutcome out = report::buildNameReport(r.db, "甲", "乙丙", r.pagePath());
    ASSERT_TRUE(out.pageWritten);
    EXPECT_EQ(out.result.score, band.score);
    std::string page = readFile(r.pagePath());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(text::contains(page, kComments[i]), i == band.comment) << text::toUtf8(kComments[i]);
    EXPECT_TRUE(text::contains(page, "<b>" + std::to_string(band.score) + "</b> 分"));
}

INSTANTIATE_TEST_SUITE_P(Bounds, CommentBands,
                         ::testing::Values(BandCase{{"吉", "吉", "吉", "吉", "", "吉"}, 90, 0},    // 90
                                           BandCase{{"吉", "吉", "凶", "吉", "吉", "中"}, 89, 1},  // 89.75
                                           BandCase{{"吉", "", "吉", "吉", "", "吉"}, 60, 3},      // 60
                                           BandCase{{"吉", "", "凶", "吉", "吉", "中"}, 59, 4}));  // 59.75

// ---- user text, writes and refused input ---------------------------------------

TEST(NameReportPage, TypedTextIsEscapedAndReferenceHtmlIsNot) {
    ReportDb r(fixtures::addReportRows);
    report::NameReport rep = report::collectNameReport(r.db, "张", "<'");
    report::Placeholders v = report::nameReportValues(rep);
    EXPECT_EQ(valueOf(v, "{简体名字1}"), "&lt;");
    EXPECT_EQ(valueOf(v, "{简体名字2}"), "&#39;");
    std::string page = report::composeNameReport(rep);
    EXPECT_TRUE(text::contains(page, ">&lt;</td>"));
    EXPECT_TRUE(text::contains(page, "12<i>基业</i>"));  // reference fragment kept as HTML
}

TEST(NameReportPage, FailedWriteIsReturnedWithTheNumbers) {
    ReportDb r(fixtures::addReportRows);
    report::NameReportOutcome out = report::buildNameReport(r.db, "张", "三", r.fixture.dir() + "/missing/temp.html");
    EXPECT_FALSE(out.pageWritten);
    EXPECT_FALSE(out.message.empty());
    EXPECT_EQ(out.result.grids.tian, 12);
}

TEST(NameReportPage, BlankNameIsRefusedWithoutWriting) {
    ReportDb r(fixtures::addReportRows);
    for (auto [surname, given] : {std::pair{"", "三"}, std::pair{"张", "  "}, std::pair{" ", ""}}) {
        report::NameReportOutcome out = report::buildNameReport(r.db, surname, given, r.pagePath());
        EXPECT_FALSE(out.pageWritten);
        EXPECT_FALSE(out.message.empty());
    }
    EXPECT_EQ(readFile(r.pagePath()), "");
}

// ---- the fill helpers ----------------------------------------------------------

TEST(PageFill, PlaceholdersAreReplacedOnceEverywhereAndExactly) {
    report::Placeholders values = {{"{a}", "1"}, {"{ab}", "{a}"}, {"{名字}", "明"}};
    struct Case {
        std::string in, out;
    };
    for (const Case& c : {Case{"{a}-{a}", "1-1"}, Case{"{A}{a}", "{A}1"},  // case-sensitive
                          Case{"{ab}", "{a}"},                             // a value is not filled again
                          Case{"{名字}{x}", "明{x}"},                      // unknown braces stay
                          Case{"\x81{a}", "\x81{a}"},                      // '{' as second byte of a GBK character
                          Case{"{a", "{a"}, Case{"", ""}})
        EXPECT_EQ(report::fillPlaceholders(c.in, values), c.out) << c.in;
}

TEST(PageFill, AnEmptyPlaceholderMatchesNothing) {
    // It once matched everywhere without moving on and never returned.
    report::Placeholders values = {{"", "x"}, {"{a}", "1"}};
    EXPECT_EQ(report::fillPlaceholders("{a}b{", values), "1b{");
}

TEST(PageFill, EscapeHtmlMakesTypedTextInert) {
    EXPECT_EQ(report::escapeHtml("<script>alert('x')&\"</script>"),
              "&lt;script&gt;alert(&#39;x&#39;)&amp;&quot;&lt;/script&gt;");
    EXPECT_EQ(report::escapeHtml("张三"), "张三");
    EXPECT_EQ(report::escapeHtml(""), "");
}

}  // namespace
