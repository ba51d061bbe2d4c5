// The article menus: which categories exist, in which table, in menu order.
//
// One table serves the main window's menus and the database builder, so a
// menu item and the rows it lists can never drift apart. Texts are GBK.
#pragma once

#include <string>
#include <vector>

namespace nuvelo::reader {

struct ArticleMenuEntry {
    enum class Kind { Category, Separator, SubmenuStart, SubmenuEnd };
    Kind kind = Kind::Category;
    std::string caption;  // category caption (= 分类标题) or submenu heading
};

struct ArticleMenu {
    std::string caption;  // "育儿知识[&Y]" or "算命风水[&S]"
    std::string table;    // "育儿百科" or "算命风水" (queries prefix "NV_")
    std::vector<ArticleMenuEntry> entries;
};

// The two article menus in menu-bar order.
const std::vector<ArticleMenu>& articleMenus();

struct ArticleCategory {
    std::string table;    // 育儿百科 / 算命风水
    std::string caption;  // 分类标题
    int position = 0;     // 1-based position within its table, menu order
};

// Every category (38 + 7) in menu order.
std::vector<ArticleCategory> articleCategories();

}  // namespace nuvelo::reader
