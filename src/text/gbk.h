// GBK (code page 936) byte-string primitives.
//
// Every text inside the core is a GBK byte string held in std::string: lengths
// and positions count bytes, a Chinese character is two bytes. Conversion to
// and from UTF-8 happens only at the borders (database, GUI, command line).
//
// All functions are pure and thread-safe.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nuvelo::text {

// UTF-8 -> GBK. Text that cannot be converted as a whole gives "".
std::string toGbk(std::string_view utf8);
// GBK -> UTF-8. Text that cannot be converted as a whole gives "".
std::string toUtf8(std::string_view gbk);

// True when the text is valid GBK (every lead byte 0x81..0xFE followed by a
// trail byte) and converts to UTF-8.
bool isValidGbk(std::string_view gbk);

// Length in bytes of the GBK character that starts at `bytes[pos]`: 2 for a
// lead byte 0x81..0xFE with a following byte, 1 otherwise. This is the rule
// used when a text is split at a separator or searched, so the second byte of
// a double-byte character is never taken for a separator.
std::size_t charLength(std::string_view bytes, std::size_t pos);

// Cuts a name into characters. Empty list when the text without spaces is
// empty. Otherwise the text is walked from its first byte: a byte below 123
// is a one-byte character, any other byte starts a two-byte character with
// the byte after it (a lone last byte stays a one-byte character).
std::vector<std::string> splitChars(std::string_view gbk);

// 1-based byte position of the first occurrence of `needle` in `haystack`
// that starts on a character boundary at or after the 1-based position
// `from`; 0 when there is none. An empty needle is never found.
std::size_t findText(std::string_view haystack, std::string_view needle, std::size_t from = 1);
inline bool contains(std::string_view haystack, std::string_view needle) {
    return findText(haystack, needle) != 0;
}

// Replaces every occurrence of `from` (character-aligned, left to right,
// non-overlapping) by `to`. An empty `from` leaves the text unchanged.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

// Splits at every occurrence of `separator`, character by character. The
// empty text gives no pieces; a trailing empty piece after the last separator
// is dropped; empty pieces in between are kept.
std::vector<std::string> splitText(std::string_view text, std::string_view separator);

// Joins the pieces with `separator` between them.
std::string joinText(const std::vector<std::string>& pieces, std::string_view separator);

// Reads a whole text as a decimal integer: optional blanks around an optional
// sign and digits. Anything else (including "", "12abc", "1.5") reads as 0.
// Values beyond the 32-bit range read as 0 as well.
int toNumber(std::string_view text);

// Decimal text without leading zeros or blanks.
std::string fromNumber(long long value);

// The text with every space removed.
std::string withoutSpaces(std::string_view text);

// True when the text holds nothing but blanks (space, tab, CR, LF) or nothing.
bool isBlank(std::string_view text);

}  // namespace nuvelo::text
