#include "report/surname_page.h"

#include "report/page_fill.h"
#include "report/report_templates.h"

namespace nuvelo::report {

namespace {
// Columns of NV_百家姓.
constexpr int kOrigin = 2, kRegions = 3, kFamous = 4;
}  // namespace

std::string composeSurnamePage(refdata::NameDb& db, const std::string& surname) {
    refdata::Statement row = db.query("select * from NV_百家姓 where 姓=?", {surname});
    Placeholders values = {
        {"{姓氏}", escapeHtml(surname)},
        {"{姓氏起源}", db.columnText(row, kOrigin)},
        {"{聚集地}", db.columnText(row, kRegions)},
        {"{历史名人}", db.columnText(row, kFamous)},
    };
    db.finalize(row);
    return fillPlaceholders(surnamePageTemplate(), values);
}

PageWrite writeSurnamePage(refdata::NameDb& db, const std::string& surname, const std::string& targetPath) {
    return writePageFile(targetPath, composeSurnamePage(db, surname));
}

}  // namespace nuvelo::report
