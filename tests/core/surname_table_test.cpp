// The surname table of the built reference database: keys as users type them
// (simplified, whole compound surnames), no key lost to the simplification,
// a text for every row, fuller origins for the common surnames, and texts
// ready to be pasted into a page.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "refdata/name_db.h"
#include "text/gbk.h"

using namespace nuvelo;
using nuvelo::refdata::NameDb;
using nuvelo::refdata::Statement;

namespace {

// The hundred most common surnames of today.
const char* const kCommonSurnames[] = {
    "王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周", "徐", "孙", "马", "朱", "胡", "郭", "何",
    "高", "林", "罗", "郑", "梁", "谢", "宋", "唐", "许", "韩", "冯", "邓", "曹", "彭", "曾", "肖", "田",
    "董", "袁", "潘", "于", "蒋", "蔡", "余", "杜", "叶", "程", "苏", "魏", "吕", "丁", "任", "沈", "姚",
    "卢", "姜", "崔", "钟", "谭", "陆", "汪", "范", "金", "石", "廖", "贾", "夏", "韦", "付", "方", "白",
    "邹", "孟", "熊", "秦", "邱", "江", "尹", "薛", "闫", "段", "雷", "侯", "龙", "史", "陶", "黎", "贺",
    "顾", "毛", "郝", "龚", "邵", "万", "钱", "严", "覃", "武", "戴", "莫", "孔", "向", "汤",
};

class SurnameTable : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(NUVELO_TEST_DB)) GTEST_SKIP() << "no built database at " << NUVELO_TEST_DB;
        ASSERT_TRUE(db_.openFile(NUVELO_TEST_DB));
    }
    // The origin text of a surname, "" when the surname has no row.
    std::string originOf(const std::string& surname) {
        Statement s = db_.query("select 姓氏起源 from NV_百家姓 where 姓=?", {surname});
        std::string origin = db_.columnText(s, 0);
        db_.finalize(s);
        return origin;
    }
    NameDb db_;
};

std::size_t countText(const std::string& text, const std::string& needle) {
    std::size_t count = 0;
    for (std::size_t at = text::findText(text, needle); at != 0; at = text::findText(text, needle, at + 1)) ++count;
    return count;
}

TEST_F(SurnameTable, KeysAreWhatUsersType) {
    // Compound surnames whole, simplified forms, and the surnames that the
    // simplification would fold onto an earlier one keep a key of their own.
    const char* present[] = {"欧阳", "司马", "诸葛", "上官", "钟离", "万俟", "第五", "于", "曲",
                             "钟",   "张",   "闫",   "於",   "鬱",   "郈"};
    for (const char* surname : present) EXPECT_FALSE(originOf(surname).empty()) << text::toUtf8(surname);
    // Traditional spellings of the source text never become keys.
    const char* absent[] = {"張", "趙", "歐陽", "鐘離", "麴", "範", "百裏"};
    for (const char* surname : absent) EXPECT_TRUE(originOf(surname).empty()) << text::toUtf8(surname);
}

TEST_F(SurnameTable, EveryRowIsCompleteAndPageReady) {
    Statement s = db_.query("select * from NV_百家姓 order by Id");
    std::set<std::string> keys;
    int rows = 0;
    int compound = 0;
    for (bool row = s.hasRow(); row; row = db_.nextRow(s)) {
        ++rows;
        const std::string surname = db_.columnText(s, 1);
        EXPECT_EQ(db_.columnInt(s, 0), rows) << "Ids follow the list order without gaps";
        EXPECT_TRUE(keys.insert(surname).second) << "twice: " << text::toUtf8(surname);
        const std::size_t chars = text::splitChars(surname).size();
        EXPECT_TRUE(chars == 1 || chars == 2) << text::toUtf8(surname);
        if (chars == 2) ++compound;
        EXPECT_FALSE(db_.columnText(s, 2).empty()) << "no origin: " << text::toUtf8(surname);
        for (int column = 2; column <= 4; ++column) {
            const std::string value = db_.columnText(s, column);
            EXPECT_EQ(value.find_first_of("<>\t\r\n"), std::string::npos) << text::toUtf8(surname);
        }
    }
    db_.finalize(s);
    EXPECT_GE(rows, 500);
    EXPECT_GE(compound, 60);
}

TEST_F(SurnameTable, CommonSurnamesHaveFullerTexts) {
    for (const char* surname : kCommonSurnames) {
        Statement s = db_.query("select * from NV_百家姓 where 姓=?", {surname});
        const std::string origin = db_.columnText(s, 2);
        const std::string regions = db_.columnText(s, 3);
        const std::string people = db_.columnText(s, 4);
        db_.finalize(s);
        EXPECT_GE(countText(origin, "。"), 2u) << text::toUtf8(surname);
        EXPECT_FALSE(regions.empty()) << text::toUtf8(surname);
        EXPECT_FALSE(people.empty()) << text::toUtf8(surname);
    }
}

}  // namespace
