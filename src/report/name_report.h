// The name report: every number and text of one name, as an HTML page.
//
// The numbers come from reportNumbers (its own lookup of the characters), the
// texts from the luck tables (report_texts.h); the page is the report
// template filled with both. The characters the user typed are escaped on the
// page; reference texts are HTML fragments and go in as they are.
#pragma once

#include <array>
#include <string>

#include "refdata/name_db.h"
#include "report/page_fill.h"
#include "report/report_numbers.h"
#include "report/report_texts.h"

namespace nuvelo::report {

// Everything the page shows.
struct NameReport {
    NameReportResult numbers;
    std::array<GridTexts, 5> grids;  // 天 人 地 总 外
    TalentTexts talents;
    std::string comment;  // 总分建议
};

// Numbers and texts of surname + given (GBK). Neither may be blank.
NameReport collectNameReport(refdata::NameDb& db, const std::string& surname, const std::string& given);

// The value of every placeholder of the report template. A position the name
// does not have gives empty texts; a present character without a usable row
// gives its strokes as "0".
Placeholders nameReportValues(const NameReport& report);

// The filled page (GBK).
std::string composeNameReport(const NameReport& report);

// What buildNameReport leaves for its caller: the numbers, and whether the
// page reached the disk. A failed write is not shown to the user; it is
// returned so callers and tests can see it.
struct NameReportOutcome {
    NameReportResult result;
    bool pageWritten = false;
    std::string message;  // GBK, empty when the page was written
};

// Builds the report of surname + given and writes it to `pagePath` (UTF-8
// file-system path, normally pagePath("temp.html")). A blank surname or given
// name has no report: nothing is written and the message says so.
NameReportOutcome buildNameReport(refdata::NameDb& db, const std::string& surname, const std::string& given,
                                  const std::string& pagePath);

}  // namespace nuvelo::report
