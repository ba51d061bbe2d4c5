// The article tables of the built reference database, as the reader and the
// menus rely on them.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "reader/article_categories.h"
#include "refdata/name_db.h"

using namespace nuvelo;

namespace {

class ArticleTables : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(NUVELO_TEST_DB)) GTEST_SKIP() << "no built database at " << NUVELO_TEST_DB;
        ASSERT_TRUE(db.openFile(NUVELO_TEST_DB));
    }
    refdata::NameDb db;
};

// Chinese characters of a GBK text: every double-byte character counts once.
int doubleByteChars(const std::string& gbk) {
    int n = 0;
    for (std::size_t i = 0; i < gbk.size(); ++i)
        if (static_cast<unsigned char>(gbk[i]) >= 0x81 && i + 1 < gbk.size()) ++n, ++i;
    return n;
}

const char* const kTables[] = {"育儿百科", "算命风水"};

}  // namespace

TEST_F(ArticleTables, EveryMenuCategoryHasThreeArticlesUnderItsPosition) {
    for (const reader::ArticleCategory& c : reader::articleCategories()) {
        refdata::Statement s =
            db.query("select 分类ID, count(*) from NV_" + c.table + " where 分类标题=? group by 分类ID", {c.caption});
        EXPECT_EQ(db.columnText(s, 0), std::to_string(c.position)) << c.caption;
        EXPECT_GE(db.columnInt(s, 1), 3) << c.caption;
        EXPECT_FALSE(db.nextRow(s)) << c.caption << " has rows under more than one position";
    }
}

TEST_F(ArticleTables, EveryRowBelongsToAMenuCategory) {
    std::set<std::pair<std::string, std::string>> menu;
    for (const reader::ArticleCategory& c : reader::articleCategories()) menu.insert({c.table, c.caption});
    for (const char* table : kTables) {
        int rows = 0;
        for (refdata::Statement s = db.query(std::string("select 分类标题 from NV_") + table); s.hasRow(); db.nextRow(s)) {
            ++rows;
            EXPECT_TRUE(menu.count({table, db.columnText(s, 0)})) << table << ": " << db.columnText(s, 0);
        }
        EXPECT_GT(rows, 0) << table;
    }
}

TEST_F(ArticleTables, IdsRunFromOneAndTitlesAreUniquePerTable) {
    for (const char* table : kTables) {
        std::map<std::string, int> titles;
        int expectedId = 0;
        for (refdata::Statement s = db.query(std::string("select ID, 标题 from NV_") + table + " order by rowid");
             s.hasRow(); db.nextRow(s)) {
            EXPECT_EQ(db.columnInt(s, 0), ++expectedId) << table;
            EXPECT_EQ(++titles[db.columnText(s, 1)], 1) << table << ": title used twice: " << db.columnText(s, 1);
        }
        EXPECT_FALSE(titles.count("")) << table << " has an empty title";
    }
}

TEST_F(ArticleTables, BodiesAreSubstantialHtmlFragments) {
    for (const char* table : kTables) {
        for (refdata::Statement s = db.query(std::string("select 标题, 内容 from NV_") + table); s.hasRow();
             db.nextRow(s)) {
            const std::string title = db.columnText(s, 0);
            const std::string body = db.columnText(s, 1);
            EXPECT_GE(doubleByteChars(body), 400) << table << ": " << title;
            EXPECT_EQ(body.rfind("<", 0), 0u) << table << ": " << title << " does not start with markup";
            for (const char* banned : {"<html", "<body", "<script", "<img", "href=", "<!--"})
                EXPECT_EQ(body.find(banned), std::string::npos) << table << ": " << title << " holds " << banned;
        }
    }
}

// The reader lists a category and then fetches each body by its title alone,
// both through double-quoted SQL texts.
TEST_F(ArticleTables, ReaderQueriesFindTheListedArticles) {
    struct Case {
        const char* table;
        const char* category;
    };
    for (const Case& c : {Case{"育儿百科", "母乳喂养"}, Case{"算命风水", "星座算命"}}) {
        std::vector<std::string> titles;
        refdata::Statement list =
            db.query(std::string("select * from NV_") + c.table + " where 分类标题=\"" + c.category + "\"");
        for (; list.hasRow(); db.nextRow(list)) titles.push_back(db.columnText(list, 3));
        ASSERT_GE(titles.size(), 3u) << c.category;
        for (const std::string& title : titles) {
            refdata::Statement page = db.query(std::string("select * from NV_") + c.table + " where 标题=\"" + title + "\"");
            EXPECT_EQ(db.columnText(page, 2), c.category) << title;
            EXPECT_FALSE(db.columnText(page, 4).empty()) << title;
        }
    }
}
