#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "fixtures/fixture_db.h"
#include "reader/article_page.h"
#include "reader/dictionary.h"
#include "refdata/reference_schema.h"

using namespace nuvelo;

namespace {

class ArticlePage : public ::testing::Test {
protected:
    void SetUp() override {
        // Rows deliberately out of ID order: the list follows the table order.
        add(refdata::kFortuneTable, "3", "星座算命", "白羊座", "<p>白羊座的<b>性格</b></p>");
        add(refdata::kFortuneTable, "1", "星座算命", "金牛座", "金牛座正文");
        add(refdata::kFortuneTable, "2", "血型算命", "A型血", "A型血正文");
        add(refdata::kFortuneTable, "4", "血型算命", "白羊座", "同名的第二篇");
        add(refdata::kParentingTable, "1", "母乳喂养", "喂奶的姿势", "育儿正文");
        add(refdata::kParentingTable, "2", "母乳喂养", "标题<含>&\"引号\"", "特殊标题正文");
        ASSERT_TRUE(fixture.load(db));
    }
    void add(const char* table, const char* id, const char* category, const char* title, const char* body) {
        fixture.addRow(table, {id, "1", category, title, body});
    }
    fixtures::FixtureDb fixture;
    refdata::NameDb db;
};

std::string pageFor(const std::string& title, const std::string& body) {
    return "<html>\r\n<head>\r\n<meta http-equiv=\"Content-Language\" content=\"zh-cn\">\r\n"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n<title>" +
           title +
           "</title>\r\n</head>\r\n<body topmargin=\"10\" leftmargin=\"10\" rightmargin=\"3\" bottommargin=\"3\" "
           "bgcolor=\"#FFFFEC\">\r\n<CENTER><H1>" +
           title + "</H1></CENTER>\r\n" + body + "\r\n</body>\r\n</html>";
}

}  // namespace

TEST_F(ArticlePage, TitlesOfACategoryInTableOrder) {
    struct Case {
        const char* table;
        const char* category;
        std::vector<std::string> titles;
    } cases[] = {
        {"算命风水", "星座算命", {"白羊座", "金牛座"}},
        {"算命风水", "血型算命", {"A型血", "白羊座"}},
        {"育儿百科", "母乳喂养", {"喂奶的姿势", "标题<含>&\"引号\""}},
        {"育儿百科", "星座算命", {}},  // the category lives in the other table
        {"算命风水", "风水知识", {}},  // no articles: no entries, not one blank one
        {"算命风水", "", {}},
        {"算命风水", "星座算命\" or \"1\"=\"1", {}},  // a quote finds nothing
    };
    for (const Case& c : cases) {
        auto titles = reader::articleTitles(db, c.table, c.category);
        ASSERT_TRUE(titles.has_value()) << c.category;
        EXPECT_EQ(*titles, c.titles) << c.table << " / " << c.category;
    }
}

TEST_F(ArticlePage, OnlyTheTwoArticleTablesAreQueried) {
    for (const char* table : {"CNWord", "NV_算命风水", "算命风水 where 1=1 --", ""}) {
        EXPECT_FALSE(reader::articleTitles(db, table, "星座算命").has_value()) << table;
        EXPECT_FALSE(reader::articlePage(db, table, "白羊座").has_value()) << table;
    }
}

TEST_F(ArticlePage, PageFillsTheTitleTwiceAndTheBodyUnescaped) {
    struct Case {
        const char* table;
        const char* title;
        std::string expected;
    } cases[] = {
        // Stored markup is rendered; of two articles with one title the first row wins.
        {"算命风水", "白羊座", pageFor("白羊座", "<p>白羊座的<b>性格</b></p>")},
        {"育儿百科", "标题<含>&\"引号\"", pageFor("标题&lt;含&gt;&amp;&quot;引号&quot;", "特殊标题正文")},
        {"育儿百科", "白羊座", pageFor("白羊座", "")},
        {"算命风水", "白羊座\" or \"1\"=\"1", pageFor("白羊座&quot; or &quot;1&quot;=&quot;1", "")},
        {"算命风水", "", pageFor("", "")},
    };
    for (const Case& c : cases) {
        auto page = reader::articlePage(db, c.table, c.title);
        ASSERT_TRUE(page.has_value()) << c.title;
        EXPECT_EQ(*page, c.expected) << c.title;
    }
    EXPECT_EQ(pageFor("{文章标题}", "{文章内容}"), reader::kArticlePageTemplate);
}

TEST_F(ArticlePage, WritesThePageInGbkReplacingTheFile) {
    std::string path = fixture.dir() + "/data/temp.html";
    ASSERT_TRUE(reader::writeArticlePage(db, "算命风水", "金牛座", path).ok);
    ASSERT_TRUE(reader::writeArticlePage(db, "算命风水", "A型血", path).ok);
    std::ifstream in(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(bytes, pageFor("A型血", "A型血正文"));

    exporting::WriteResult refused = reader::writeArticlePage(db, "NV_CNWord", "金牛座", path);
    EXPECT_FALSE(refused.ok);
    EXPECT_FALSE(refused.message.empty());
    EXPECT_FALSE(reader::writeArticlePage(db, "算命风水", "金牛座", fixture.dir() + "/nowhere/temp.html").ok);
}

TEST(DictionaryCaption, KeepsTheTypedTextAndItsBlanks) {
    EXPECT_EQ(reader::dictionaryCaption("国"), " 汉字[ 国 ]的详细解释");
    EXPECT_EQ(reader::dictionaryCaption(""), " 汉字[  ]的详细解释");
    EXPECT_EQ(reader::dictionaryCaption(" 张三\""), " 汉字[  张三\" ]的详细解释");
}
