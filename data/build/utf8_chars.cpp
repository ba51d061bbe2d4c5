#include "utf8_chars.h"

namespace nuvelo::dbbuild {

std::string utf8Of(char32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

std::vector<char32_t> codePointsOf(std::string_view text) {
    std::vector<char32_t> out;
    std::size_t i = 0;
    while (i < text.size()) {
        auto b = static_cast<unsigned char>(text[i]);
        int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + extra >= text.size()) {
            ++i;
            continue;
        }
        char32_t cp = extra == 0 ? b : b & (0x3F >> extra);
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80) ok = false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (ok) out.push_back(cp);
        i += ok ? extra + 1 : 1;
    }
    return out;
}

char32_t singleCodePoint(std::string_view text) {
    std::vector<char32_t> cps = codePointsOf(text);
    return cps.size() == 1 ? cps[0] : 0;
}

char32_t parseCodePoint(std::string_view text) {
    if (text.size() > 2 && text[0] == 'U' && text[1] == '+') text.remove_prefix(2);
    if (text.empty() || text.size() > 6) return 0;
    char32_t cp = 0;
    for (char c : text) {
        int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10
                  : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0) return 0;
        cp = cp * 16 + static_cast<char32_t>(digit);
    }
    return cp;
}

}  // namespace nuvelo::dbbuild
