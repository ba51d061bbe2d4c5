#include "report/page_fill.h"

#include "text/gbk.h"

namespace nuvelo::report {

std::string fillPlaceholders(std::string_view pageTemplate, const Placeholders& values) {
    std::string out;
    out.reserve(pageTemplate.size() * 2);
    std::size_t pos = 0;
    while (pos < pageTemplate.size()) {
        std::size_t len = text::charLength(pageTemplate, pos);
        if (len == 1 && pageTemplate[pos] == '{') {
            const std::pair<std::string, std::string>* hit = nullptr;
            for (const auto& entry : values) {
                if (!entry.first.empty() && pageTemplate.compare(pos, entry.first.size(), entry.first) == 0) {
                    hit = &entry;
                    break;
                }
            }
            if (hit) {
                out += hit->second;
                pos += hit->first.size();
                continue;
            }
        }
        out.append(pageTemplate, pos, len);
        pos += len;
    }
    return out;
}

std::string escapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace nuvelo::report
