#include "char_explanations.h"

#include "utf8_chars.h"

namespace nuvelo::dbbuild {

namespace {

// Keeps an English gloss short: whole "; "-separated senses up to the limit.
std::string shortGloss(const std::string& definition) {
    constexpr std::size_t kLimit = 160;
    if (definition.size() <= kLimit) return definition;
    std::size_t cut = definition.rfind(';', kLimit);
    return cut != std::string::npos && cut > 0 ? definition.substr(0, cut) : definition.substr(0, kLimit);
}

}  // namespace

std::string escapeHtml(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string basicExplanation(const BasicFacts& f) {
    std::string readings;
    for (const std::string& r : f.readings) readings += (readings.empty() ? "" : "，") + escapeHtml(r);
    std::string html = "<b>" + escapeHtml(f.character) + "</b>　读音：" + readings;
    html += "<br>繁体：" + escapeHtml(f.traditional);
    if (!f.element.empty()) html += "　五行：" + escapeHtml(f.element);
    if (!f.definition.empty()) html += "<br>英文释义：" + escapeHtml(shortGloss(f.definition));
    return html;
}

std::string detailedExplanation(const std::vector<WordGloss>& words) {
    std::string html;
    std::size_t length = 0;
    for (std::size_t i = 0; i < words.size() && i < kMaxWords; ++i) {
        std::string line = i ? "<br>" : "";
        line += "<b>" + escapeHtml(words[i].word) + "</b>";
        if (!words[i].reading.empty()) line += "（" + escapeHtml(words[i].reading) + "）";
        line += "：" + escapeHtml(words[i].gloss);
        const std::size_t add = codePointsOf(line).size();
        if (length + add > kMaxDetailedChars) break;
        html += line;
        length += add;
    }
    return html;
}

}  // namespace nuvelo::dbbuild
