// English-name listing: the group key of a Chinese character and the names.
#pragma once

#include <string>
#include <vector>

#include "generation/run_host.h"
#include "refdata/name_db.h"

namespace nuvelo::generation {

// Group key of an initial: a→i, c→s, j→g, k→ch, o→a, q→ch, x→sh, y→e,
// z→th, anything else (zh, ch, sh included) itself.
std::string groupKeyOf(const std::string& initial);

// The initial of a character: its 声母 in lower case, or, when that is
// empty, the first letter of its toneless pinyin.
std::string initialOf(refdata::NameDb& db, const std::string& character);

// Rows (编号, 英文名, 中文读音, 相关含义) of the names whose index (EIndex2 if
// set, else EIndex) equals the group key of the given name's first
// character and whose Sex equals `sex`, in table order.
std::vector<NameRow> englishNameRows(refdata::NameDb& db, const std::string& givenName, int sex);

}  // namespace nuvelo::generation
