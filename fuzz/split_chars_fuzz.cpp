// splitChars and the character-aligned split of text/gbk.h on any bytes.
//
// splitChars: empty exactly when the text without spaces is empty; else the
// pieces put together give the text back, a piece is one byte below 123 (or
// the lone last byte) or two bytes starting with a byte of 123 or more.
// splitText: joining the pieces with the separator gives the text back, less
// the one separator that ends it when it ends with one.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "text/gbk.h"

namespace {

void checkSplitChars(std::string_view text) {
    std::vector<std::string> chars = nuvelo::text::splitChars(text);
    FUZZ_CHECK(chars.empty() == nuvelo::text::withoutSpaces(text).empty());
    if (chars.empty()) return;
    std::string joined;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const std::string& c = chars[i];
        FUZZ_CHECK(c.size() == 1 || c.size() == 2);
        auto first = static_cast<unsigned char>(c[0]);
        if (c.size() == 2) FUZZ_CHECK(first >= 123);
        else FUZZ_CHECK(first < 123 || i + 1 == chars.size());
        joined += c;
    }
    FUZZ_CHECK(joined == text);
}

void checkSplitText(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces = nuvelo::text::splitText(text, separator);
    FUZZ_CHECK(pieces.empty() == text.empty());
    std::string joined = nuvelo::text::joinText(pieces, separator);
    if (joined == text) return;
    // Only a separator at the very end (found on a character boundary) is lost.
    FUZZ_CHECK(joined.size() + separator.size() == text.size());
    FUZZ_CHECK(text.substr(joined.size()) == separator);
    FUZZ_CHECK(nuvelo::text::findText(text, separator, joined.size() + 1) == joined.size() + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    checkSplitChars(text);
    // The first byte picks a separator of the settings file's kinds.
    static constexpr std::string_view kSeparators[] = {"|", ";", ",", "\r\n", "  "};
    if (!text.empty()) {
        std::string_view separator = kSeparators[static_cast<unsigned char>(text[0]) % std::size(kSeparators)];
        checkSplitText(text.substr(1), separator);
    }
    return 0;
}
