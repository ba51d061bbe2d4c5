// The luck tables of the built reference database: complete key ranges,
// only the five luck words, the published classes of well-known numbers, and
// texts ready to be pasted into a page.
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

const std::set<std::string> kLuckWords = {"大吉", "吉", "中", "凶", "大凶"};

class LuckTables : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(NUVELO_TEST_DB)) GTEST_SKIP() << "no built database at " << NUVELO_TEST_DB;
        ASSERT_TRUE(db_.openFile(NUVELO_TEST_DB));
    }
    std::string luckOfNumber(int n) {
        Statement s = db_.query("select 吉凶 from NV_八一灵动数 where Id=?", {text::fromNumber(n)});
        std::string word = db_.columnText(s, 0);
        db_.finalize(s);
        return word;
    }
    std::string luckOfTalents(const std::string& key) {
        Statement s = db_.query("select 吉凶 from NV_三才配置 where 三才=?", {key});
        std::string word = db_.columnText(s, 0);
        db_.finalize(s);
        return word;
    }
    // Calls check(key, column, text) for the columns from..to of every row;
    // the key is the row's column `keyColumn`.
    template <typename Check>
    void eachText(const char* table, int keyColumn, int from, int to, Check check) {
        Statement s = db_.query(std::string("select * from ") + table);
        for (bool row = s.hasRow(); row; row = db_.nextRow(s))
            for (int c = from; c <= to; ++c) check(db_.columnText(s, keyColumn), c, db_.columnText(s, c));
        db_.finalize(s);
    }
    NameDb db_;
};

TEST_F(LuckTables, NumbersRunFromOneToEightyOneWithKnownWords) {
    Statement s = db_.query("select Id, 吉凶 from NV_八一灵动数 order by Id");
    int expected = 1;
    for (bool row = s.hasRow(); row; row = db_.nextRow(s), ++expected) {
        EXPECT_EQ(db_.columnInt(s, 0), expected);
        EXPECT_TRUE(kLuckWords.count(db_.columnText(s, 1))) << "number " << expected;
    }
    db_.finalize(s);
    EXPECT_EQ(expected - 1, 81);
    EXPECT_EQ(luckOfNumber(82), "");  // numbers above 81 have no row
}

TEST_F(LuckTables, WellKnownNumbersKeepTheirPublishedClass) {
    const struct {
        int number;
        const char* luck;
    } cases[] = {
        {1, "大吉"},  {2, "大凶"},  {3, "大吉"},  {4, "大凶"},  {5, "大吉"},  {9, "大凶"},  {10, "大凶"},
        {11, "大吉"}, {12, "凶"},   {13, "大吉"}, {15, "大吉"}, {16, "大吉"}, {17, "吉"},   {20, "大凶"},
        {21, "大吉"}, {24, "大吉"}, {27, "中"},   {31, "大吉"}, {32, "大吉"}, {33, "大吉"}, {34, "大凶"},
        {41, "大吉"}, {44, "大凶"}, {52, "大吉"}, {58, "中"},   {80, "凶"},   {81, "大吉"},
    };
    for (const auto& c : cases) EXPECT_EQ(luckOfNumber(c.number), c.luck) << "number " << c.number;
}

TEST_F(LuckTables, TalentKeysCoverEveryTripleOnce) {
    const std::string elements = "木火土金水";
    std::set<std::string> seen;
    Statement s = db_.query("select 三才, 吉凶 from NV_三才配置");
    for (bool row = s.hasRow(); row; row = db_.nextRow(s)) {
        std::string key = db_.columnText(s, 0);
        std::vector<std::string> parts = text::splitChars(key);
        ASSERT_EQ(parts.size(), 3u) << key;
        for (const std::string& part : parts) EXPECT_NE(elements.find(part), std::string::npos) << key;
        EXPECT_TRUE(seen.insert(key).second) << key << " twice";
        EXPECT_TRUE(kLuckWords.count(db_.columnText(s, 1))) << key;
    }
    db_.finalize(s);
    EXPECT_EQ(seen.size(), 125u);
}

TEST_F(LuckTables, TalentClassesFollowThePublishedTable) {
    const struct {
        const char* key;
        const char* luck;
    } cases[] = {
        {"木木木", "大吉"}, {"木火土", "大吉"}, {"水木火", "大吉"}, {"土金水", "大吉"},
        {"木火火", "吉"},   // 中吉
        {"水火木", "吉"},   // 中吉
        {"木土土", "吉"},   // 吉
        {"木木水", "吉"},   // 吉多于凶
        {"火金土", "中"},   // 吉凶参半
        {"金火火", "中"},   // 吉凶参半
        {"木木金", "凶"},   // 凶多于吉
        {"金木木", "凶"},   // 凶多于吉
        {"金金火", "凶"},   // left out of the table: earth overcomes person
        {"木金木", "大凶"}, {"水火金", "大凶"}, {"火水水", "大凶"},
    };
    for (const auto& c : cases) EXPECT_EQ(luckOfTalents(c.key), c.luck) << c.key;
}

TEST_F(LuckTables, TextsAreFilledAndPageReady) {
    auto check = [](const std::string& key, int column, const std::string& value) {
        EXPECT_FALSE(text::isBlank(value)) << key << " column " << column;
        for (const char* bad : {"{", "}", "<", ">"})
            EXPECT_FALSE(text::contains(value, bad)) << key << " column " << column << ": " << value;
    };
    eachText("NV_八一灵动数", 0, 2, 9, check);
    eachText("NV_三才配置", 1, 3, 20, check);
}

TEST_F(LuckTables, HintsSplitIntoSeveralLines) {
    Statement s = db_.query("select Id, 数理暗示 from NV_八一灵动数");
    for (bool row = s.hasRow(); row; row = db_.nextRow(s)) {
        std::size_t lines = text::splitText(db_.columnText(s, 1), "|").size();
        EXPECT_GE(lines, 2u) << "number " << db_.columnText(s, 0);
        EXPECT_LE(lines, 4u) << "number " << db_.columnText(s, 0);
    }
    db_.finalize(s);
}

}  // namespace
