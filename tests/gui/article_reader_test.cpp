// The article window: the article menus, switching categories in the one
// window, the page of a title, the relayout, printing and closing. Runs
// offscreen on the built reference database.
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "app/nuvelo_main.h"
#include "app/nuvelo_read.h"
#include "gui_test_support.h"
#include "platform/gbk_qstring.h"
#include "platform/message_box.h"
#include "reader/article_page.h"
#include "settings/program_paths.h"

using nuvelo::app::NuveloMain;
using nuvelo::app::NuveloRead;
using namespace nuvelo::testing;

namespace {

// Every action of `menu` and its submenus that opens something (no
// separators, no submenu headings), in menu order.
void collectLeafActions(const QMenu* menu, QList<QAction*>* out) {
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        if (action->menu())
            collectLeafActions(action->menu(), out);
        else
            out->append(action);
    }
}

QList<QAction*> articleActions(const QMainWindow* window, const QString& topMenu) {
    QList<QAction*> out;
    for (QAction* top : window->menuBar()->actions())
        if (top->text() == topMenu && top->menu()) collectLeafActions(top->menu(), &out);
    return out;
}

QAction* articleAction(const QMainWindow* window, const QString& topMenu, const QString& item) {
    for (QAction* action : articleActions(window, topMenu))
        if (action->text() == item) return action;
    return nullptr;
}

QStringList listTexts(const QTreeWidget* list) {
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i) out << list->topLevelItem(i)->text(0);
    return out;
}

}  // namespace

class ArticleReaderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        env_ = std::make_unique<TestEnvironment>();
        if (!env_->installReferenceDb(QStringLiteral(NUVELO_TEST_DB))) QSKIP("no reference database");
        nuvelo::platform::setMessageTestMode(true);
        QVERIFY(window_.open());
    }
    void cleanupTestCase() {
        window_.close();
    }
    void cleanup() {
        NuveloRead::setPrintTarget({});
        closeReader();
    }

    // Each of the 45 items lists its own category from its menu's table, in
    // the one article window.
    void everyMenuItemOpensItsCategory() {
        struct Menu {
            QString caption;
            QString table;
            int items;
        };
        const Menu menus[] = {{QStringLiteral("育儿知识[&Y]"), QStringLiteral("育儿百科"), 38},
                              {QStringLiteral("算命风水[&S]"), QStringLiteral("算命风水"), 7}};
        for (const Menu& menu : menus) {
            const QList<QAction*> actions = articleActions(window_.get(), menu.caption);
            QCOMPARE(actions.size(), menu.items);
            for (QAction* action : actions) {
                action->trigger();
                NuveloRead* reader = openReader();
                QVERIFY(reader);
                QCOMPARE(window_->findChildren<NuveloRead*>().size(), 1);
                QCOMPARE(reader->windowTitle(), action->text());
                QCOMPARE(nuvelo::platform::fromGbk(reader->table()), menu.table);
                QVERIFY2(reader->articleList()->topLevelItemCount() > 0, qPrintable(action->text()));
            }
        }
    }

    // Opening another category while the window is open refreshes it: caption,
    // table, the titles and the page of the first title.
    void anotherCategoryRefreshesTheOpenWindow() {
        QAction* stars = articleAction(window_.get(), QStringLiteral("算命风水[&S]"), QStringLiteral("星座算命"));
        QAction* feeding = articleAction(window_.get(), QStringLiteral("育儿知识[&Y]"), QStringLiteral("母乳喂养"));
        QVERIFY(stars && feeding);

        stars->trigger();
        NuveloRead* reader = openReader();
        QVERIFY(reader);
        QCOMPARE(reader->objectName(), QStringLiteral("NuveloRead"));
        QCOMPARE(reader->windowTitle(), QStringLiteral("星座算命"));
        const QStringList starTitles = listTexts(reader->articleList());

        feeding->trigger();
        QCOMPARE(openReader(), reader);
        QCOMPARE(reader->windowTitle(), QStringLiteral("母乳喂养"));
        QCOMPARE(nuvelo::platform::fromGbk(reader->table()), QStringLiteral("育儿百科"));

        const auto expected = nuvelo::reader::articleTitles(window_.context().db, nuvelo::platform::toGbk("育儿百科"),
                                                            nuvelo::platform::toGbk("母乳喂养"));
        QVERIFY(expected && !expected->empty());
        QStringList expectedTexts;
        for (const std::string& title : *expected) expectedTexts << nuvelo::platform::fromGbk(title);
        const QStringList shown = listTexts(reader->articleList());
        QCOMPARE(shown, expectedTexts);
        QVERIFY(shown != starTitles);

        QTreeWidget* list = reader->articleList();
        QCOMPARE(list->currentItem(), list->topLevelItem(0));
        QVERIFY(list->topLevelItem(0)->isSelected());
        QVERIFY(reader->browser()->toPlainText().contains(shown.first()));
    }

    // A chosen title is written to temp.html in GBK and shown; the window's
    // controls carry their design names.
    void choosingATitleShowsItsPage() {
        articleAction(window_.get(), QStringLiteral("育儿知识[&Y]"), QStringLiteral("母乳喂养"))->trigger();
        NuveloRead* reader = openReader();
        QVERIFY(reader);
        QTreeWidget* list = reader->articleList();
        QCOMPARE(list->objectName(), QStringLiteral("超级列表框_文章阅读"));
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("文章标题[点击阅读]"));
        QCOMPARE(list->columnCount(), 1);
        QCOMPARE(list->columnWidth(0), 232);
        QCOMPARE(reader->browser()->objectName(), QStringLiteral("网页浏览框1"));
        QVERIFY(findNamed<QWidget>(reader, "分组框4"));
        QVERIFY(findNamed<QWidget>(reader, "状态条1"));
        QVERIFY(list->topLevelItemCount() > 1);

        const QString second = list->topLevelItem(1)->text(0);
        list->setCurrentItem(list->topLevelItem(1));
        QVERIFY(reader->browser()->toPlainText().contains(second));

        QFile page(QString::fromStdString(nuvelo::settings::pagePath("temp.html")));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QByteArray bytes = page.readAll();
        const std::string gbkTitle = nuvelo::platform::toGbk(second);
        QVERIFY(bytes.contains(QByteArray::fromStdString("<H1>" + gbkTitle + "</H1>")));
        QVERIFY(bytes.contains("charset=gb2312"));
    }

    // Size changes keep the list 232 wide and fit the browser beside it; a
    // title chosen afterwards shows in the resized browser.
    void resizingRelaysTheControls() {
        articleAction(window_.get(), QStringLiteral("算命风水[&S]"), QStringLiteral("起名知识"))->trigger();
        NuveloRead* reader = openReader();
        QVERIFY(reader);
        QCOMPARE(reader->size(), QSize(876, 534));
        struct Size {
            int w, h;
        };
        for (const Size s : {Size{1000, 700}, Size{700, 400}}) {
            reader->resize(s.w, s.h);
            QTRY_COMPARE(reader->size(), QSize(s.w, s.h));
            QTreeWidget* list = reader->articleList();
            QCOMPARE(list->geometry(), QRect(0, 40, 232, s.h - 70));
            QCOMPARE(reader->browser()->geometry(), QRect(236, 40, s.w - 233, s.h - 70));
            QCOMPARE(findNamed<QWidget>(reader, "分组框4")->width(), s.w + 10);
        }
        QTreeWidget* list = reader->articleList();
        const int last = list->topLevelItemCount() - 1;
        list->setCurrentItem(list->topLevelItem(last));
        QVERIFY(reader->browser()->toPlainText().contains(list->topLevelItem(last)->text(0)));
        QCOMPARE(reader->browser()->size(), QSize(700 - 233, 400 - 70));
    }

    // The six buttons sit at the even toolbar indexes; 打印 prints the page,
    // 退出 closes the window, and the next menu choice opens a new one.
    void toolbarPrintsAndCloses() {
        articleAction(window_.get(), QStringLiteral("算命风水[&S]"), QStringLiteral("血型算命"))->trigger();
        NuveloRead* reader = openReader();
        QVERIFY(reader);
        const QStringList buttons = {"首页", "后退", "前进", "导出", "打印", "退出"};
        for (int i = 0; i < buttons.size(); ++i) {
            QVERIFY(reader->toolbarItem(2 * i));
            QCOMPARE(reader->toolbarItem(2 * i)->text(), buttons[i]);
            if (i > 0) QVERIFY(reader->toolbarItem(2 * i - 1)->isSeparator());
        }

        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
        NuveloRead::setPrintTarget(pdf);
        reader->toolbarItem(8)->trigger();
        QFile printed(pdf);
        QVERIFY(printed.open(QIODevice::ReadOnly));
        QVERIFY(printed.read(5) == "%PDF-");

        // The buttons without a task leave the window as it is.
        for (int index : {0, 2, 4, 6}) reader->toolbarItem(index)->trigger();
        QVERIFY(reader->isVisible());

        QPointer<NuveloRead> closed(reader);
        reader->toolbarItem(10)->trigger();
        QTRY_VERIFY(closed.isNull());
        QVERIFY(!openReader());

        articleAction(window_.get(), QStringLiteral("算命风水[&S]"), QStringLiteral("开运技巧"))->trigger();
        NuveloRead* reopened = openReader();
        QVERIFY(reopened);
        QCOMPARE(reopened->windowTitle(), QStringLiteral("开运技巧"));
        QVERIFY(reopened->articleList()->topLevelItemCount() > 0);
    }

private:
    NuveloRead* openReader() const {
        const QList<NuveloRead*> all = window_->findChildren<NuveloRead*>();
        return all.isEmpty() ? nullptr : all.first();
    }
    void closeReader() {
        QPointer<NuveloRead> reader(openReader());
        if (!reader) return;
        reader->close();
        QTRY_VERIFY(reader.isNull());
    }

    std::unique_ptr<TestEnvironment> env_;
    RunningWindow window_;
};

QTEST_MAIN(ArticleReaderTest)
#include "article_reader_test.moc"
