// The report windows offscreen on the real reference database: a double
// click on a generated name opens the tabbed report and files the name once,
// the scoring tab rates typed names, and the dictionary shows a character's
// page in the single-page window.
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

#include "app/name_list_view.h"
#include "app/nuvelo_conten.h"
#include "app/nuvelo_main.h"
#include "app/nuvelo_word.h"
#include "gui_test_support.h"
#include "platform/gbk_qstring.h"
#include "platform/message_box.h"
#include "settings/program_paths.h"

using nuvelo::app::NameListModel;
using nuvelo::app::NameListRow;
using nuvelo::app::NameListView;
using nuvelo::app::NuveloConten;
using nuvelo::app::NuveloMain;
using nuvelo::app::NuveloWord;
using nuvelo::platform::fromGbk;
using nuvelo::platform::toGbk;
using namespace nuvelo::testing;

class ReportWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    RunningWindow window_;

    NameListView* list(const char* name) const { return findNamed<NameListView>(window_.get(), name); }
    NameListModel* records() const { return list("超级列表框_记录列表")->listModel(); }
    NuveloConten* reportWindow() const { return window_->findChild<NuveloConten*>(); }

    // Puts one generated row into `listName` and double-clicks it on screen.
    void doubleClickGenerated(const char* listName, int page, const QString& name) {
        NameListView* view = list(listName);
        NameListModel* model = view->listModel();
        int row = model->findByName(toGbk(name));
        if (row < 0) {
            model->appendRow(NameListRow{{"", toGbk(name), "11", "13", "jmh", "1,2,3,4,5", "mmm", "88"}, 88});
            row = model->count() - 1;
        }
        doubleClickRow(view, page, row);
    }
    void doubleClickRow(NameListView* view, int page, int row) {
        window_->pages()->setCurrentIndex(page);
        QApplication::processEvents();
        const QRect rect = view->visualRect(view->model()->index(row, 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }
    QStringList tabTexts() const {
        QStringList texts;
        QTabWidget* tabs = reportWindow()->tabs();
        for (int i = 0; i < tabs->count(); ++i)
            texts << (tabs->isTabEnabled(i) ? tabs->tabText(i) : QStringLiteral("-"));
        return texts;
    }

private slots:
    void initTestCase() {
        env_ = std::make_unique<TestEnvironment>();
        if (!env_->installReferenceDb(QStringLiteral(NUVELO_TEST_DB))) QSKIP("no reference database");
        QVERIFY(window_.open());
    }
    void cleanupTestCase() {
        window_.close();
    }

    void generatedNameOpensTabsAndFilesOneRecord() {
        findNamed<QLineEdit>(window_.get(), "编辑框_姓氏")->setText(QStringLiteral("张"));
        doubleClickGenerated("超级列表框_高分起名", nuvelo::app::kPageHighScore, QStringLiteral("张三丰"));
        NuveloConten* report = reportWindow();
        QVERIFY(report);
        QVERIFY(report->isVisible());
        QCOMPARE(report->objectName(), QStringLiteral("NuveloConten"));
        QCOMPARE(report->windowTitle(), QStringLiteral("张三丰姓名详细解释"));
        QCOMPARE(tabTexts(), (QStringList{QStringLiteral("姓名详细解释"), QStringLiteral("张"), QStringLiteral("三"),
                                          QStringLiteral("丰"), QStringLiteral("-"), QStringLiteral("姓氏起源")}));
        QVERIFY(!report->browser(0)->toPlainText().isEmpty());
        QCOMPARE(records()->count(), 1);
        QCOMPARE(records()->cellText(0, 0), std::string("1"));
        QCOMPARE(fromGbk(records()->cellText(0, 1)), QStringLiteral("张\r\n三丰"));
        for (int column = 2; column <= 7; ++column)
            QCOMPARE(records()->cellText(0, column), list("超级列表框_高分起名")->listModel()->cellText(0, column));

        // Again: the open window is refilled, no second record or window.
        doubleClickGenerated("超级列表框_高分起名", nuvelo::app::kPageHighScore, QStringLiteral("张三丰"));
        QCOMPARE(window_->findChildren<NuveloConten*>().size(), 1);
        QCOMPARE(reportWindow()->windowTitle(), QStringLiteral("张三丰姓名详细解释"));
        QCOMPARE(records()->count(), 1);
    }

    void newSurnameCutsTheGeneratedCellAndRefreshesTabs() {
        findNamed<QLineEdit>(window_.get(), "编辑框_姓氏")->setText(QStringLiteral("欧阳"));
        doubleClickGenerated("超级列表框_组合列表", nuvelo::app::kPageCombination, QStringLiteral("欧阳明轩"));
        QCOMPARE(window_->findChildren<NuveloConten*>().size(), 1);
        QCOMPARE(tabTexts(), (QStringList{QStringLiteral("姓名详细解释"), QStringLiteral("欧"), QStringLiteral("阳"),
                                          QStringLiteral("明"), QStringLiteral("轩"), QStringLiteral("姓氏起源")}));
        QCOMPARE(records()->count(), 2);
        QCOMPARE(fromGbk(records()->cellText(1, 1)), QStringLiteral("欧阳\r\n明轩"));
    }

    void choosingAPageReloadsItsFile() {
        NuveloConten* report = reportWindow();
        QVERIFY(report);
        report->tabs()->setCurrentIndex(0);
        QFile page(QString::fromStdString(nuvelo::settings::pagePath("temp2.html")));
        QVERIFY(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
        page.write("<html><body>reloaded-page</body></html>");
        page.close();
        report->tabs()->setCurrentIndex(2);
        QCOMPARE(report->browser(2)->toPlainText().trimmed(), QStringLiteral("reloaded-page"));
    }

    void resizeFollowsTheWindow() {
        NuveloConten* report = reportWindow();
        QVERIFY(report);
        report->resize(1000, 700);
        QCOMPARE(report->tabs()->size(), QSize(999, 630));
        for (int i = 0; i < 6; ++i) QCOMPARE(report->browser(i)->size(), QSize(992, 596));
        QCOMPARE(findNamed<QFrame>(report, "分组框4")->width(), 1010);
    }

    void printGoesToThePrinterAndCloseDestroys() {
        QPointer<NuveloConten> report = reportWindow();
        QVERIFY(report);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("page.pdf"));
        NuveloConten::setPrintTarget(pdf);
        report->toolbarItem(8)->trigger();
        NuveloConten::setPrintTarget(QString());
        QVERIFY(QFileInfo(pdf).size() > 0);
        QVERIFY(report->toolbarItem(9)->isSeparator());
        report->toolbarItem(10)->trigger();
        QTRY_VERIFY(report.isNull());
    }

    void scoredNameIsRatedOnceAndNotFiled() {
        findNamed<QLineEdit>(window_.get(), "编辑框_评分姓氏")->setText(QStringLiteral("张"));
        findNamed<QLineEdit>(window_.get(), "编辑框_评分名字")->setText(QStringLiteral("三丰"));
        QPushButton* score = findNamed<QPushButton>(window_.get(), "按钮_评分");
        window_->pages()->setCurrentIndex(nuvelo::app::kPageScoring);
        QTest::mouseClick(score, Qt::LeftButton);
        QTest::mouseClick(score, Qt::LeftButton);
        NameListView* view = list("超级列表框_评分列表");
        NameListModel* scored = view->listModel();
        QCOMPARE(scored->count(), 1);
        QCOMPARE(fromGbk(scored->cellText(0, 1)), QStringLiteral("张\r\n三丰"));
        const QStringList grids = fromGbk(scored->cellText(0, 5)).split(QLatin1Char(','));
        QCOMPARE(grids.size(), 5);
        for (const QString& grid : grids) QVERIFY(grid.toInt() > 0);
        QCOMPARE(fromGbk(scored->cellText(0, 3)), grids[3]);
        QVERIFY(fromGbk(scored->cellText(0, 2)).toInt() > 0);

        const int filed = records()->count();
        doubleClickRow(view, nuvelo::app::kPageScoring, 0);
        QVERIFY(reportWindow());
        QCOMPARE(reportWindow()->windowTitle(), QStringLiteral("张\r\n三丰姓名详细解释"));
        QCOMPARE(records()->count(), filed);
    }

    void blankScoringInputIsRefused_data() {
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("message");
        QTest::newRow("no surname") << QStringLiteral("") << QStringLiteral("伟") << QStringLiteral("请输入姓氏");
        QTest::newRow("blank surname") << QStringLiteral("  ") << QStringLiteral("伟") << QStringLiteral("请输入姓氏");
        QTest::newRow("no given name") << QStringLiteral("王") << QStringLiteral("") << QStringLiteral("请输入名字");
        QTest::newRow("blank given name") << QStringLiteral("王") << QStringLiteral(" ") << QStringLiteral("请输入名字");
    }
    void blankScoringInputIsRefused() {
        QFETCH(QString, surname);
        QFETCH(QString, given);
        QFETCH(QString, message);
        nuvelo::platform::clearRecordedMessages();
        findNamed<QLineEdit>(window_.get(), "编辑框_评分姓氏")->setText(surname);
        findNamed<QLineEdit>(window_.get(), "编辑框_评分名字")->setText(given);
        const int rows = list("超级列表框_评分列表")->listModel()->count();
        QTest::mouseClick(findNamed<QPushButton>(window_.get(), "按钮_评分"), Qt::LeftButton);
        const auto& seen = nuvelo::platform::recordedMessages();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].title, QStringLiteral("提示"));
        QCOMPARE(seen[0].text, message);
        QCOMPARE(list("超级列表框_评分列表")->listModel()->count(), rows);
    }

    void dictionaryShowsThePageAndRefreshesIt() {
        NuveloWord dictionary(window_.context(), window_.get());
        dictionary.characterEdit()->setText(QStringLiteral("国"));
        QTest::mouseClick(findNamed<QPushButton>(&dictionary, "按钮_查询"), Qt::LeftButton);
        QPointer<NuveloConten> page = dictionary.pageWindow();
        QVERIFY(page);
        QCOMPARE(page->kind(), NuveloConten::Kind::SinglePage);
        QCOMPARE(page->windowTitle(), QStringLiteral(" 汉字[ 国 ]的详细解释"));
        QVERIFY(page->browser(0)->toPlainText().contains(QStringLiteral("国")));

        dictionary.characterEdit()->setText(QStringLiteral("森"));
        QTest::mouseClick(findNamed<QPushButton>(&dictionary, "按钮_查询"), Qt::LeftButton);
        QCOMPARE(dictionary.pageWindow(), page.data());
        QCOMPARE(page->windowTitle(), QStringLiteral(" 汉字[ 森 ]的详细解释"));
        QVERIFY(page->browser(0)->toPlainText().contains(QStringLiteral("森")));
    }
};

QTEST_MAIN(ReportWindowTest)
#include "report_window_test.moc"
