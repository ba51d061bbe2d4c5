// The two HTML fragments of a character row (基本解释 and 详细解释).
// Texts are UTF-8; every value is HTML-escaped, the markup is ours.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nuvelo::dbbuild {

struct WordGloss {
    std::string word;
    std::string gloss;
    std::string reading;  // set for a character's own dictionary entry: shown after the word
};

struct BasicFacts {
    std::string character;
    std::vector<std::string> readings;  // toned, main reading first
    std::string traditional;
    std::string element;
    std::string definition;  // English gloss, may be empty
};

std::string escapeHtml(std::string_view text);

// Readings, traditional form, element and a short English gloss.
std::string basicExplanation(const BasicFacts& facts);

// Up to kMaxWords words with their glosses, one per line ("<b>WORD</b>：GLOSS",
// or "<b>WORD</b>（READING）：GLOSS" when the reading is set), as many as fit
// in kMaxDetailedChars characters; "" for no words.
constexpr std::size_t kMaxWords = 8;
constexpr std::size_t kMaxDetailedChars = 700;  // 详细解释 is declared VarChar(700)
std::string detailedExplanation(const std::vector<WordGloss>& words);

}  // namespace nuvelo::dbbuild
