// Chinese transliteration of English given names (build time only).
//
// The name's spelling is read as a row of sounds (consonant + vowel units)
// and each unit is written with the character of the English-Chinese
// transliteration table used for personal names in mainland China. Names
// that have an established Chinese form of long standing (John 约翰,
// David 戴维 ...) take that form instead. Female names use the table's
// feminine characters (玛 for 马, 娜 for 纳, 丽 for 里 ...).
#pragma once

#include <string>
#include <string_view>

namespace nuvelo::dbbuild {

// The transliteration as UTF-8; empty when the name holds no Latin letter.
std::string transliterateName(std::string_view name, bool feminine);

}  // namespace nuvelo::dbbuild
