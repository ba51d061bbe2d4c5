// The main window: start state, toolbar and menu actions, the date lists of
// the pages, mode radios, the element filters, the start-up load message and
// the exit sequence. Runs offscreen.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>
#include <memory>

#include "app/nuvelo_main.h"
#include "birthchart/birth_chart.h"
#include "gui_test_support.h"
#include "platform/gbk_qstring.h"
#include "platform/message_box.h"

using nuvelo::app::NuveloMain;
using namespace nuvelo::testing;

namespace {

struct DateListExpectation {
    const char* name;
    int count;
    QString selected;
};

void checkDateLists(const QWidget* window, const QList<DateListExpectation>& lists) {
    for (const DateListExpectation& expected : lists) {
        auto* list = findNamed<QComboBox>(window, QString::fromUtf8(expected.name));
        QVERIFY2(list, expected.name);
        QCOMPARE(list->count(), expected.count);
        QCOMPARE(list->currentText(), expected.selected);
    }
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { env_ = std::make_unique<TestEnvironment>(); }
    void init() {
        nuvelo::platform::clearRecordedMessages();
        QVERIFY(window_.open(false));
    }
    void cleanup() {
        window_.close();
    }

    void startStateOfTheWindow() {
        QCOMPARE(window_->objectName(), QStringLiteral("NuveloMain"));
        QCOMPARE(window_->windowTitle(), QStringLiteral("禾芽专业宝宝取名软件V1.2"));
        QCOMPARE(window_->size(), QSize(729, 513));
        QVERIFY(window_->isVisible());
        QCOMPARE(window_->pages()->count(), 11);
        const QStringList tabs = {"模式选择", "高分模式", "诗词起名", "组合起名", "起小名",  "起英文名",
                                  "生辰八字", "姓名评分", "起名记录", "超吉模式", "经典模式"};
        for (int i = 0; i < tabs.size(); ++i) QCOMPARE(window_->pages()->tabText(i), tabs[i]);
        checkDateLists(window_.get(), {{"组合框_年份", 61, "2013"},
                                       {"组合框_月份", 12, "1"},
                                       {"组合框_日子", 31, "1"},
                                       {"组合框_时间", 24, "0"},
                                       {"组合框_分钟", 60, "0"}});
        QCOMPARE(findNamed<QComboBox>(window_.get(), "组合框_年份")->itemText(0), QStringLiteral("1970"));
        QCOMPARE(findNamed<QComboBox>(window_.get(), "组合框_年份")->itemText(60), QStringLiteral("2030"));
        QCOMPARE(window_->statusIconIndex(), 0);
        QCOMPARE(window_->statusText(), QStringLiteral("高速生成,以好听为主,不考虑名字的五行数理等因素"));
        QVERIFY(findNamed<QRadioButton>(window_.get(), "单选框_经典起名")->isChecked());
        QVERIFY(findNamed<QRadioButton>(window_.get(), "单选框_AA型")->isChecked());
        QVERIFY(findNamed<QRadioButton>(window_.get(), "单选框1")->isChecked());
        QVERIFY(window_->lastRunSurname().empty());
        QCOMPARE(window_->generationCharacterFlag(), 0);
        QVERIFY(findNamed<QWidget>(window_.get(), "媒体播放1"));
        QCOMPARE(findNamed<QWidget>(window_.get(), "媒体播放1")->size(), QSize(26, 26));
        for (const char* name :
             {"超级列表框_高分起名", "超级列表框_诗名列表", "超级列表框_组合列表", "超级列表框_小名列表",
              "超级列表框_英文列表", "超级列表框_评分列表", "超级列表框_记录列表", "超级列表框_超吉起名", "高级选择夹2",
              "编辑框_经典名字", "按钮_起名", "八字五行标签", "缺五行标签"})
            QVERIFY2(findNamed<QWidget>(window_.get(), QString::fromUtf8(name)), name);
        QCOMPARE(findNamed<QTabWidget>(window_.get(), "高级选择夹2")->count(), 3);
        QVERIFY(findNamed<QLabel>(window_.get(), "八字五行标签")->isHidden());
    }

    // The chart on page 6 is the core's chart of the chosen date source.
    void birthChartShowsTheCoresChart() {
        auto expectChart = [this](const char* y, const char* m, const char* d, const char* h) {
            const auto chart = nuvelo::birthchart::buildBirthChart(y, m, d, h);
            QString text = nuvelo::platform::fromGbk(chart.text);
            text.replace("\r\n", "\n");
            QCOMPARE(findNamed<QPlainTextEdit>(window_.get(), "编辑框_八字信息")->toPlainText(), text);
            QCOMPARE(findNamed<QLabel>(window_.get(), "八字五行标签")->text(),
                     nuvelo::platform::fromGbk(chart.elementPairs));
            QCOMPARE(findNamed<QLabel>(window_.get(), "缺五行标签")->text(), nuvelo::platform::fromGbk(chart.missing));
        };
        expectChart("2013", "1", "1", "0");  // computed by the start handler

        window_->onToolbarItem(2);
        findNamed<QRadioButton>(window_.get(), "单选框_自定义日期")->setChecked(true);
        findNamed<QComboBox>(window_.get(), "组合框_八字年份")->setCurrentText("1999");
        findNamed<QComboBox>(window_.get(), "组合框_八字月份")->setCurrentText("12");
        findNamed<QComboBox>(window_.get(), "组合框_八字日子")->setCurrentText("31");
        findNamed<QComboBox>(window_.get(), "组合框_八字时间")->setCurrentText("23");
        QTest::mouseClick(findNamed<QWidget>(window_.get(), "按钮_八字查询"), Qt::LeftButton);
        expectChart("1999", "12", "31", "23");
    }

    void scoringToolbarTwiceKeepsOneSetOfDates() {
        findNamed<QLineEdit>(window_.get(), "编辑框_姓氏")->setText("欧阳");
        QToolButton* scoring = toolbarButton(window_.get(), "工具条1", "姓名评分");
        QVERIFY(scoring);
        QTest::mouseClick(scoring, Qt::LeftButton);
        findNamed<QComboBox>(window_.get(), "组合框_评分年份")->setCurrentIndex(3);
        QTest::mouseClick(scoring, Qt::LeftButton);
        checkDateLists(window_.get(), {{"组合框_评分年份", 61, "2013"},
                                       {"组合框_评分月份", 12, "1"},
                                       {"组合框_评分日子", 31, "1"},
                                       {"组合框_评分时间", 24, "0"},
                                       {"组合框_评分分钟", 60, "0"}});
        QCOMPARE(findNamed<QLineEdit>(window_.get(), "编辑框_评分姓氏")->text(), QStringLiteral("欧阳"));
        QCOMPARE(window_->pages()->currentIndex(), 7);
    }

    void birthChartToolbarShowsTheNamingDate() {
        QToolButton* chart = toolbarButton(window_.get(), "工具条1", "生辰八字");
        QVERIFY(chart);
        QTest::mouseClick(chart, Qt::LeftButton);
        findNamed<QComboBox>(window_.get(), "组合框_八字年份")->setCurrentText("1980");
        findNamed<QComboBox>(window_.get(), "组合框_八字时间")->setCurrentText("9");
        findNamed<QComboBox>(window_.get(), "组合框_年份")->setCurrentText("2001");
        findNamed<QComboBox>(window_.get(), "组合框_月份")->setCurrentText("5");
        findNamed<QComboBox>(window_.get(), "组合框_日子")->setCurrentText("6");
        findNamed<QComboBox>(window_.get(), "组合框_时间")->setCurrentText("7");
        QTest::mouseClick(chart, Qt::LeftButton);
        QCOMPARE(findNamed<QLabel>(window_.get(), "透明标签_起名日期")->text(), QStringLiteral("2001年5月6日7时"));
        checkDateLists(window_.get(), {{"组合框_八字年份", 61, "2013"},
                                       {"组合框_八字月份", 12, "1"},
                                       {"组合框_八字日子", 31, "1"},
                                       {"组合框_八字时间", 24, "0"}});
        QCOMPARE(window_->pages()->currentIndex(), 6);
    }

    void modeRadiosSetTheStatusBar_data() {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("text");
        QTest::newRow("高分") << "单选框_高分起名" << 1 << "1-20秒内生成10000个90分以上的高分姓名";
        QTest::newRow("诗词") << "单选框_诗词起名" << 2 << "使用近3000位诗人的数十万诗词进行组合起名";
        QTest::newRow("组合") << "单选框_组合起名" << 3 << "使用您自定义的字进行组合起名";
        QTest::newRow("小名") << "单选框_起小名" << 4 << "小名即为乳名,以好听为主,侧重好记好听顺口,评分不用考虑";
        QTest::newRow("英文") << "单选框_起英文名" << 5 << "有了中文名之后,还应该给宝宝起个英文名字,向国际化接轨";
        QTest::newRow("超吉") << "单选框_超吉起名" << 6
                              << "系统将在1000万个名字中提取超吉名字,起名时间较长,并且不考虑单字名";
        QTest::newRow("经典") << "单选框_经典起名" << 0 << "高速生成,以好听为主,不考虑名字的五行数理等因素";
    }
    void modeRadiosSetTheStatusBar() {
        QFETCH(QString, radio);
        QFETCH(int, icon);
        QFETCH(QString, text);
        // Start from another mode so the click really changes something.
        QTest::mouseClick(findNamed<QRadioButton>(window_.get(), icon == 0 ? "单选框_起小名" : "单选框_经典起名"),
                          Qt::LeftButton);
        auto* button = findNamed<QRadioButton>(window_.get(), radio);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(button->isChecked());
        QCOMPARE(window_->statusIconIndex(), icon);
        QCOMPARE(window_->statusText(), text);
        QCOMPARE(window_->pages()->currentIndex(), 0);  // nothing else changes
    }

    void operationMenuRunsTheToolbarActions_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("page");
        QTest::newRow("生辰八字") << "生辰八字" << 6;
        QTest::newRow("姓名评分") << "姓名评分" << 7;
        QTest::newRow("起名记录") << "起名记录" << 8;
        QTest::newRow("模式选择") << "模式选择" << 0;
    }
    void operationMenuRunsTheToolbarActions() {
        QFETCH(QString, item);
        QFETCH(int, page);
        window_->pages()->setCurrentIndex(page == 0 ? 10 : 0);
        QAction* action = menuAction(window_.get(), "操作菜单[&C]", item);
        QVERIFY(action);
        action->trigger();
        QCOMPARE(window_->pages()->currentIndex(), page);
    }

    void dictionaryOpensAsModalDialog() {
        for (QAction* action : {menuAction(window_.get(), "操作菜单[&C]", "新华字典"),
                                toolbarButton(window_.get(), "工具条1", "新华字典")->defaultAction()}) {
            QVERIFY(action);
            QString seen;
            closeNextModal(&seen);
            action->trigger();  // returns when the dialog is closed
            QCOMPARE(seen, QStringLiteral("NuveloWord"));
        }
    }

    void menusAndToolbarHoldTheirItems() {
        QStringList titles;
        for (QAction* top : window_->menuBar()->actions()) titles << top->text();
        QCOMPARE(titles, QStringList({"操作菜单[&C]", "育儿知识[&Y]", "算命风水[&S]", "帮助[&H]"}));
        auto countItems = [](auto&& self, const QMenu* menu) -> int {
            int n = 0;
            for (QAction* a : menu->actions()) n += a->menu() ? self(self, a->menu()) : (a->isSeparator() ? 0 : 1);
            return n;
        };
        const QList<QAction*> tops = window_->menuBar()->actions();
        QCOMPARE(countItems(countItems, tops[1]->menu()) + countItems(countItems, tops[2]->menu()), 45);
        QCOMPARE(countItems(countItems, tops[2]->menu()), 7);
        QVERIFY(menuAction(window_.get(), "算命风水[&S]", "起名知识"));
        QVERIFY(menuAction(window_.get(), "帮助[&H]", "关于软件"));

        const QList<QAction*> items = findNamed<QToolBar>(window_.get(), "工具条1")->actions();
        QCOMPARE(items.size(), 9);
        for (int i = 0; i < items.size(); ++i) {
            QCOMPARE(items[i]->isSeparator(), i % 2 == 1);
            QCOMPARE(window_->toolbarItem(i), items[i]);
        }
    }

    void elementFiltersFollowTheirMasters() {
        auto box = [this](const QString& name) { return findNamed<QCheckBox>(window_.get(), name); };
        const QString elements[] = {"金", "木", "水", "火", "土"};
        auto checkFamily = [&](int family, bool checked, bool elementsEnabled) {
            for (const QString& e : elements) {
                QCOMPARE(box(QStringLiteral("选择框_%1%2").arg(e).arg(family))->isChecked(), checked);
                QCOMPARE(box(QStringLiteral("选择框_%1%2").arg(e).arg(family))->isEnabled(), elementsEnabled);
            }
        };
        QVERIFY(box("选择框_所有字必带五行")->isChecked());
        checkFamily(2, true, true);
        for (int family : {0, 1, 3}) checkFamily(family, false, false);
        QVERIFY(!box("选择框_第二个字五行限定")->isEnabled());
        QVERIFY(box("选择框_所有字不能带五行")->isEnabled());

        // Unchecking the only checked whole-name master frees the position family.
        window_->pages()->setCurrentIndex(9);
        QTest::mouseClick(box("选择框_所有字必带五行"), Qt::LeftButton);
        checkFamily(2, true, false);  // ticks stay, boxes disabled
        QVERIFY(box("选择框_第二个字五行限定")->isEnabled());
        QVERIFY(box("选择框_第三个字五行限定")->isEnabled());

        // Checking a position master shuts the whole-name family out again.
        QTest::mouseClick(box("选择框_第二个字五行限定"), Qt::LeftButton);
        checkFamily(0, false, true);
        QVERIFY(!box("选择框_所有字必带五行")->isEnabled());
        QVERIFY(!box("选择框_所有字不能带五行")->isEnabled());
    }

    void missingDatabaseIsReportedOnceAndTheWindowRuns() {
        QVERIFY(!QFile::exists(env_->homeDir() + "/data/namedata.db"));
        QTRY_COMPARE(nuvelo::platform::recordedMessages().size(), 1);
        QTest::qWait(100);
        QCOMPARE(nuvelo::platform::recordedMessages().size(), 1);
        const auto& message = nuvelo::platform::recordedMessages().first();
        QCOMPARE(message.text, QStringLiteral("将磁盘数据库附加到内存数据库失败！"));
        QCOMPARE(message.title, QStringLiteral("提示"));
        QCOMPARE(message.icon, nuvelo::platform::MessageIcon::Critical);
        QVERIFY(window_->isVisible());
        window_->onToolbarItem(4);
        QCOMPARE(window_->pages()->currentIndex(), 7);
    }

    void exitSequenceEndsTheLoadAndClosesTheDatabase() {
        cleanup();
        QVERIFY(env_->installEmptyReferenceDb());
        init();
        QVERIFY(window_->close());
        QVERIFY(!window_.context().loadThread.joinable());
        QVERIFY(!window_.context().db.isOpen());
        QTest::qWait(50);  // a failed load's message would arrive by now
        QVERIFY(nuvelo::platform::recordedMessages().isEmpty());
        window_->runExitSequence();  // a second exit does nothing
        env_->removeReferenceDb();
    }

    void exitMenuItemClosesTheWindow() {
        QAction* exit = menuAction(window_.get(), "操作菜单[&C]", "退出程序");
        QVERIFY(exit);
        exit->trigger();
        QVERIFY(!window_->isVisible());
        QVERIFY(!window_.context().loadThread.joinable());
        QVERIFY(!window_.context().db.isOpen());
    }

private:
    std::unique_ptr<TestEnvironment> env_;
    RunningWindow window_;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
