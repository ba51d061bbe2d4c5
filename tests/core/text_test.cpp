#include <gtest/gtest.h>

#include "text/gbk.h"

using namespace nuvelo::text;

TEST(GbkConversion, EveryDoubleByteCodeRoundTrips) {
    int converted = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            std::string gbk{static_cast<char>(lead), static_cast<char>(trail)};
            std::string utf8 = toUtf8(gbk);
            bool gb2312Hanzi = lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1 && !(lead == 0xD7 && trail >= 0xFA);
            if (gb2312Hanzi) {
                EXPECT_FALSE(utf8.empty()) << std::hex << lead << " " << trail;
            }
            if (utf8.empty()) continue;  // unassigned code
            ++converted;
            ASSERT_EQ(toGbk(utf8), gbk) << std::hex << lead << " " << trail;
        }
    }
    // GBK proper holds 21,886 codes; the converter leaves a few of its
    // unassigned corners out, never a GB2312 character (checked above).
    EXPECT_GT(converted, 21700);
}

TEST(GbkConversion, FailureGivesEmptyText) {
    EXPECT_EQ(toUtf8(std::string("\x81", 1)), "");          // lone lead byte
    EXPECT_EQ(toGbk("\xF0\x9F\x98\x80"), "");               // emoji: not in GBK
    EXPECT_EQ(toGbk("\xE4\xB8"), "");                       // truncated UTF-8
    EXPECT_FALSE(isValidGbk(std::string("\xD5", 1)));
    EXPECT_TRUE(isValidGbk("张三abc"));
}

TEST(SplitChars, CutsByTheByteRule) {
    struct Case {
        std::string text;
        std::vector<std::string> chars;
    } cases[] = {
        {"李 明", {"李", " ", "明"}},
        {"  ", {}},
        {"", {}},
        {"欧阳明轩", {"欧", "阳", "明", "轩"}},
        {"a1张", {"a", "1", "张"}},
        {"{x", {"{x"}},                        // 123 and above start two bytes
        {std::string("\xD5", 1), {std::string("\xD5", 1)}},  // lone last byte
    };
    for (const Case& c : cases) EXPECT_EQ(splitChars(c.text), c.chars) << c.text;
}

TEST(TextSearch, IsOneBasedAndCharacterAligned) {
    EXPECT_EQ(findText("金木水火土", "水"), 5u);
    EXPECT_EQ(findText("金木水火土", "石"), 0u);
    EXPECT_EQ(findText("abc", ""), 0u);
    EXPECT_EQ(findText("abcabc", "c", 4), 6u);
    // 北 is B1B1, 堡 is B1A4: "\xB1\xB1" must not be found across 堡 and 北's halves
    std::string text = "\xB1\xA4\xB1\xB1";  // 堡北
    EXPECT_EQ(findText(text, "\xA4\xB1"), 0u);
    EXPECT_EQ(findText(text, "\xB1\xB1"), 3u);
}

TEST(TextReplaceAndSplit, WorkCharacterByCharacter) {
    EXPECT_EQ(replaceAll("a|b|c", "|", "<BR>"), "a<BR>b<BR>c");
    EXPECT_EQ(replaceAll("张 伟", " ", "\r\n"), "张\r\n伟");
    EXPECT_EQ(replaceAll("abc", "", "x"), "abc");
    // 纜 is C0 7C in GBK: its second byte is "|" and must not split
    std::string cable = "\xC0\x7C";
    EXPECT_EQ(splitText(cable + "|x|", "|"), (std::vector<std::string>{cable, "x"}));
    EXPECT_EQ(splitText("a||b|", "|"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(splitText("", "|").empty());
    EXPECT_EQ(joinText({"1", "2", "3"}, ","), "1,2,3");
}

TEST(Numbers, ReadWholeTextsOnly) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {{"12", 12}, {" 7 ", 7}, {"-3", -3}, {"+4", 4}, {"", 0}, {"12abc", 0},
                 {"abc", 0}, {"1.5", 0}, {"99999999999", 0}, {"0", 0}};
    for (const Case& c : cases) EXPECT_EQ(toNumber(c.text), c.value) << c.text;
    EXPECT_EQ(fromNumber(2013), "2013");
    EXPECT_TRUE(isBlank(" \t\r\n"));
    EXPECT_FALSE(isBlank(" 张"));
}
