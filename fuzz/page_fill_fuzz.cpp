// fillPlaceholders and escapeHtml of report/page_fill.h on any template,
// placeholders and values.
//
// Without placeholders, or with each placeholder standing for its own
// spelling, the template comes back unchanged; a template that is a
// placeholder (once or twice) gives its value as many times, never filled
// again; an escaped text holds none of the five characters and unescapes
// to itself.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "fuzz_check.h"
#include "report/page_fill.h"

namespace {

// The text an escaped page shows: every entity back to its character, and
// every "&" of the page starting one of the five entities.
std::string unescapeHtml(std::string_view html) {
    static constexpr std::pair<std::string_view, char> kEntities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&#39;", '\''}};
    std::string text;
    for (std::size_t i = 0; i < html.size();) {
        bool entity = false;
        if (html[i] == '&') {
            for (const auto& [spelling, c] : kEntities)
                if (html.substr(i, spelling.size()) == spelling) {
                    text += c;
                    i += spelling.size();
                    entity = true;
                    break;
                }
            FUZZ_CHECK(entity);
            continue;
        }
        text += html[i++];
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nuvelo::report;
    FuzzedDataProvider input(data, size);
    Placeholders values;
    Placeholders identity;
    std::size_t count = input.ConsumeIntegralInRange<std::size_t>(0, 4);
    for (std::size_t i = 0; i < count; ++i) {
        std::string name = input.ConsumeRandomLengthString(24);
        std::string value = input.ConsumeRandomLengthString(24);
        identity.emplace_back(name, name);
        values.emplace_back(std::move(name), std::move(value));
    }
    std::string page = input.ConsumeRemainingBytesAsString();

    FUZZ_CHECK(fillPlaceholders(page, {}) == page);
    FUZZ_CHECK(fillPlaceholders(page, identity) == page);
    std::string filled = fillPlaceholders(page, values);
    if (page.find('{') == std::string::npos) FUZZ_CHECK(filled == page);
    if (!values.empty() && !values[0].first.empty() && values[0].first[0] == '{') {
        const auto& [name, value] = values[0];
        FUZZ_CHECK(fillPlaceholders(name, {values[0]}) == value);
        FUZZ_CHECK(fillPlaceholders(name + name, {values[0]}) == value + value);
    }

    std::string escaped = escapeHtml(page);
    FUZZ_CHECK(escaped.find_first_of("<>\"'") == std::string::npos);
    FUZZ_CHECK(unescapeHtml(escaped) == page);
    return 0;
}
