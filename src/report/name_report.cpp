#include "report/name_report.h"

#include "numerology/luck.h"
#include "report/page_file.h"
#include "report/report_templates.h"
#include "text/gbk.h"

namespace nuvelo::report {

namespace {

// Placeholder spellings of the four positions, in position order.
struct PositionKeys {
    const char* character;
    const char* traditional;
    const char* simplified;
    const char* kangxi;
    const char* element;
    const char* pinyin;
};
constexpr std::array<PositionKeys, 4> kPositionKeys = {{
    {"{简体姓氏1}", "{繁体姓氏1}", "{简体姓氏1笔划}", "{繁体姓氏1笔划}", "{姓氏1五行}", "{姓氏1拼音}"},
    {"{简体姓氏2}", "{繁体姓氏2}", "{简体姓氏2笔划}", "{繁体姓氏2笔划}", "{姓氏2五行}", "{姓氏2拼音}"},
    {"{简体名字1}", "{繁体名字1}", "{简体名字1笔划}", "{繁体名字1笔划}", "{名字1五行}", "{名字1拼音}"},
    {"{简体名字2}", "{繁体名字2}", "{简体名字2笔划}", "{繁体名字2笔划}", "{名字2五行}", "{名字2拼音}"},
}};

// Grid names in the order 天格, 人格, 地格, 总格, 外格.
constexpr std::array<const char*, 5> kGridNames = {"天格", "人格", "地格", "总格", "外格"};

std::array<int, 5> gridNumbers(const numerology::FiveGrids& g) {
    return {g.tian, g.ren, g.di, g.zong, g.wai};
}

}  // namespace

NameReport collectNameReport(refdata::NameDb& db, const std::string& surname, const std::string& given) {
    NameReport r;
    r.numbers = reportNumbers(db, surname, given);
    std::array<int, 5> numbers = gridNumbers(r.numbers.grids);
    for (std::size_t i = 0; i < numbers.size(); ++i) r.grids[i] = gridTexts(db, numbers[i]);
    r.talents = talentTexts(db, r.numbers.talents);
    r.comment = scoreComment(r.numbers.scoreHundredths);
    return r;
}

Placeholders nameReportValues(const NameReport& report) {
    const NameReportResult& n = report.numbers;
    Placeholders v;
    v.reserve(80);
    for (std::size_t i = 0; i < kPositionKeys.size(); ++i) {
        const PositionKeys& k = kPositionKeys[i];
        const PositionFacts& f = n.positions[i];
        bool shown = f.present;
        v.emplace_back(k.character, escapeHtml(f.character));
        v.emplace_back(k.traditional, f.traditional);
        v.emplace_back(k.simplified, shown ? std::to_string(f.simplified) : std::string());
        v.emplace_back(k.kangxi, shown ? std::to_string(f.kangxi) : std::string());
        v.emplace_back(k.element, f.element);
        v.emplace_back(k.pinyin, f.pinyin);
    }
    std::array<int, 5> numbers = gridNumbers(n.grids);
    for (std::size_t i = 0; i < kGridNames.size(); ++i) {
        std::string name = kGridNames[i];
        v.emplace_back("{" + name + "}", std::to_string(numbers[i]));
        v.emplace_back("{" + name + "五行}", numerology::elementOfNumber(numbers[i] % 10));
        v.emplace_back("{" + name + "吉凶}", n.luckWords[i]);
        v.emplace_back("{" + name + "总论}", report.grids[i].summary);
        v.emplace_back("{" + name + "释义}", report.grids[i].explanation);
        v.emplace_back("{" + name + "数理暗示}", report.grids[i].hint);
    }
    v.emplace_back("{三才}", n.talents);
    v.emplace_back("{三才吉凶}", n.luckWords[5]);
    v.emplace_back("{三才总论}", report.talents.summary);
    v.emplace_back("{三才释义}", report.talents.explanation);
    v.emplace_back("{基础运}", report.talents.basicLuck);
    v.emplace_back("{成功运}", report.talents.success);
    v.emplace_back("{人际关系}", report.talents.relations);
    v.emplace_back("{性格}", report.talents.character);
    v.emplace_back("{总分建议}", report.comment);
    v.emplace_back("{评分总分}", std::to_string(n.score));
    return v;
}

std::string composeNameReport(const NameReport& report) {
    return fillPlaceholders(nameReportTemplate(), nameReportValues(report));
}

NameReportOutcome buildNameReport(refdata::NameDb& db, const std::string& surname, const std::string& given,
                                  const std::string& pagePath) {
    NameReportOutcome out;
    if (text::isBlank(surname) || text::isBlank(given)) {
        out.message = "姓氏和名字都不能为空。";
        return out;
    }
    NameReport report = collectNameReport(db, surname, given);
    out.result = report.numbers;
    PageWrite write = writePageFile(pagePath, composeNameReport(report));
    out.pageWritten = write.ok;
    out.message = write.message;
    return out;
}

}  // namespace nuvelo::report
