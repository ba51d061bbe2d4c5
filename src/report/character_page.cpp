#include "report/character_page.h"

#include "report/page_fill.h"
#include "report/report_templates.h"

namespace nuvelo::report {

namespace {
// Columns of NV_CNWord shown on the page.
constexpr int kSimplifiedStrokes = 5, kKangxiStrokes = 6, kPinyin = 8, kRadical = 11, kBasic = 14, kDetailed = 15;
}  // namespace

std::string composeCharacterPage(refdata::NameDb& db, const std::string& character) {
    refdata::Statement row = db.query("select * from NV_CNWord where 汉字=?", {character});
    Placeholders values = {
        {"{汉字}", escapeHtml(character)},
        {"{拼音}", db.columnText(row, kPinyin)},
        {"{简体笔划}", db.columnText(row, kSimplifiedStrokes)},
        {"{部首}", db.columnText(row, kRadical)},
        {"{繁体笔划}", db.columnText(row, kKangxiStrokes)},
        {"{基本解释}", db.columnText(row, kBasic)},
        {"{详细解释}", db.columnText(row, kDetailed)},
    };
    db.finalize(row);
    return fillPlaceholders(characterPageTemplate(), values);
}

PageWrite writeCharacterPage(refdata::NameDb& db, const std::string& character, const std::string& targetPath) {
    return writePageFile(targetPath, composeCharacterPage(db, character));
}

}  // namespace nuvelo::report
