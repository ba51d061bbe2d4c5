// UTF-8 code points for the builder: the builder works on UTF-8 texts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nuvelo::dbbuild {

// The UTF-8 encoding of one code point.
std::string utf8Of(char32_t cp);
// The code points of a UTF-8 text; an invalid byte is skipped.
std::vector<char32_t> codePointsOf(std::string_view text);
// The single code point of a one-character text, or 0 when the text holds
// no character or more than one.
char32_t singleCodePoint(std::string_view text);
// Reads "U+4E00" (or "4E00") as a code point; 0 when malformed.
char32_t parseCodePoint(std::string_view text);

}  // namespace nuvelo::dbbuild
