// The five-element rule of the character table, and its result in the built
// reference database for every character the generators use; the word lines
// (详细解释) of the built table.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include "element_rule.h"
#include "refdata/name_db.h"
#include "text/gbk.h"

using namespace nuvelo;
using dbbuild::Element;

namespace {

TEST(ElementRule, InitialDecidesWhenTheTableHasNoElement) {
    struct Case {
        const char* initial;
        Element element;
    } cases[] = {
        {"b", Element::Water},  {"p", Element::Water}, {"m", Element::Water},  {"f", Element::Water},
        {"h", Element::Water},  {"d", Element::Fire},  {"t", Element::Fire},   {"n", Element::Fire},
        {"l", Element::Fire},   {"zh", Element::Fire}, {"g", Element::Wood},   {"k", Element::Wood},
        {"j", Element::Wood},   {"q", Element::Wood},  {"x", Element::Metal},  {"z", Element::Metal},
        {"c", Element::Metal},  {"s", Element::Metal}, {"ch", Element::Metal}, {"sh", Element::Metal},
        {"r", Element::Metal},  {"", Element::Earth},  {"y", Element::None},   {"w", Element::None},
        {"Zh", Element::None},  {"zhh", Element::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dbbuild::elementOfInitial(c.initial), c.element) << "initial '" << c.initial << "'";
        EXPECT_EQ(dbbuild::chooseElement(Element::None, c.initial), c.element) << "initial '" << c.initial << "'";
    }
}

TEST(ElementRule, TableElementComesFirst) {
    // 海 is water in the table and by its initial h; 江 (initial j, wood by
    // sound) is water in the table; an empty initial does not override it.
    EXPECT_EQ(dbbuild::chooseElement(Element::Water, "j"), Element::Water);
    EXPECT_EQ(dbbuild::chooseElement(Element::Metal, ""), Element::Metal);
    EXPECT_EQ(dbbuild::chooseElement(Element::Fire, "y"), Element::Fire);
}

TEST(ElementRule, TextsRoundTrip) {
    for (Element e : {Element::Metal, Element::Wood, Element::Water, Element::Fire, Element::Earth})
        EXPECT_EQ(dbbuild::elementFromText(dbbuild::elementText(e)), e);
    EXPECT_STREQ(dbbuild::elementText(Element::None), "");
    EXPECT_EQ(dbbuild::elementFromText(""), Element::None);
    EXPECT_EQ(dbbuild::elementFromText("-"), Element::None);
}

// Every character of the generators' pools and name lists, read from the
// list the builder also reads.
std::vector<std::string> poolCharacters() {
    std::ifstream in(std::filesystem::path(NUVELO_SOURCE_DIR) / "data" / "content" / "characters" / "extra_chars.txt");
    std::vector<std::string> chars;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        for (const std::string& c : text::splitChars(text::toGbk(line)))
            if (c.size() == 2) chars.push_back(c);
    }
    return chars;
}

TEST(BuiltElements, EveryPoolCharacterIsUsableWithOneOfFiveElements) {
    ASSERT_TRUE(std::filesystem::exists(NUVELO_TEST_DB)) << "build the namedata target first: " << NUVELO_TEST_DB;
    refdata::NameDb db;
    ASSERT_TRUE(db.openFile(NUVELO_TEST_DB));
    const std::vector<std::string> chars = poolCharacters();
    ASSERT_EQ(chars.size(), 2136u);
    // One pass over the table: the file has no index on 汉字.
    struct Facts {
        std::string element;
        int simplified = 0;
    };
    std::map<std::string, Facts> table;
    refdata::Statement st = db.query("select 汉字, 五行属性, 简体笔画数 from NV_CNWord");
    for (bool row = st.hasRow(); row; row = db.nextRow(st))
        table[db.columnText(st, 0)] = Facts{db.columnText(st, 1), db.columnInt(st, 2)};
    db.finalize(st);
    const std::set<std::string> five = {"金", "木", "水", "火", "土"};
    for (const std::string& c : chars) {
        auto it = table.find(c);
        ASSERT_NE(it, table.end()) << c << " has no row";
        EXPECT_TRUE(five.count(it->second.element)) << c << " element '" << it->second.element << "'";
        EXPECT_GT(it->second.simplified, 0) << c;
    }
}

// 详细解释 of every row: at most 8 lines and 700 characters, each line
// "<b>WORD</b>：GLOSS" (or "<b>CHAR</b>（READING）：GLOSS" for the
// character's own dictionary entry) with a word that contains the character;
// every GB2312 and pool character has one.
TEST(BuiltWords, EveryCommonCharacterHasWordLinesThatContainIt) {
    ASSERT_TRUE(std::filesystem::exists(NUVELO_TEST_DB)) << "build the namedata target first: " << NUVELO_TEST_DB;
    refdata::NameDb db;
    ASSERT_TRUE(db.openFile(NUVELO_TEST_DB));
    // GB2312 hanzi that neither cnchar-data nor CC-CEDICT explains (radical
    // forms and rare technical characters): they keep an empty 详细解释.
    const std::set<std::string> unexplained = {"楱", "泶", "痃", "碹", "礻", "筻", "缍", "肀", "脎",
                                               "舯", "蒈", "钅", "铴", "锍", "镙", "阝", "鲺", "鳋"};
    std::map<std::string, std::string> detailed;
    int gb2312 = 0;
    refdata::Statement st = db.query("select 汉字, code, 详细解释 from NV_CNWord");
    for (bool row = st.hasRow(); row; row = db.nextRow(st)) {
        const std::string ch = db.columnText(st, 0);
        const int code = db.columnInt(st, 1);
        const std::string html = db.columnText(st, 2);
        detailed[ch] = html;
        if (code / 256 >= 0xB0 && code / 256 <= 0xF7 && code % 256 >= 0xA1) {
            ++gb2312;
            if (!unexplained.count(ch)) {
                EXPECT_FALSE(html.empty()) << "GB2312 " << ch;
            }
        }
        if (html.empty()) continue;
        EXPECT_LE(text::splitChars(html).size(), 700u) << ch << " overflows VarChar(700)";
        const std::vector<std::string> lines = text::splitText(html, "<br>");
        EXPECT_LE(lines.size(), 8u) << ch;
        for (const std::string& line : lines) {
            const std::size_t end = text::findText(line, "</b>");
            ASSERT_TRUE(line.rfind("<b>", 0) == 0 && end > 4) << ch << ": " << line;
            const std::string word = line.substr(3, end - 4);
            EXPECT_TRUE(text::contains(word, ch)) << ch << ": " << line;
            const std::string rest = line.substr(end + 3);
            EXPECT_TRUE(rest.rfind("：", 0) == 0 || (word == ch && rest.rfind("（", 0) == 0)) << ch << ": " << line;
        }
    }
    db.finalize(st);
    EXPECT_EQ(gb2312, 6763);
    for (const std::string& c : poolCharacters()) EXPECT_FALSE(detailed[c].empty()) << "pool " << c;

    // cnchar-data's own words stay first (海); a word from another character's
    // file comes before CC-CEDICT's English one (瀚); a character without any
    // word shows its own entry with the reading (晟), and so does one with a
    // single word (鑫).
    struct Case {
        const char* character;
        const char* starts;
        const char* holds;
    } cases[] = {
        {"海", "<b>海岸</b>：", "<b>海拔</b>："},
        {"鑫", "<b>谭鑫培</b>：", "<br><b>鑫</b>（xīn）："},
        {"瀚", "<b>灏瀚</b>：", "<br><b>浩瀚</b>：vast"},
        {"晟", "<b>晟</b>（shèng）：", "bright"},
    };
    for (const Case& c : cases) {
        const std::string& html = detailed[c.character];
        EXPECT_EQ(html.rfind(c.starts, 0), 0u) << c.character << ": " << html;
        EXPECT_TRUE(text::contains(html, c.holds)) << c.character << ": " << html;
    }
}

}  // namespace
