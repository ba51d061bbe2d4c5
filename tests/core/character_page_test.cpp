// The character and surname pages, and the page set of one name.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "fixtures/fixture_db.h"
#include "fixtures/read_file.h"
#include "fixtures/report_fixture.h"
#include "refdata/reference_schema.h"
#include "report/character_page.h"
#include "report/report_pages.h"
#include "report/surname_page.h"
#include "text/gbk.h"

using namespace nuvelo;
using fixtures::readFile;

namespace {

struct PagesDb {
    fixtures::FixtureDb fixture;
    refdata::NameDb db;
    PagesDb() {
        fixtures::addReportRows(fixture);
        std::vector<std::string> hai(16);
        hai[2] = hai[3] = hai[4] = "海";
        hai[5] = "10";
        hai[6] = "11";
        hai[8] = "hǎi";
        hai[11] = "水";
        hai[12] = "水";
        hai[14] = "<p>海的基本解释</p>";
        hai[15] = "<p>海的详细解释</p>";
        fixture.addRow(refdata::kCharTable, hai);
        EXPECT_TRUE(fixture.load(db));
    }
};

TEST(CharacterPage, RowFillsEveryField) {
    PagesDb p;
    std::string page = report::composeCharacterPage(p.db, "海");
    for (const char* part :
         {"<title>海</title>", "class=\"font_22\">海</td>", "class=\"font_14\">hǎi</td>", ">10</td>", ">11</td>",
          ">水</td>", "<hr><p>海的基本解释</p>", "<hr><p>海的详细解释</p>", "charset=gb2312"})
        EXPECT_TRUE(text::contains(page, part)) << text::toUtf8(part);
    EXPECT_EQ(page.find('{', page.find("</head>")), std::string::npos);
}

TEST(CharacterPage, AbsentCharacterShowsItselfWithEmptyFields) {
    PagesDb p;
    std::string page = report::composeCharacterPage(p.db, "丁");
    EXPECT_TRUE(text::contains(page, "class=\"font_22\">丁</td>"));
    EXPECT_TRUE(text::contains(page, "class=\"font_14\"></td>"));
    EXPECT_TRUE(text::contains(page, "<hr><br><br>"));
    EXPECT_EQ(page.find('{', page.find("</head>")), std::string::npos);
}

TEST(CharacterPage, TypedTextIsEscapedAndLooksNothingUp) {
    PagesDb p;
    std::string page = report::composeCharacterPage(p.db, "<script>\"");
    EXPECT_TRUE(text::contains(page, "&lt;script&gt;&quot;"));
    EXPECT_FALSE(text::contains(page, "<script>"));
}

TEST(SurnamePage, CompoundSurnameIsLookedUpWhole) {
    PagesDb p;
    struct Case {
        const char* surname;
        std::string origin, regions;  // empty when the page must show empty texts
    };
    for (const Case& c :
         {Case{"欧阳", "欧阳起源", "欧阳聚集地"}, Case{"欧", "欧姓起源", "欧姓聚集地"}, Case{"司马", "", ""}}) {
        std::string s = c.surname;
        std::string page = report::composeSurnamePage(p.db, s);
        EXPECT_TRUE(text::contains(page, "<title>百家姓_" + s + "</title>")) << text::toUtf8(s);
        EXPECT_TRUE(text::contains(page, "<b>" + s + "</b>"));
        EXPECT_TRUE(text::contains(page, "<b>姓氏起源</b>： <br>" + c.origin + "<br>"));
        EXPECT_TRUE(text::contains(page, "<b>分布地域</b>： <br>" + c.regions + "<br>"));
    }
}

TEST(SurnamePage, LinesEndInCrLfAndTypedTextIsEscaped) {
    PagesDb p;
    std::string page = report::composeSurnamePage(p.db, "<b>");
    EXPECT_TRUE(text::contains(page, "<title>百家姓_&lt;b&gt;</title>\r\n"));
    EXPECT_EQ(page.find("\n"), page.find("\r\n") + 1);
    EXPECT_EQ(text::replaceAll(page, "\r\n", "").find('\n'), std::string::npos);
}

// The report window's files: temp.html, one temp<i>.html per character and
// temp5.html for the surname, all in the page folder.
TEST(NamePages, ReportCharactersAndSurnameGoToTheirFiles) {
    PagesDb p;
    const char* old = getenv("NUVELO_HOME");
    std::string saved = old ? old : "";
    setenv("NUVELO_HOME", p.fixture.dir().c_str(), 1);
    report::NamePages pages = report::writeNamePages(p.db, "欧阳", "明");
    std::string data = p.fixture.dir() + "/data/";
    EXPECT_TRUE(pages.allWritten) << text::toUtf8(pages.message);
    EXPECT_EQ(pages.characters, (std::vector<std::string>{"欧", "阳", "明"}));
    EXPECT_EQ(pages.report.result.grids.wai, 16);
    EXPECT_TRUE(text::contains(readFile(data + "temp.html"), "<title>名字评分</title>"));
    EXPECT_TRUE(text::contains(readFile(data + "temp1.html"), "<title>欧</title>"));
    EXPECT_TRUE(text::contains(readFile(data + "temp3.html"), "<title>明</title>"));
    EXPECT_FALSE(std::filesystem::exists(data + "temp4.html"));
    EXPECT_TRUE(text::contains(readFile(data + "temp5.html"), "欧阳起源"));
    if (old)
        setenv("NUVELO_HOME", saved.c_str(), 1);
    else
        unsetenv("NUVELO_HOME");
}

}  // namespace
