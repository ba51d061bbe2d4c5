// The article reader's queries and page.
//
// Articles live in NV_育儿百科 and NV_算命风水 (fields 0 ID, 1 分类ID,
// 2 分类标题, 3 标题, 4 内容). The table is named by the category table of
// the menus (育儿百科 or 算命风水); any other name is refused, since it is the
// only part of a query that cannot be a bound value. Category and title are
// always bound, so a typed or stored double quote finds nothing instead of
// bending the statement. Texts are GBK.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "export/file_write.h"
#include "refdata/name_db.h"

namespace nuvelo::reader {

// The page of one article: {文章标题} twice (title and heading), {文章内容}
// once; lines end in CR LF.
extern const char* const kArticlePageTemplate;

// True for the two article tables of the menus: "育儿百科" and "算命风水".
bool isArticleTable(const std::string& table);

// The titles of a category in table order; an empty list when the category
// has no articles. nullopt when `table` is no article table.
std::optional<std::vector<std::string>> articleTitles(refdata::NameDb& db, const std::string& table,
                                                      const std::string& category);

// The page of the first article of the table with this title (whatever its
// category): the title, HTML-escaped, in both places and the stored body
// inserted as it is (it is HTML). A title that matches no row gives the page
// with an empty body. nullopt when `table` is no article table.
std::optional<std::string> articlePage(refdata::NameDb& db, const std::string& table, const std::string& title);

// Writes articlePage(...) to `path` (UTF-8), replacing the file.
exporting::WriteResult writeArticlePage(refdata::NameDb& db, const std::string& table, const std::string& title,
                                        const std::string& path);

}  // namespace nuvelo::reader
