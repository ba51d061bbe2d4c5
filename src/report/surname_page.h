// The surname page: origin, regions and famous bearers of a surname, from
// NV_百家姓. The surname is looked up whole (a compound surname is one key).
#pragma once

#include <string>

#include "refdata/name_db.h"
#include "report/page_file.h"

namespace nuvelo::report {

// The filled page (GBK). A surname without a row shows its headings with
// empty texts.
std::string composeSurnamePage(refdata::NameDb& db, const std::string& surname);

// Composes the page and writes it to `targetPath` (UTF-8 file-system path,
// normally pagePath("temp5.html")).
PageWrite writeSurnamePage(refdata::NameDb& db, const std::string& surname, const std::string& targetPath);

}  // namespace nuvelo::report
