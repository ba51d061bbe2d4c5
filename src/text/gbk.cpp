#include "text/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <charconv>

namespace nuvelo::text {
namespace {

// One converter per direction and thread, opened on first use: opening a
// converter costs far more than converting a name.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

// Converts the whole input or gives "" when any byte cannot be converted.
std::string convert(std::string_view input, const Converter& converter) {
    if (input.empty() || !converter.ok()) return {};
    iconv_t cd = converter.get();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    std::string out(input.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    bool ok = true;
    while (inLeft > 0) {
        std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        if (rc != static_cast<std::size_t>(-1)) continue;
        if (errno == E2BIG) {
            std::size_t used = static_cast<std::size_t>(outPtr - out.data());
            out.resize(out.size() * 2);
            outPtr = out.data() + used;
            outLeft = out.size() - used;
            continue;
        }
        ok = false;  // EILSEQ or EINVAL: the text is not convertible
        break;
    }
    if (ok && iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) ok = false;
    if (!ok) return {};
    out.resize(static_cast<std::size_t>(outPtr - out.data()));
    return out;
}

bool isLead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

}  // namespace

std::string toGbk(std::string_view utf8) {
    thread_local const Converter converter("CP936", "UTF-8");
    return convert(utf8, converter);
}

std::string toUtf8(std::string_view gbk) {
    thread_local const Converter converter("UTF-8", "CP936");
    return convert(gbk, converter);
}

bool isValidGbk(std::string_view gbk) {
    for (std::size_t i = 0; i < gbk.size();) {
        auto b = static_cast<unsigned char>(gbk[i]);
        if (b < 0x80) { ++i; continue; }
        if (!isLead(b) || i + 1 >= gbk.size()) return false;
        i += 2;
    }
    return gbk.empty() || !toUtf8(gbk).empty();
}

std::size_t charLength(std::string_view bytes, std::size_t pos) {
    if (pos + 1 < bytes.size() && isLead(static_cast<unsigned char>(bytes[pos]))) return 2;
    return 1;
}

std::vector<std::string> splitChars(std::string_view gbk) {
    std::vector<std::string> chars;
    if (withoutSpaces(gbk).empty()) return chars;
    for (std::size_t i = 0; i < gbk.size();) {
        std::size_t len = static_cast<unsigned char>(gbk[i]) < 123 || i + 1 >= gbk.size() ? 1 : 2;
        chars.emplace_back(gbk.substr(i, len));
        i += len;
    }
    return chars;
}

std::size_t findText(std::string_view haystack, std::string_view needle, std::size_t from) {
    if (needle.empty() || from == 0) return 0;
    for (std::size_t i = 0; i < haystack.size(); i += charLength(haystack, i)) {
        if (i + 1 < from) continue;
        if (haystack.size() - i < needle.size()) return 0;
        if (haystack.compare(i, needle.size(), needle) == 0) return i + 1;
    }
    return 0;
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text.size() - i >= from.size() && text.compare(i, from.size(), from) == 0) {
            out.append(to);
            i += from.size();
        } else {
            std::size_t len = charLength(text, i);
            out.append(text.substr(i, len));
            i += len;
        }
    }
    return out;
}

std::vector<std::string> splitText(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    if (separator.empty()) return {std::string(text)};
    std::string current;
    for (std::size_t i = 0; i < text.size();) {
        if (text.size() - i >= separator.size() && text.compare(i, separator.size(), separator) == 0) {
            pieces.push_back(std::move(current));
            current.clear();
            i += separator.size();
        } else {
            std::size_t len = charLength(text, i);
            current.append(text.substr(i, len));
            i += len;
        }
    }
    if (!current.empty()) pieces.push_back(std::move(current));
    return pieces;
}

std::string joinText(const std::vector<std::string>& pieces, std::string_view separator) {
    std::string out;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i) out.append(separator);
        out.append(pieces[i]);
    }
    return out;
}

int toNumber(std::string_view text) {
    auto isBlankChar = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t b = 0, e = text.size();
    while (b < e && isBlankChar(text[b])) ++b;
    while (e > b && isBlankChar(text[e - 1])) --e;
    std::string_view s = text.substr(b, e - b);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return 0;
    int value = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || ptr != s.data() + s.size()) return 0;
    return value;
}

std::string fromNumber(long long value) { return std::to_string(value); }

std::string withoutSpaces(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != ' ') out.push_back(c);
    return out;
}

bool isBlank(std::string_view text) {
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return false;
    return true;
}

}  // namespace nuvelo::text
