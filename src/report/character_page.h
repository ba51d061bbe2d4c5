// The character page: pinyin, radical, stroke counts and explanations of one
// character, filled from its NV_CNWord row.
#pragma once

#include <string>

#include "refdata/name_db.h"
#include "report/page_file.h"

namespace nuvelo::report {

// The filled page for `character` (GBK, normally one character; the
// dictionary passes whatever the user typed). Without a row every field is
// empty and the page still shows the character.
std::string composeCharacterPage(refdata::NameDb& db, const std::string& character);

// Composes the page and writes it to `targetPath` (UTF-8 file-system path).
PageWrite writeCharacterPage(refdata::NameDb& db, const std::string& character, const std::string& targetPath);

}  // namespace nuvelo::report
