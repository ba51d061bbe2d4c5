// NV_全唐诗 and NV_Poet from the Complete Tang Poems (poems_tang.tsv).
//
// Rows keep the edition's order. 内容 keeps the poem's "，" and "。";
// 首字母 is the first character of every clause; 内容长度 counts the
// characters of 内容 without those two marks (one check box each in the
// poem picker). The picker finds a poem by its title alone, so every title
// is made unique: a title met again gets "(二)", "(三)" ... appended.
// NV_Poet has one row per author; OrderId ranks by poem count, largest
// first, ties in order of first appearance.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>

#include "build_context.h"
#include "poem_text.h"

namespace nuvelo::dbbuild {
namespace {


std::string chineseNumber(int n) {
    static const char* digits[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
    if (n < 10) return digits[n];
    if (n < 20) return std::string("十") + digits[n % 10];
    if (n < 100) return std::string(digits[n / 10]) + "十" + digits[n % 10];
    return std::to_string(n);
}

struct PoemShape {
    std::string firstChars;
    int length = 0;
};

PoemShape shapeOf(const std::string& text) {
    PoemShape shape;
    bool clauseStart = true;
    for (char32_t c : decodeUtf8(text)) {
        if (c == U'，' || c == U'。') {
            clauseStart = true;
            continue;
        }
        if (clauseStart) shape.firstChars += encodeUtf8(std::u32string(1, c));
        clauseStart = false;
        ++shape.length;
    }
    return shape;
}

std::string uniqueTitle(const std::string& title, std::set<std::string>& used) {
    if (used.insert(title).second) return title;
    for (int n = 2;; ++n) {
        std::string candidate = title + "(" + chineseNumber(n) + ")";
        if (used.insert(candidate).second) return candidate;
    }
}

}  // namespace

bool writePoemTables(BuildContext& ctx, std::string& error) {
    PoemTextConverter converter;
    if (!converter.open("/usr/share/opencc/t2s.json", "/usr/share/unicode/Unihan_Variants.txt.bz2", error))
        return false;
    std::ifstream in(ctx.inputsDir / "poems_tang.tsv");
    if (!in) {
        error = "missing " + (ctx.inputsDir / "poems_tang.tsv").string();
        return false;
    }
    PoemTextStats stats;
    std::set<std::string> titles;
    std::map<std::string, int> poemCount;
    std::vector<std::string> poetOrder;
    std::string line;
    long id = 0;
    while (std::getline(in, line)) {
        std::size_t tab1 = line.find('\t');
        std::size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string::npos) {
            error = "poems_tang.tsv: malformed line " + std::to_string(id + 1);
            return false;
        }
        std::string title = converter.convert(line.substr(0, tab1), stats);
        std::string author = converter.convert(line.substr(tab1 + 1, tab2 - tab1 - 1), stats);
        std::string text = converter.convert(line.substr(tab2 + 1), stats);
        PoemShape shape = shapeOf(text);
        if (title.empty() || author.empty() || shape.length == 0) continue;
        title = uniqueTitle(title, titles);
        if (poemCount[author]++ == 0) poetOrder.push_back(author);
        ++id;
        if (!insertRow(ctx, "NV_全唐诗",
                       {std::to_string(id), title, author, text, shape.firstChars, std::to_string(shape.length)},
                       error))
            return false;
    }
    if (id == 0) {
        error = "poems_tang.tsv holds no poem";
        return false;
    }
    std::vector<std::string> ranked = poetOrder;
    std::stable_sort(ranked.begin(), ranked.end(),
                     [&](const std::string& a, const std::string& b) { return poemCount[a] > poemCount[b]; });
    std::map<std::string, int> rank;
    for (std::size_t i = 0; i < ranked.size(); ++i) rank[ranked[i]] = static_cast<int>(i + 1);
    for (std::size_t i = 0; i < poetOrder.size(); ++i) {
        const std::string& poet = poetOrder[i];
        if (!insertRow(ctx, "NV_Poet",
                       {std::to_string(i + 1), poet, std::to_string(poemCount[poet]), std::to_string(rank[poet])},
                       error))
            return false;
    }
    std::printf("poems: %ld poems, %zu poets, %ld characters folded onto GB2312, %ld outside GBK dropped\n", id,
                poetOrder.size(), stats.folded, stats.dropped);
    return true;
}

}  // namespace nuvelo::dbbuild
