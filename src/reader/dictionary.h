// The character dictionary's window caption.
#pragma once

#include <string>

namespace nuvelo::reader {

// " 汉字[ " + the text exactly as typed + " ]的详细解释" (GBK), blanks kept,
// nothing trimmed: an empty entry gives two blanks between the brackets.
std::string dictionaryCaption(const std::string& typed);

}  // namespace nuvelo::reader
