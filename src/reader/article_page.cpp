#include "reader/article_page.h"

#include "reader/article_categories.h"
#include "report/page_fill.h"

namespace nuvelo::reader {
namespace {

constexpr int kTitleField = 3;
constexpr int kBodyField = 4;

}  // namespace

const char* const kArticlePageTemplate =
    "<html>\r\n<head>\r\n<meta http-equiv=\"Content-Language\" content=\"zh-cn\">\r\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n"
    "<title>{文章标题}</title>\r\n</head>\r\n"
    "<body topmargin=\"10\" leftmargin=\"10\" rightmargin=\"3\" bottommargin=\"3\" bgcolor=\"#FFFFEC\">\r\n"
    "<CENTER><H1>{文章标题}</H1></CENTER>\r\n{文章内容}\r\n</body>\r\n</html>";

bool isArticleTable(const std::string& table) {
    for (const ArticleMenu& menu : articleMenus())
        if (menu.table == table) return true;
    return false;
}

std::optional<std::vector<std::string>> articleTitles(refdata::NameDb& db, const std::string& table,
                                                      const std::string& category) {
    if (!isArticleTable(table)) return std::nullopt;
    std::vector<std::string> titles;
    refdata::Statement s = db.query("select * from NV_" + table + " where 分类标题=?", {category});
    // Only rows the statement really returned become entries.
    for (; s.hasRow(); db.nextRow(s)) titles.push_back(db.columnText(s, kTitleField));
    db.finalize(s);
    return titles;
}

std::optional<std::string> articlePage(refdata::NameDb& db, const std::string& table, const std::string& title) {
    if (!isArticleTable(table)) return std::nullopt;
    refdata::Statement s = db.query("select * from NV_" + table + " where 标题=?", {title});
    std::string body = s.hasRow() ? db.columnText(s, kBodyField) : std::string();
    db.finalize(s);
    return report::fillPlaceholders(kArticlePageTemplate,
                                    {{"{文章标题}", report::escapeHtml(title)}, {"{文章内容}", body}});
}

exporting::WriteResult writeArticlePage(refdata::NameDb& db, const std::string& table, const std::string& title,
                                        const std::string& path) {
    std::optional<std::string> page = articlePage(db, table, title);
    if (!page) return {false, "没有这个文章分类表：" + table};
    return exporting::writeFileReplacing(path, *page);
}

}  // namespace nuvelo::reader
