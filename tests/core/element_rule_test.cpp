// The five-element rule of the character table, and its result in the built
// reference database for every character the generators use.
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

}  // namespace
