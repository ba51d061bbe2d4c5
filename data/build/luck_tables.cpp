// NV_八一灵动数 and NV_三才配置 from data/content/luck.
//
// eighty_one.tsv gives every grid number 1..81 with its luck word and texts;
// three_talents.tsv gives the luck word of each of the 125 element triples
// with the grade of the published seven-grade table it comes from; the texts
// are joined by TalentComposer from talent_texts.tsv. A missing or
// doubled row, an unknown luck word, an empty text or a text that GBK cannot
// hold fails the build.
#include <map>
#include <set>

#include "build_context.h"
#include "luck_tsv.h"
#include "refdata/reference_schema.h"
#include "talent_composer.h"
#include "text/gbk.h"

namespace nuvelo::dbbuild {

namespace {

constexpr int kHighestNumber = 81;
const char* const kElements[] = {"木", "火", "土", "金", "水"};

bool isLuckWord(const std::string& word) {
    static const std::set<std::string> words = {"大吉", "吉", "中", "凶", "大凶"};
    return words.count(word) != 0;
}

std::string where(const std::string& path, const TsvLine& line) {
    return path + ":" + std::to_string(line.number) + ": ";
}

// Every text of a row must reach the program: the database is read through
// GBK, where a character outside GBK would turn the whole text empty.
bool checkTexts(const std::string& at, const std::vector<std::string>& texts, std::string& error) {
    for (const std::string& text : texts) {
        if (text.empty()) {
            error = at + "empty text";
            return false;
        }
        if (text::toGbk(text).empty()) {
            error = at + "text outside GBK: " + text;
            return false;
        }
    }
    return true;
}

// File columns: Id, 吉凶, 解释一, 解释二, 解释三, 基业, 家庭, 健康, 含义, 数理暗示.
bool writeNumbers(BuildContext& ctx, std::string& error) {
    const std::string path = (ctx.contentDir() / "luck" / "eighty_one.tsv").string();
    std::vector<TsvLine> lines;
    if (!readTsv(path, 10, lines, error)) return false;
    std::vector<std::vector<std::string>> rows(kHighestNumber + 1);
    for (const TsvLine& line : lines) {
        const std::vector<std::string>& f = line.fields;
        int id = text::toNumber(f[0]);
        if (id < 1 || id > kHighestNumber || text::fromNumber(id) != f[0]) {
            error = where(path, line) + "Id \"" + f[0] + "\" is not a number 1..81";
            return false;
        }
        if (!rows[id].empty()) {
            error = where(path, line) + "number " + f[0] + " given twice";
            return false;
        }
        if (!isLuckWord(f[1])) {
            error = where(path, line) + "luck word \"" + f[1] + "\" is not one of 大吉 吉 中 凶 大凶";
            return false;
        }
        if (!checkTexts(where(path, line), {f.begin() + 2, f.end()}, error)) return false;
        // The name report shows the column at position 8 under the label 健康
        // and the one at position 7 under 含义, so the health text goes to
        // position 8 and the meaning to position 7.
        rows[id] = {f[0],
                    f[1],
                    htmlReady(f[2]),
                    htmlReady(f[3]),
                    htmlReady(f[4]),
                    htmlReady(f[5]),
                    htmlReady(f[6]),
                    htmlReady(f[8]),
                    htmlReady(f[7]),
                    htmlReady(f[9])};
    }
    const std::string table = text::toUtf8(refdata::kNumberTable);
    for (int id = 1; id <= kHighestNumber; ++id) {
        if (rows[id].empty()) {
            error = path + ": no row for number " + std::to_string(id);
            return false;
        }
        if (!insertRow(ctx, table, rows[id], error)) return false;
    }
    return true;
}

// The seven grades of the published three-talent table and the luck word
// each one is stored as. "-" marks a triple the table leaves out; its word
// is decided from the element relations and may be any of the five.
const char* wordOfGrade(const std::string& grade) {
    static const std::map<std::string, const char*> words = {
        {"大吉", "大吉"},     {"中吉", "吉"},     {"吉", "吉"},   {"吉多于凶", "吉"},
        {"吉凶参半", "中"}, {"凶多于吉", "凶"}, {"大凶", "大凶"}};
    auto it = words.find(grade);
    return it == words.end() ? nullptr : it->second;
}

// File columns: 三才, 吉凶, 表中等级. Rows are stored in the order 木火土金水
// of the three positions, with Ids 1..125.
bool writeTalents(BuildContext& ctx, std::string& error) {
    const std::string dir = (ctx.contentDir() / "luck").string();
    TalentComposer composer;
    if (!composer.load(dir + "/talent_texts.tsv", error)) return false;

    const std::string path = dir + "/three_talents.tsv";
    std::vector<TsvLine> lines;
    if (!readTsv(path, 3, lines, error)) return false;
    std::map<std::string, std::string> luckOf;
    for (const TsvLine& line : lines) {
        const std::vector<std::string>& f = line.fields;
        if (!isLuckWord(f[1])) {
            error = where(path, line) + "luck word \"" + f[1] + "\" is not one of 大吉 吉 中 凶 大凶";
            return false;
        }
        if (f[2] != "-") {
            const char* word = wordOfGrade(f[2]);
            if (word == nullptr) {
                error = where(path, line) + "grade \"" + f[2] + "\" is not one of the seven grades or -";
                return false;
            }
            if (f[1] != word) {
                error = where(path, line) + "grade " + f[2] + " is stored as " + word + ", not " + f[1];
                return false;
            }
        }
        if (!luckOf.emplace(f[0], f[1]).second) {
            error = where(path, line) + f[0] + " given twice";
            return false;
        }
    }

    const std::string table = text::toUtf8(refdata::kTalentTable);
    int id = 0;
    for (const char* heaven : kElements)
        for (const char* person : kElements)
            for (const char* earth : kElements) {
                const std::string key = std::string(heaven) + person + earth;
                auto it = luckOf.find(key);
                if (it == luckOf.end()) {
                    error = path + ": no row for " + key;
                    return false;
                }
                std::vector<std::string> texts;
                if (!composer.compose(heaven, person, earth, it->second, texts, error) ||
                    !checkTexts(path + ": " + key + ": ", texts, error))
                    return false;
                std::vector<std::string> row = {std::to_string(++id), key, it->second};
                row.insert(row.end(), texts.begin(), texts.end());
                if (!insertRow(ctx, table, row, error)) return false;
                luckOf.erase(it);
            }
    if (!luckOf.empty()) {
        error = path + ": " + luckOf.begin()->first + " is not three of 木火土金水";
        return false;
    }
    return true;
}

}  // namespace

bool writeLuckTables(BuildContext& ctx, std::string& error) {
    return writeNumbers(ctx, error) && writeTalents(ctx, error);
}

}  // namespace nuvelo::dbbuild
