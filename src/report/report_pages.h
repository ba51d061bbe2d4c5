// All pages of one name for the report window: the report (temp.html), one
// character page per character (temp1.html, temp2.html, ...) and the surname
// page (temp5.html), in the folder of settings::pagePath.
#pragma once

#include <string>
#include <vector>

#include "refdata/name_db.h"
#include "report/name_report.h"

namespace nuvelo::report {

struct NamePages {
    NameReportOutcome report;             // numbers and the report page write
    std::vector<std::string> characters;  // surname + given split into characters, one tab each
    bool allWritten = false;              // every page reached the disk
    std::string message;                  // GBK, the first failed write
};

// Writes the pages in this order: report, character pages, surname page. A
// name of more than four characters writes its fifth character's page to
// temp5.html, which the surname page then replaces.
NamePages writeNamePages(refdata::NameDb& db, const std::string& surname, const std::string& given);

}  // namespace nuvelo::report
