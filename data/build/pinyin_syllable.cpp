#include "pinyin_syllable.h"

#include <array>

namespace nuvelo::dbbuild {

namespace {

const char* utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

struct Letter {
    const char8_t* toned;
    char plain;
};

// Toned vowels and the other non-ASCII letters of pinyin, by their plain form.
const std::array<Letter, 30> kLetters = {{
    {u8"ā", 'a'}, {u8"á", 'a'}, {u8"ǎ", 'a'}, {u8"à", 'a'}, {u8"ē", 'e'}, {u8"é", 'e'},
    {u8"ě", 'e'}, {u8"è", 'e'}, {u8"ê", 'e'}, {u8"ī", 'i'}, {u8"í", 'i'}, {u8"ǐ", 'i'},
    {u8"ì", 'i'}, {u8"ō", 'o'}, {u8"ó", 'o'}, {u8"ǒ", 'o'}, {u8"ò", 'o'}, {u8"ū", 'u'},
    {u8"ú", 'u'}, {u8"ǔ", 'u'}, {u8"ù", 'u'}, {u8"ǖ", 'v'}, {u8"ǘ", 'v'}, {u8"ǚ", 'v'},
    {u8"ǜ", 'v'}, {u8"ü", 'v'}, {u8"ń", 'n'}, {u8"ň", 'n'}, {u8"ǹ", 'n'}, {u8"ḿ", 'm'},
}};

bool toPlain(std::string_view toned, std::string& plain) {
    std::size_t i = 0;
    while (i < toned.size()) {
        char c = toned[i];
        if (c >= 'a' && c <= 'z') {
            plain += c;
            ++i;
            continue;
        }
        bool found = false;
        for (const Letter& letter : kLetters) {
            std::string_view form = utf8(letter.toned);
            if (toned.substr(i, form.size()) == form) {
                plain += letter.plain;
                i += form.size();
                found = true;
                break;
            }
        }
        if (!found) return false;
    }
    return !plain.empty();
}

// Finals behind y and w, written without them.
struct ZeroInitial {
    std::string_view spelled;
    std::string_view final;
};
constexpr ZeroInitial kZeroInitials[] = {
    {"yuan", "van"}, {"yue", "ve"},   {"yun", "vn"},   {"yu", "v"},     {"yong", "iong"},
    {"ying", "ing"}, {"yang", "iang"}, {"yao", "iao"}, {"you", "iu"},   {"yan", "ian"},
    {"yin", "in"},   {"ya", "ia"},    {"ye", "ie"},    {"yo", "io"},    {"yi", "i"},
    {"wang", "uang"}, {"weng", "ueng"}, {"wai", "uai"}, {"wei", "ui"},  {"wan", "uan"},
    {"wen", "un"},   {"wa", "ua"},    {"wo", "uo"},    {"wu", "u"},
};

}  // namespace

Syllable splitSyllable(std::string_view toned) {
    Syllable s;
    if (!toPlain(toned, s.toneless)) return Syllable{};
    const std::string& p = s.toneless;
    if (p[0] == 'y' || p[0] == 'w') {
        for (const ZeroInitial& z : kZeroInitials)
            if (p == z.spelled) s.final = z.final;
        if (s.final.empty()) s.final = p.substr(1);
        return s;
    }
    static constexpr std::string_view kInitials[] = {"zh", "ch", "sh", "b", "p", "m", "f", "d", "t", "n", "l",
                                                     "g",  "k",  "h",  "j", "q", "x", "r", "z", "c", "s"};
    for (std::string_view initial : kInitials) {
        if (p.compare(0, initial.size(), initial) == 0 && p.size() > initial.size()) {
            s.initial = initial;
            break;
        }
    }
    s.final = p.substr(s.initial.size());
    // After j, q and x a written u is ü.
    if ((s.initial == "j" || s.initial == "q" || s.initial == "x") && !s.final.empty() && s.final[0] == 'u')
        s.final[0] = 'v';
    return s;
}

}  // namespace nuvelo::dbbuild
