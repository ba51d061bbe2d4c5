// NuveloRead: the article window (文章阅读窗口). The titles of one category on
// the left, the selected article's page on the right.
//
// The main window keeps a single one: choosing another category while it is
// open shows that category in the same window. It is a free-standing window
// owned by the main window, not modal, destroyed when closed (which forgets
// the category and its table). Toolbar item 8 prints the page, item 10
// closes the window; the other buttons do nothing.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <string>

#include "app/app_context.h"

class QAction;
class QFrame;
class QStatusBar;
class QTextBrowser;
class QToolBar;
class QTreeWidget;

namespace nuvelo::app {

class NuveloRead : public QWidget {
    Q_OBJECT
public:
    NuveloRead(AppContext& context, QWidget* owner);

    // Lists the titles of `category` from article table `table` (GBK, 育儿百科
    // or 算命风水), captions the window after the category, selects the first
    // title and shows its article.
    void openCategory(const std::string& table, const std::string& category);
    // Writes the page of the selected title to temp.html and shows it. With
    // no title selected the browser is emptied.
    void showArticle();

    const std::string& table() const { return table_; }  // GBK; empty before a category
    QTreeWidget* articleList() const { return list_; }
    QTextBrowser* browser() const { return browser_; }

    // Toolbar item `index`: buttons at even indexes 0..10, separators between.
    void onToolbarItem(int index);
    QAction* toolbarItem(int index) const;

    // Test hook: a non-empty path makes printing skip the print dialog and
    // print into this PDF file instead. Empty: the dialog is shown.
    static void setPrintTarget(const QString& pdfPath);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildToolbar();
    void loadPageFile(const QString& path);
    void printPage();

    AppContext& context_;
    std::string table_;
    QToolBar* toolbar_ = nullptr;
    std::array<QAction*, 11> toolbarItems_{};
    QFrame* rule_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
};

}  // namespace nuvelo::app
