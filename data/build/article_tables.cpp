// NV_育儿百科 and NV_算命风水: the articles of the reader's two menus.
//
// Each menu category is one file data/content/articles/<table>/<category>.html
// holding its articles one after another, each opened by a line
//
//     <!-- article: TITLE -->
//
// and followed by its body, an HTML fragment stored unchanged (trimmed).
// Rows are written in menu order, so the reader lists them as the files hold
// them. The menu list in the core is the one source of the categories; any
// category without a file, with fewer than three articles, a title used twice
// in one table, or a text outside GBK fails the build.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "build_context.h"
#include "reader/article_categories.h"
#include "text/gbk.h"

namespace fs = std::filesystem;

namespace nuvelo::dbbuild {
namespace {

constexpr std::size_t kMinArticlesPerCategory = 3;
constexpr std::string_view kMarkerOpen = "<!-- article:";
constexpr std::string_view kMarkerClose = "-->";

struct Article {
    std::string title;  // UTF-8
    std::string body;   // UTF-8 HTML fragment, trimmed
};

std::string trimmed(std::string_view s) {
    const char* blanks = " \t\r\n";
    std::size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    std::size_t last = s.find_last_not_of(blanks);
    return std::string(s.substr(first, last - first + 1));
}

fs::path utf8Path(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string pathText(const fs::path& p) {
    std::u8string u = p.u8string();
    return std::string(u.begin(), u.end());
}

// The title when the line is an article marker, nullopt otherwise.
std::optional<std::string> markerTitle(const std::string& line) {
    std::string t = trimmed(line);
    if (t.size() < kMarkerOpen.size() + kMarkerClose.size() || !t.starts_with(kMarkerOpen) ||
        !t.ends_with(kMarkerClose))
        return std::nullopt;
    return trimmed(std::string_view(t).substr(kMarkerOpen.size(), t.size() - kMarkerOpen.size() - kMarkerClose.size()));
}

// Splits one category file into its articles. Text before the first marker,
// an empty title or an empty body is an error: it would be lost or shown as
// a blank page.
bool splitArticles(const std::string& content, const std::string& where, std::vector<Article>& out,
                   std::string& error) {
    std::istringstream in(content);
    std::string line;
    std::string body;
    bool inArticle = false;
    auto closeArticle = [&]() {
        if (!inArticle) return true;
        out.back().body = trimmed(body);
        body.clear();
        if (out.back().body.empty()) {
            error = where + ": article \"" + out.back().title + "\" has no body";
            return false;
        }
        return true;
    };
    while (std::getline(in, line)) {
        if (std::optional<std::string> title = markerTitle(line)) {
            if (!closeArticle()) return false;
            if (title->empty()) {
                error = where + ": article marker without a title";
                return false;
            }
            out.push_back({*title, {}});
            inArticle = true;
        } else if (inArticle) {
            body += line;
            body += '\n';
        } else if (!trimmed(line).empty()) {
            error = where + ": text before the first article marker";
            return false;
        }
    }
    return closeArticle();
}

bool readFile(const fs::path& file, std::string& content) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool isGbkText(const std::string& utf8) { return !text::toGbk(utf8).empty(); }

struct TableCategories {
    std::vector<std::string> captions;  // UTF-8, menu order (position = index + 1)
};

// Files in a table folder that are no menu category would never be shown.
bool checkNoStrayFiles(const fs::path& dir, const TableCategories& cats, std::string& error) {
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return true;  // reported as missing categories
    std::set<std::string> expected;
    for (const std::string& c : cats.captions) expected.insert(c + ".html");
    for (const fs::directory_entry& e : fs::directory_iterator(dir, ec)) {
        std::string name = pathText(e.path().filename());
        if (!expected.count(name)) {
            error = pathText(e.path()) + ": not a menu category";
            return false;
        }
    }
    if (ec) {
        error = pathText(dir) + ": " + ec.message();
        return false;
    }
    return true;
}

bool writeTable(BuildContext& ctx, const std::string& table, const TableCategories& cats, std::string& error) {
    const fs::path dir = ctx.contentDir() / "articles" / utf8Path(table);
    if (!checkNoStrayFiles(dir, cats, error)) return false;

    std::vector<std::string> problems;
    std::vector<std::vector<Article>> perCategory(cats.captions.size());
    std::map<std::string, std::string> titleOwner;  // title -> category
    for (std::size_t i = 0; i < cats.captions.size(); ++i) {
        const std::string& caption = cats.captions[i];
        const fs::path file = dir / utf8Path(caption + ".html");
        const std::string where = table + "/" + caption + ".html";
        std::string content;
        std::error_code ec;
        if (!fs::is_regular_file(file, ec) || !readFile(file, content)) {
            problems.push_back(where + ": missing");
            continue;
        }
        std::string splitError;
        if (!splitArticles(content, where, perCategory[i], splitError)) {
            problems.push_back(splitError);
            continue;
        }
        if (perCategory[i].size() < kMinArticlesPerCategory)
            problems.push_back(where + ": " + std::to_string(perCategory[i].size()) + " articles, at least " +
                               std::to_string(kMinArticlesPerCategory) + " needed");
        for (const Article& a : perCategory[i]) {
            auto [it, fresh] = titleOwner.emplace(a.title, caption);
            if (!fresh) problems.push_back(where + ": title \"" + a.title + "\" already used in " + it->second);
            if (!isGbkText(a.title)) problems.push_back(where + ": title \"" + a.title + "\" is not GBK text");
            if (!isGbkText(a.body)) problems.push_back(where + ": body of \"" + a.title + "\" is not GBK text");
        }
    }
    if (!problems.empty()) {
        error.clear();
        for (const std::string& p : problems) error += (error.empty() ? "" : "\n  ") + p;
        return false;
    }

    const std::string tableName = "NV_" + table;
    int id = 0;
    for (std::size_t i = 0; i < cats.captions.size(); ++i)
        for (const Article& a : perCategory[i])
            if (!insertRow(ctx, tableName, {std::to_string(++id), std::to_string(i + 1), cats.captions[i], a.title, a.body},
                           error))
                return false;
    return true;
}

}  // namespace

bool writeArticleTables(BuildContext& ctx, std::string& error) {
    // Table name (UTF-8) -> its categories, in the order the menus list them.
    std::vector<std::pair<std::string, TableCategories>> tables;
    for (const reader::ArticleCategory& c : reader::articleCategories()) {
        std::string table = text::toUtf8(c.table);
        auto it = std::find_if(tables.begin(), tables.end(), [&](const auto& t) { return t.first == table; });
        if (it == tables.end()) it = tables.insert(tables.end(), {table, {}});
        it->second.captions.push_back(text::toUtf8(c.caption));
        if (static_cast<int>(it->second.captions.size()) != c.position) {
            error = "menu position of " + it->second.captions.back() + " is out of order";
            return false;
        }
    }
    for (const auto& [table, cats] : tables)
        if (!writeTable(ctx, table, cats, error)) return false;
    return true;
}

}  // namespace nuvelo::dbbuild
