#include "report/report_pages.h"

#include "report/character_page.h"
#include "report/surname_page.h"
#include "settings/program_paths.h"
#include "text/gbk.h"

namespace nuvelo::report {

NamePages writeNamePages(refdata::NameDb& db, const std::string& surname, const std::string& given) {
    NamePages pages;
    pages.report = buildNameReport(db, surname, given, settings::pagePath("temp.html"));
    if (!pages.report.pageWritten) pages.message = pages.report.message;
    // A blank name has no report and no pages (buildNameReport said why).
    if (text::isBlank(surname) || text::isBlank(given)) return pages;
    auto note = [&](const PageWrite& w) {
        if (!w.ok && pages.message.empty()) pages.message = w.message;
    };
    pages.characters = text::splitChars(surname + given);
    for (std::size_t i = 0; i < pages.characters.size(); ++i)
        note(writeCharacterPage(db, pages.characters[i], settings::pagePath("temp" + std::to_string(i + 1) + ".html")));
    note(writeSurnamePage(db, surname, settings::pagePath("temp5.html")));
    pages.allWritten = pages.message.empty();
    return pages;
}

}  // namespace nuvelo::report
