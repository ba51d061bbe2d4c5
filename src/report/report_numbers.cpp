#include "report/report_numbers.h"

#include "text/gbk.h"

namespace nuvelo::report {

namespace {

PositionFacts lookUp(refdata::NameDb& db, const std::string& character) {
    PositionFacts f;
    f.character = character;
    f.present = true;
    refdata::Statement row = db.query("select * from NV_CNWord where 汉字=?", {character});
    std::string element = db.columnText(row, 12);
    int simplified = db.columnInt(row, 5);
    if (!element.empty() && simplified != 0) {
        f.simplified = simplified;
        f.kangxi = db.columnInt(row, 6);
        f.element = element;
        f.pinyin = db.columnText(row, 8);
        f.traditional = db.columnText(row, 4);
    }
    db.finalize(row);
    return f;
}

}  // namespace

NameReportResult reportNumbers(refdata::NameDb& db, const std::string& surname, const std::string& given) {
    NameReportResult r;
    std::vector<std::string> s = text::splitChars(surname);
    std::vector<std::string> g = text::splitChars(given);
    r.surnameCount = static_cast<int>(s.size());
    r.givenCount = static_cast<int>(g.size());
    if (!s.empty()) r.positions[0] = lookUp(db, s[0]);
    if (s.size() == 1 && s[0] == "于") r.positions[0].kangxi = r.positions[0].simplified;
    if (s.size() >= 2) r.positions[1] = lookUp(db, s[1]);
    if (!g.empty()) r.positions[2] = lookUp(db, g[0]);
    if (g.size() >= 2) r.positions[3] = lookUp(db, g[1]);

    const auto& p = r.positions;
    r.grids = numerology::computeGrids(r.surnameCount, p[0].kangxi, p[1].kangxi, r.givenCount, p[2].kangxi,
                                       p[3].kangxi);
    for (const PositionFacts& f : p) {
        r.simplifiedTotal += f.simplified;
        r.elements += f.element;
    }
    r.talents = numerology::talentsKey(r.grids);
    numerology::LuckTable luck(db);
    const numerology::FiveGrids& gr = r.grids;
    r.luckWords = {luck.luckOfNumber(gr.tian), luck.luckOfNumber(gr.ren), luck.luckOfNumber(gr.di),
                   luck.luckOfNumber(gr.zong), luck.luckOfNumber(gr.wai), luck.luckOfTalents(r.talents)};
    numerology::LuckList list;
    for (std::size_t i = 0; i < 6; ++i) list[i] = numerology::gradeOf(r.luckWords[i]);
    r.scoreHundredths = numerology::scoreHundredths(list);
    r.score = r.scoreHundredths / 100;
    return r;
}

}  // namespace nuvelo::report
