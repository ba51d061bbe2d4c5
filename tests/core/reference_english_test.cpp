// The English-name table of the built reference database, read the way the
// English mode reads it: index = EIndex2, or EIndex when that is empty.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "refdata/name_db.h"

using namespace nuvelo;

namespace {

struct NameRow {
    std::string name, cnword, language, mean;
    int sex = 0;
};

class ReferenceEnglish : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(NUVELO_TEST_DB)) GTEST_SKIP() << "no built database at " << NUVELO_TEST_DB;
        ASSERT_TRUE(db.openFile(NUVELO_TEST_DB));
        refdata::Statement s = db.query("select * from NV_EName");
        ASSERT_TRUE(s.hasRow());
        do {
            std::string index = db.columnText(s, 2).empty() ? db.columnText(s, 1) : db.columnText(s, 2);
            NameRow row{db.columnText(s, 3), db.columnText(s, 6), db.columnText(s, 8), db.columnText(s, 9),
                        db.columnInt(s, 5)};
            byName[row.name] = row;
            groups[index][row.sex].push_back(row.name);
            rows.push_back(row);
        } while (db.nextRow(s));
        db.finalize(s);
    }
    refdata::NameDb db;
    std::vector<NameRow> rows;
    std::map<std::string, NameRow> byName;
    std::map<std::string, std::map<int, std::vector<std::string>>> groups;
};

}  // namespace

TEST_F(ReferenceEnglish, FemaleNamesOfGroupChAreListed) {
    const std::vector<std::string>& names = groups["ch"][2];
    ASSERT_FALSE(names.empty());
    EXPECT_NE(std::find(names.begin(), names.end(), "Charlotte"), names.end());
    for (const std::string& name : names) EXPECT_EQ(name.substr(0, 2), "Ch");
}

TEST_F(ReferenceEnglish, EveryGroupKeyHasNamesOfEverySex) {
    for (const char* key : {"i", "s", "g", "ch", "a", "sh", "e", "th", "b", "p", "m", "f", "d", "t", "n", "l", "h", "r",
                            "w"})
        for (int sex : {1, 2, 3}) EXPECT_FALSE(groups[key][sex].empty()) << key << " sex " << sex;
}

TEST_F(ReferenceEnglish, NamesAreUniqueWithSexCodeAndTransliteration) {
    EXPECT_GE(rows.size(), 3000u);
    EXPECT_EQ(byName.size(), rows.size());
    for (const NameRow& row : rows) {
        EXPECT_TRUE(row.sex >= 1 && row.sex <= 3) << row.name;
        EXPECT_FALSE(row.cnword.empty()) << row.name;
    }
}

TEST_F(ReferenceEnglish, TheMostGivenNamesCarryMeaningAndOrigin) {
    ASSERT_GE(rows.size(), 500u);
    for (std::size_t i = 0; i < 500; ++i) {
        EXPECT_FALSE(rows[i].mean.empty()) << rows[i].name;
        EXPECT_FALSE(rows[i].language.empty()) << rows[i].name;
    }
    const NameRow& mary = byName["Mary"];
    EXPECT_EQ(mary.sex, 2);
    EXPECT_EQ(mary.cnword, "玛丽");
    EXPECT_EQ(byName["John"].cnword, "约翰");
    EXPECT_EQ(byName["John"].mean, "上帝是仁慈的");
    EXPECT_EQ(byName["John"].language, "希伯来语");
    EXPECT_EQ(byName["Jordan"].sex, 3);
}
