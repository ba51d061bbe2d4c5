// Chinese forms of English given names, as the English-name table gets them.
#include <gtest/gtest.h>

#include "transliteration.h"

using nuvelo::dbbuild::transliterateName;

namespace {

std::string u8s(const char8_t* s) { return reinterpret_cast<const char*>(s); }

struct Case {
    const char* name;
    bool feminine;
    const char8_t* expected;
};

}  // namespace

TEST(Transliteration, WellKnownNamesTakeTheirUsualForms) {
    const Case cases[] = {
        // Established forms.
        {"John", false, u8"约翰"},
        {"David", false, u8"戴维"},
        {"Shirley", true, u8"雪莉"},
        // Read through the syllable table.
        {"Mary", true, u8"玛丽"},
        {"Anna", true, u8"安娜"},
        {"Thomas", false, u8"托马斯"},
        {"Charles", false, u8"查尔斯"},
        {"Robert", false, u8"罗伯特"},
        {"Linda", true, u8"琳达"},
        {"Amanda", true, u8"阿曼达"},
        {"Albert", false, u8"阿尔伯特"},
        {"Frank", false, u8"弗兰克"},
        {"Kevin", false, u8"凯文"},
        {"Mike", false, u8"迈克"},
        {"Max", false, u8"马克斯"},
        {"Julia", true, u8"朱莉娅"},
        {"Patrick", false, u8"帕特里克"},
        {"Emily", true, u8"埃米莉"},
    };
    for (const Case& c : cases) EXPECT_EQ(transliterateName(c.name, c.feminine), u8s(c.expected)) << c.name;
}

TEST(Transliteration, FeminineCharactersOnlyForFemaleNames) {
    EXPECT_EQ(transliterateName("Mary", false), u8s(u8"马里"));
    EXPECT_EQ(transliterateName("Anna", false), u8s(u8"安纳"));
}

TEST(Transliteration, SpellingCaseAndMarksDoNotMatter) {
    EXPECT_EQ(transliterateName("MARY", true), transliterateName("mary", true));
    EXPECT_EQ(transliterateName("O'Neil", false), transliterateName("oneil", false));
    EXPECT_EQ(transliterateName("", false), "");
    EXPECT_EQ(transliterateName("-'", true), "");
}
