#include "generation/pronunciation.h"

#include "text/gbk.h"

namespace nuvelo::generation {
namespace {

// The cut itself, given a search that returns a 0-based offset or npos.
template <typename Find>
std::string cutAddress(std::string_view page, Find find) {
    std::size_t marker = find(page, kSoundMarker, 0);
    if (marker == std::string_view::npos) return {};
    std::size_t start = marker + kSoundMarker.size();
    std::size_t end = find(page, kSoundSuffix, start);
    if (end == std::string_view::npos) end = page.size();
    return std::string(page.substr(start, end - start));
}

// GBK search: a match must start on a character boundary, so the second byte
// of a double-byte character is never read as '<' or '.'.
std::size_t findGbk(std::string_view page, std::string_view needle, std::size_t from) {
    std::size_t pos = text::findText(page, needle, from + 1);
    return pos == 0 ? std::string_view::npos : pos - 1;
}

// UTF-8 search: ASCII bytes never occur inside a multi-byte character.
std::size_t findUtf8(std::string_view page, std::string_view needle, std::size_t from) {
    return page.find(needle, from);
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

}  // namespace

std::string soundAddressFromPage(std::string_view gbkPage) {
    return cutAddress(gbkPage, findGbk);
}

std::string soundAddressFromResponse(std::string_view utf8Body) {
    if (utf8Body.size() > kMaxPageBytes) return {};
    std::string address = cutAddress(utf8Body, findUtf8);
    return address.empty() ? std::string() : text::toGbk(address);
}

std::string soundUrl(std::string_view address) {
    std::string url(address);
    url += kSoundSuffix;
    return url;
}

bool isPlayableUrl(std::string_view url) {
    std::size_t schemeLength = 0;
    if (startsWithNoCase(url, "http://"))
        schemeLength = 7;
    else if (startsWithNoCase(url, "https://"))
        schemeLength = 8;
    else
        return false;
    // A host must follow the scheme; blanks and control bytes make no URL.
    if (url.size() <= schemeLength || url[schemeLength] == '/') return false;
    for (char c : url)
        if (static_cast<unsigned char>(c) < 0x21 || c == 0x7F) return false;
    return true;
}

std::string dictionarySearchUrl(std::string_view serviceBase, std::string_view englishName) {
    std::string url(serviceBase);
    if (!url.empty() && url.back() == '/') url.pop_back();
    url += "/s?wd=";
    url += englishName;
    return url;
}

}  // namespace nuvelo::generation
