// Simplified, GBK-safe text of the Tang poems.
//
// A traditional text is converted with OpenCC's t2s. Where t2s gives a
// character GBK cannot hold, the original character is kept. A character
// that is still not a GB2312 hanzi is folded onto one through its Unihan
// variant links (simplified, then Z, then semantic variant; a variant that is
// traditional itself is passed through t2s once more): 劒 -> 劍 -> 剑,
// 鴈 -> 雁. A character outside GBK with no such fold is dropped and counted.
#pragma once

#include <opencc/opencc.h>

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace nuvelo::dbbuild {

struct PoemTextStats {
    long folded = 0;   // characters replaced by a GB2312 variant
    long dropped = 0;  // characters outside GBK left out
};

class PoemTextConverter {
public:
    PoemTextConverter() = default;
    ~PoemTextConverter();
    PoemTextConverter(const PoemTextConverter&) = delete;
    PoemTextConverter& operator=(const PoemTextConverter&) = delete;

    // Opens the OpenCC configuration and reads the bzip2-compressed Unihan
    // variants file; false with a message when either cannot be read.
    bool open(const std::filesystem::path& t2sConfig, const std::filesystem::path& unihanVariants,
              std::string& error);

    // The simplified UTF-8 text; every character in it is held by GBK.
    std::string convert(std::string_view traditional, PoemTextStats& stats);

private:
    std::string t2s(std::string_view text);
    std::u32string fold(char32_t c);

    opencc_t cc_ = reinterpret_cast<opencc_t>(-1);
    std::map<char32_t, std::vector<char32_t>> variants_;  // in order of preference
    std::map<char32_t, std::u32string> folds_;            // cache of decisions
};

// True when the code point is a hanzi of GB2312 (levels 1 and 2).
bool isGb2312Hanzi(char32_t c);
// True when GBK (code page 936) holds the code point.
bool isGbkChar(char32_t c);

std::u32string decodeUtf8(std::string_view text);
std::string encodeUtf8(std::u32string_view text);

}  // namespace nuvelo::dbbuild
