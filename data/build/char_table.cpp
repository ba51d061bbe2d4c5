// NV_CNWord: one row per Chinese character.
//
// Which characters: every CJK unified ideograph U+4E00..U+9FA5 that GBK can
// hold and that has a reading and radical-stroke data; the GB2312 hanzi, the
// characters of data/content/characters/extra_chars.txt and those of the
// 百家姓 list must all get a row, or the build fails. The rules for each
// column are written in data/build/README.md.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <unordered_map>

#include "build_context.h"
#include "char_explanations.h"
#include "char_overrides.h"
#include "element_rule.h"
#include "kangxi_strokes.h"
#include "opencc_forms.h"
#include "pinyin_syllable.h"
#include "refdata/reference_schema.h"
#include "text/gbk.h"
#include "unihan_reader.h"
#include "utf8_chars.h"

namespace fs = std::filesystem;

namespace nuvelo::dbbuild {

namespace {

const fs::path kUnicodeDir = "/usr/share/unicode";
constexpr std::size_t kMaxPinyinChars = 20;  // 拼音2 is declared VarChar(20)

struct NpmCharData {
    std::unordered_map<char32_t, std::vector<std::string>> readings;
    std::unordered_map<char32_t, Element> elements;
    std::unordered_map<char32_t, std::vector<WordGloss>> words;        // cnchar-data, Chinese glosses
    std::unordered_map<char32_t, std::vector<WordGloss>> cedictWords;  // CC-CEDICT, English glosses
    std::unordered_map<char32_t, std::vector<WordGloss>> cedictOwn;    // the character's own CC-CEDICT entries
};

bool holdsGbk(const std::string& utf8) { return !utf8.empty() && !text::toGbk(utf8).empty(); }

// Calls take(fields) for every line of a TSV file written by an extractor.
template <typename Take>
bool readTsv(const fs::path& file, std::size_t fieldCount, Take take, std::string& error) {
    std::ifstream in(file);
    if (!in) {
        error = "missing " + file.string() + " (the chars_*.mjs extractors write it)";
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        std::vector<std::string> fields;
        std::istringstream parts(line);
        for (std::string f; std::getline(parts, f, '\t');) fields.push_back(f);
        if (fields.size() != fieldCount) {
            error = file.filename().string() + ": malformed line: " + line;
            return false;
        }
        take(fields);
    }
    return true;
}

bool readNpmData(const fs::path& inputs, NpmCharData& npm, std::string& error) {
    return readTsv(
               inputs / "chars_readings.tsv", 2,
               [&](const std::vector<std::string>& f) {
                   std::istringstream parts(f[1]);
                   auto& list = npm.readings[singleCodePoint(f[0])];
                   for (std::string r; std::getline(parts, r, ',');) list.push_back(r);
               },
               error) &&
           readTsv(
               inputs / "chars_elements.tsv", 2,
               [&](const std::vector<std::string>& f) { npm.elements[singleCodePoint(f[0])] = elementFromText(f[1]); },
               error) &&
           readTsv(
               inputs / "chars_words.tsv", 3,
               [&](const std::vector<std::string>& f) {
                   if (holdsGbk(f[1]) && holdsGbk(f[2]))
                       npm.words[singleCodePoint(f[0])].push_back(WordGloss{f[1], f[2], ""});
               },
               error) &&
           readTsv(
               inputs / "chars_cedict.tsv", 4,
               [&](const std::vector<std::string>& f) {
                   if (!holdsGbk(f[1]) || !holdsGbk(f[3]) || (!f[2].empty() && !holdsGbk(f[2]))) return;
                   const char32_t cp = singleCodePoint(f[0]);
                   auto& into = f[2].empty() ? npm.cedictWords[cp] : npm.cedictOwn[cp];
                   into.push_back(WordGloss{f[1], f[3], f[2]});
               },
               error);
}

enum class WordSource { None, Cnchar, Cedict, CedictOwn };

// The words of 详细解释: cnchar-data's (its own file, then other files), then
// CC-CEDICT words not already there, up to kMaxWords; the character's own
// CC-CEDICT entries (one per reading and sense) when fewer than two words
// exist, since a lone word is often a person's name (鑫: 谭鑫培).
// `source` tells which group gave the last word (for the coverage counts).
std::vector<WordGloss> wordsOf(char32_t cp, const NpmCharData& npm, WordSource& source) {
    std::vector<WordGloss> chosen;
    std::set<std::string> seen;
    source = WordSource::None;
    auto take = [&](const auto& map, WordSource from) {
        auto it = map.find(cp);
        if (it == map.end()) return;
        for (const WordGloss& w : it->second) {
            if (chosen.size() == kMaxWords) return;
            if (!seen.insert(w.word + "\t" + w.reading).second) continue;
            chosen.push_back(w);
            source = from;
        }
    };
    take(npm.words, WordSource::Cnchar);
    take(npm.cedictWords, WordSource::Cedict);
    if (chosen.size() < 2) take(npm.cedictOwn, WordSource::CedictOwn);
    return chosen;
}

// Every ideograph of the 百家姓 text, in its simplified form.
bool readSurnameChars(const fs::path& modules, const OpenccConverter& t2s, std::set<char32_t>& chars,
                      std::string& error) {
    fs::path file = modules / "chinese-poetry" / "dist" / "mengxue" / "baijiaxing.json";
    std::ifstream in(file);
    if (!in) {
        error = "missing " + file.string();
        return false;
    }
    std::stringstream all;
    all << in.rdbuf();
    for (char32_t cp : codePointsOf(all.str())) {
        if (cp < 0x4E00 || cp > 0x9FFF) continue;
        chars.insert(singleCodePoint(t2s.convert(utf8Of(cp))));
    }
    chars.erase(0);
    return true;
}

// The readings of a character, main reading first: ours, then pinyin-pro's,
// then Unihan's kMandarin; only those that GBK can hold.
std::vector<std::string> readingsOf(char32_t cp, const CharOverrides& overrides, const NpmCharData& npm,
                                    const UnihanChar* unihan) {
    std::vector<std::string> all;
    if (auto it = overrides.readings.find(cp); it != overrides.readings.end()) all = it->second;
    if (auto it = npm.readings.find(cp); it != npm.readings.end()) all.insert(all.end(), it->second.begin(), it->second.end());
    if (all.empty() && unihan && !unihan->mandarin.empty()) all.push_back(unihan->mandarin);
    std::vector<std::string> kept;
    for (const std::string& r : all)
        if (std::find(kept.begin(), kept.end(), r) == kept.end() && holdsGbk(r) && !splitSyllable(r).toneless.empty())
            kept.push_back(r);
    return kept;
}

// Readings joined by "," as long as the text stays within the column size.
std::string joinReadings(const std::vector<std::string>& readings) {
    std::string joined;
    std::size_t length = 0;
    for (const std::string& r : readings) {
        std::size_t add = codePointsOf(r).size() + (joined.empty() ? 0 : 1);
        if (!joined.empty() && length + add > kMaxPinyinChars) break;
        joined += (joined.empty() ? "" : ",") + r;
        length += add;
    }
    return joined;
}

RadicalStroke kangxiIndexOf(const UnihanChar& u) {
    if (u.kangxi.valid()) return u.kangxi;
    RadicalStroke rs = u.unicode;
    rs.simplifiedRadical = false;
    return rs;
}

struct Counts {
    int rows = 0;
    int gb2312 = 0, gb2312Total = 0;
    int required = 0, requiredTotal = 0;
    int fromTable = 0, fromInitial = 0;
    std::map<std::string, int> elements;
    int detailed = 0, detailedGb2312 = 0, detailedRequired = 0;
    std::map<WordSource, int> detailedBy;  // rows by the group of their last word
};

}  // namespace

bool writeCharTable(BuildContext& ctx, std::string& error) {
    auto started = std::chrono::steady_clock::now();
    UnihanTable unihan;
    RadicalChars radicalChars;
    CharOverrides overrides;
    NpmCharData npm;
    OpenccConverter s2t, t2s;
    std::set<char32_t> surnameChars;
    if (!readUnihan(kUnicodeDir, unihan, error) || !readRadicalChars(kUnicodeDir / "CJKRadicals.txt", radicalChars, error) ||
        !readCharOverrides(ctx.contentDir() / "characters", overrides, error) || !readNpmData(ctx.inputsDir, npm, error) ||
        !s2t.open("s2t.json", error) || !t2s.open("t2s.json", error) ||
        !readSurnameChars(ctx.modulesDir(), t2s, surnameChars, error))
        return false;

    std::set<char32_t> required = overrides.required;
    required.insert(surnameChars.begin(), surnameChars.end());
    std::set<char32_t> gb2312;
    for (const auto& [cp, u] : unihan)
        if (u.gb2312) gb2312.insert(cp);
    std::set<char32_t> universe = required;
    universe.insert(gb2312.begin(), gb2312.end());
    for (char32_t cp = 0x4E00; cp <= 0x9FA5; ++cp) universe.insert(cp);

    const std::string table = text::toUtf8(refdata::kCharTable);
    Counts counts;
    counts.gb2312Total = static_cast<int>(gb2312.size());
    counts.requiredTotal = static_cast<int>(overrides.required.size());
    std::vector<std::string> missing;
    for (char32_t cp : universe) {
        const std::string ch = utf8Of(cp);
        const std::string gbk = text::toGbk(ch);
        auto own = unihan.find(cp);
        char32_t tradCp = cp;
        if (auto it = overrides.traditional.find(cp); it != overrides.traditional.end()) tradCp = it->second;
        else if (char32_t converted = singleCodePoint(s2t.convert(ch)); converted && holdsGbk(utf8Of(converted)))
            tradCp = converted;
        auto trad = unihan.find(tradCp);
        std::vector<std::string> readings =
            readingsOf(cp, overrides, npm, own == unihan.end() ? nullptr : &own->second);

        bool complete = gbk.size() == 2 && own != unihan.end() && !own->second.totalStrokes.empty() &&
                        own->second.unicode.valid() && trad != unihan.end() && !readings.empty() &&
                        kangxiIndexOf(trad->second).valid();
        if (!complete) {
            if (required.count(cp)) missing.push_back(ch);
            continue;
        }
        const UnihanChar& u = own->second;
        const UnihanChar& t = trad->second;
        const int simplified = u.totalStrokes.front();
        const RadicalStroke index = kangxiIndexOf(t);
        int kangxi = kangxiStrokes(tradCp, index.radical, index.residual,
                                   *std::max_element(t.totalStrokes.begin(), t.totalStrokes.end()));
        if (auto it = overrides.kangxiStrokes.find(cp); it != overrides.kangxiStrokes.end()) kangxi = it->second;

        const Syllable syllable = splitSyllable(readings.front());
        auto fromTable = npm.elements.find(cp);
        const Element element =
            chooseElement(fromTable == npm.elements.end() ? Element::None : fromTable->second, syllable.initial);
        const std::string elementName = elementText(element);

        auto radicalIt = radicalChars.find(u.unicode.simplifiedRadical ? -u.unicode.radical : u.unicode.radical);
        if (radicalIt == radicalChars.end()) radicalIt = radicalChars.find(u.unicode.radical);
        const std::string radical = radicalIt == radicalChars.end() ? "" : utf8Of(radicalIt->second);

        BasicFacts facts{ch, readings, utf8Of(tradCp), elementName, holdsGbk(u.definition) ? u.definition : ""};
        WordSource wordSource = WordSource::None;
        const std::string basic = basicExplanation(facts);
        const std::string detailed = detailedExplanation(wordsOf(cp, npm, wordSource));

        const int code = (static_cast<unsigned char>(gbk[0]) << 8) | static_cast<unsigned char>(gbk[1]);
        ++counts.rows;
        const std::vector<std::string> row = {
            std::to_string(counts.rows), std::to_string(code), ch, ch, utf8Of(tradCp), std::to_string(simplified),
            std::to_string(kangxi), syllable.toneless, joinReadings(readings), syllable.initial, syllable.final,
            radical, elementName, "", basic, detailed};
        if (!insertRow(ctx, table, row, error)) return false;

        if (gb2312.count(cp)) ++counts.gb2312;
        if (!detailed.empty()) {
            ++counts.detailed;
            ++counts.detailedBy[wordSource];
            if (gb2312.count(cp)) ++counts.detailedGb2312;
            if (overrides.required.count(cp)) ++counts.detailedRequired;
        }
        if (overrides.required.count(cp)) {
            ++counts.required;
            ++counts.elements[elementName.empty() ? "-" : elementName];
            ++(fromTable == npm.elements.end() ? counts.fromInitial : counts.fromTable);
        }
    }
    if (!missing.empty()) {
        error = std::to_string(missing.size()) + " required characters lack data, first:";
        for (std::size_t i = 0; i < missing.size() && i < 20; ++i) error += " " + missing[i];
        return false;
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("NV_CNWord: %d rows; GB2312 %d/%d; pool characters %d/%d (element from cnchar-info %d, "
                "from the initial %d):",
                counts.rows, counts.gb2312, counts.gb2312Total, counts.required, counts.requiredTotal,
                counts.fromTable, counts.fromInitial);
    for (const auto& [name, n] : counts.elements) std::printf(" %s %d", name.c_str(), n);
    std::printf("; %.1f s\n", seconds);
    std::printf("NV_CNWord 详细解释 filled: %d rows, GB2312 %d/%d, pool %d/%d (cnchar-data words only %d, "
                "with CC-CEDICT words %d, own CC-CEDICT entry %d)\n",
                counts.detailed, counts.detailedGb2312, counts.gb2312Total, counts.detailedRequired,
                counts.requiredTotal, counts.detailedBy[WordSource::Cnchar], counts.detailedBy[WordSource::Cedict],
                counts.detailedBy[WordSource::CedictOwn]);
    return true;
}

}  // namespace nuvelo::dbbuild
