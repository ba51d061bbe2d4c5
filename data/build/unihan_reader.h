// The Unihan fields the character table uses, read from Debian's
// unicode-data package (/usr/share/unicode/Unihan_*.txt.bz2).
#pragma once

#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

namespace nuvelo::dbbuild {

// A radical-stroke index: Kangxi radical number 1..214, whether the entry
// names the simplified form of the radical (written 120' in Unihan), and the
// strokes outside the radical (may be negative: 王 is 96.-1).
struct RadicalStroke {
    int radical = 0;
    bool simplifiedRadical = false;
    int residual = 0;
    bool valid() const { return radical >= 1 && radical <= 214; }
};

struct UnihanChar {
    RadicalStroke kangxi;            // kRSKangXi (first value)
    RadicalStroke unicode;           // kRSUnicode (first value)
    std::vector<int> totalStrokes;   // kTotalStrokes, every value
    std::string definition;          // kDefinition, English
    std::string mandarin;            // kMandarin, first value
    bool gb2312 = false;             // has a kGB0 code
};

using UnihanTable = std::unordered_map<char32_t, UnihanChar>;

// Reads the fields above for every ideograph from U+3400 on. False with a
// message when a file is missing or cannot be decompressed.
bool readUnihan(const std::filesystem::path& dir, UnihanTable& table, std::string& error);

// Parses one radical-stroke value such as "85.7", "120'.5" or "96.-1".
RadicalStroke parseRadicalStroke(const std::string& value);

// The CJK unified ideograph of each radical, from CJKRadicals.txt: the key is
// the radical number, negated for the simplified form (120' -> -120).
using RadicalChars = std::unordered_map<int, char32_t>;
bool readRadicalChars(const std::filesystem::path& file, RadicalChars& chars, std::string& error);

}  // namespace nuvelo::dbbuild
