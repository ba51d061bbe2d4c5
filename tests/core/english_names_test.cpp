#include <gtest/gtest.h>

#include "fixtures/fixture_db.h"
#include "generation/english_names.h"
#include "refdata/reference_schema.h"

using namespace nuvelo;
using namespace nuvelo::generation;

TEST(EnglishNames, InitialsMapToGroupKeys) {
    struct Case {
        const char* initial;
        const char* key;
    } cases[] = {{"a", "i"}, {"c", "s"},  {"j", "g"},   {"k", "ch"}, {"o", "a"},  {"q", "ch"}, {"x", "sh"},
                 {"y", "e"}, {"z", "th"}, {"zh", "zh"}, {"ch", "ch"}, {"sh", "sh"}, {"m", "m"},  {"", ""}};
    for (const Case& c : cases) EXPECT_EQ(groupKeyOf(c.initial), c.key) << c.initial;
}

TEST(EnglishNames, ListsTheGroupOfTheFirstCharacterInTableOrder) {
    fixtures::FixtureDb fixture;
    auto addChar = [&](const char* ch, const char* pinyin1, const char* initial) {
        std::vector<std::string> v(16);
        v[0] = v[1] = "0";
        v[2] = ch;
        v[7] = pinyin1;
        v[9] = initial;
        fixture.addRow(refdata::kCharTable, v);
    };
    addChar("明", "ming", "M");   // upper case initials are lowered
    addChar("安", "an", "");      // zero initial: first letter of the pinyin, a -> i
    addChar("张", "zhang", "zh");
    auto addName = [&](const char* index, const char* index2, const char* name, int sex) {
        fixture.addRow(refdata::kEnglishTable, {"0", index, index2, name, "", std::to_string(sex), name, "", "", "m"});
    };
    addName("m", "", "Mary", 2);
    addName("m", "", "Mark", 1);
    addName("m", "", "Mike", 1);
    addName("i", "", "Ian", 1);
    addName("z", "zh", "Zhuo", 1);
    addName("t", "th", "Thomas", 1);
    refdata::NameDb db;
    ASSERT_TRUE(fixture.load(db));

    struct Case {
        const char* given;
        int sex;
        std::vector<std::string> names;
    } cases[] = {
        {"明华", 1, {"Mark", "Mike"}},
        {"明", 2, {"Mary"}},
        {"安", 1, {"Ian"}},
        {"张", 1, {"Zhuo"}},   // zh stays zh, not th
        {"A1", 1, {}},          // a Latin letter has no facts: empty key
        {"", 1, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> names;
        for (const NameRow& r : englishNameRows(db, c.given, c.sex)) names.push_back(r.cells[1]);
        EXPECT_EQ(names, c.names) << c.given;
    }
    std::vector<NameRow> rows = englishNameRows(db, "明", 1);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].cells[0], "2");
}
