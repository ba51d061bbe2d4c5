#include "poem_text.h"

#include <bzlib.h>

#include <cstdio>
#include <unordered_map>

#include "text/gbk.h"

namespace nuvelo::dbbuild {
namespace {

// Reads a whole bzip2 file; false when it cannot be opened or decoded.
bool readBzip2(const std::filesystem::path& path, std::string& out) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    int status = BZ_OK;
    BZFILE* bz = BZ2_bzReadOpen(&status, file, 0, 0, nullptr, 0);
    char buffer[1 << 16];
    while (status == BZ_OK) {
        int n = BZ2_bzRead(&status, bz, buffer, sizeof buffer);
        if (n > 0) out.append(buffer, static_cast<std::size_t>(n));
    }
    BZ2_bzReadClose(nullptr, bz);
    std::fclose(file);
    return status == BZ_STREAM_END;
}

char32_t unihanCodePoint(std::string_view token) {
    if (token.size() < 3 || token.substr(0, 2) != "U+") return 0;
    char32_t value = 0;
    for (char c : token.substr(2)) {
        int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (digit < 0) break;
        value = value * 16 + static_cast<char32_t>(digit);
    }
    return value;
}

// GBK bytes of one code point, "" when GBK has no such character.
const std::string& gbkBytes(char32_t c) {
    static std::unordered_map<char32_t, std::string> cache;
    auto [it, fresh] = cache.try_emplace(c);
    if (fresh) it->second = text::toGbk(encodeUtf8(std::u32string(1, c)));
    return it->second;
}

bool isHan(char32_t c) { return (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) || c >= 0x20000; }

}  // namespace

bool isGbkChar(char32_t c) { return !gbkBytes(c).empty(); }

bool isGb2312Hanzi(char32_t c) {
    const std::string& bytes = gbkBytes(c);
    if (bytes.size() != 2) return false;
    auto lead = static_cast<unsigned char>(bytes[0]);
    auto trail = static_cast<unsigned char>(bytes[1]);
    return lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE && !(lead == 0xD7 && trail > 0xF9);
}

std::u32string decodeUtf8(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        auto b = static_cast<unsigned char>(text[i]);
        std::size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t c = n == 1 ? b : n == 2 ? b & 0x1F : n == 3 ? b & 0x0F : b & 0x07;
        for (std::size_t k = 1; k < n && i + k < text.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out += c;
        i += n;
    }
    return out;
}

std::string encodeUtf8(std::u32string_view text) {
    std::string out;
    for (char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

PoemTextConverter::~PoemTextConverter() {
    if (cc_ != reinterpret_cast<opencc_t>(-1)) opencc_close(cc_);
}

bool PoemTextConverter::open(const std::filesystem::path& t2sConfig, const std::filesystem::path& unihanVariants,
                             std::string& error) {
    cc_ = opencc_open(t2sConfig.c_str());
    if (cc_ == reinterpret_cast<opencc_t>(-1)) {
        error = "cannot open OpenCC configuration " + t2sConfig.string();
        return false;
    }
    std::string data;
    if (!readBzip2(unihanVariants, data)) {
        error = "cannot read " + unihanVariants.string();
        return false;
    }
    // Links of each kind, kept apart so they can be tried in order.
    const std::string_view kinds[] = {"kSimplifiedVariant", "kZVariant", "kSemanticVariant"};
    std::map<char32_t, std::vector<char32_t>> byKind[3];
    std::size_t pos = 0;
    while (pos < data.size()) {
        std::size_t end = data.find('\n', pos);
        if (end == std::string::npos) end = data.size();
        std::string_view line(data.data() + pos, end - pos);
        pos = end + 1;
        if (line.empty() || line[0] == '#') continue;
        std::size_t tab1 = line.find('\t');
        std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string_view::npos) continue;
        std::string_view kind = line.substr(tab1 + 1, tab2 - tab1 - 1);
        for (int k = 0; k < 3; ++k) {
            if (kind != kinds[k]) continue;
            char32_t from = unihanCodePoint(line.substr(0, tab1));
            std::string_view rest = line.substr(tab2 + 1);
            for (std::size_t at = rest.find("U+"); at != std::string_view::npos; at = rest.find("U+", at + 2))
                if (char32_t to = unihanCodePoint(rest.substr(at)); to && to != from) byKind[k][from].push_back(to);
        }
    }
    for (auto& links : byKind)
        for (auto& [from, targets] : links)
            variants_[from].insert(variants_[from].end(), targets.begin(), targets.end());
    if (variants_.empty()) {
        error = "no variant links in " + unihanVariants.string();
        return false;
    }
    return true;
}

std::string PoemTextConverter::t2s(std::string_view text) {
    char* converted = opencc_convert_utf8(cc_, text.data(), text.size());
    if (!converted) return std::string(text);
    std::string out(converted);
    opencc_convert_utf8_free(converted);
    return out;
}

std::u32string PoemTextConverter::fold(char32_t c) {
    auto cached = folds_.find(c);
    if (cached != folds_.end()) return cached->second;
    std::u32string result;
    auto links = variants_.find(c);
    if (links != variants_.end()) {
        for (char32_t v : links->second) {
            if (isGb2312Hanzi(v)) { result = std::u32string(1, v); break; }
            std::u32string simplified = decodeUtf8(t2s(encodeUtf8(std::u32string(1, v))));
            if (simplified.size() == 1 && isGb2312Hanzi(simplified[0])) { result = simplified; break; }
        }
    }
    folds_[c] = result;
    return result;
}

std::string PoemTextConverter::convert(std::string_view traditional, PoemTextStats& stats) {
    std::u32string original = decodeUtf8(traditional);
    std::u32string simplified = decodeUtf8(t2s(traditional));
    bool aligned = simplified.size() == original.size();
    std::u32string out;
    for (std::size_t i = 0; i < original.size(); ++i) {
        char32_t o = original[i];
        char32_t s = aligned ? simplified[i] : 0;
        if (!aligned) {
            std::u32string one = decodeUtf8(t2s(encodeUtf8(std::u32string(1, o))));
            s = one.size() == 1 ? one[0] : o;
        }
        char32_t c = isGbkChar(s) ? s : o;
        if (isHan(c) && !isGb2312Hanzi(c)) {
            std::u32string folded = fold(c);
            if (folded.empty() && c != o) folded = fold(o);
            if (!folded.empty()) {
                c = folded[0];
                ++stats.folded;
            }
        }
        if (!isGbkChar(c)) {
            ++stats.dropped;
            continue;
        }
        out += c;
    }
    return encodeUtf8(out);
}

}  // namespace nuvelo::dbbuild
