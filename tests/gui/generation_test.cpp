// Generation runs from the main window, offscreen, on the real reference
// database: the high-score list fills, pauses, continues and restarts
// without rows of an earlier run.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>
#include <set>

#include "app/name_list_view.h"
#include "app/nuvelo_main.h"
#include "app/nuvelo_waiting.h"
#include "gui_test_support.h"
#include "platform/message_box.h"

using nuvelo::app::NameListModel;
using nuvelo::app::NameListView;
using nuvelo::app::NuveloMain;
using namespace nuvelo::testing;

class GenerationTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    RunningWindow window_;

    NameListModel* highScore() const {
        return findNamed<NameListView>(window_.get(), "超级列表框_高分起名")->listModel();
    }
    QPushButton* button(const char* name) const { return findNamed<QPushButton>(window_.get(), name); }
    int ended_ = 0;  // runs seen to their end so far

    // Every row: score at least 90, sorted from the best, numbered 1..n, no
    // name twice, all beginning with the surname.
    void checkFinishedList() {
        NameListModel* m = highScore();
        QVERIFY(m->count() > 0);
        QVERIFY(m->count() <= 10000);
        std::set<std::string> names;
        for (int r = 0; r < m->count(); ++r) {
            QCOMPARE(m->cellText(r, 0), std::to_string(r + 1));
            QVERIFY(m->sortKey(r) >= 90);
            if (r) QVERIFY(m->sortKey(r) <= m->sortKey(r - 1));
            QVERIFY(names.insert(m->cellText(r, 1)).second);
            QCOMPARE(m->cellText(r, 1).substr(0, 2), std::string("\xC0\xEE"));  // 李
        }
    }

private slots:
    void initTestCase() {
        env_ = std::make_unique<TestEnvironment>();
        if (!env_->installReferenceDb(QStringLiteral(NUVELO_TEST_DB))) QSKIP("no reference database");
        nuvelo::platform::setMessageTestMode(true);
        QVERIFY(window_.open());
        findNamed<QLineEdit>(window_.get(), "编辑框_姓氏")->setText("李");
        findNamed<QComboBox>(window_.get(), "组合框_性别")->setCurrentText("男");
        findNamed<QComboBox>(window_.get(), "组合框_名字个数")->setCurrentText("二字");
        findNamed<QRadioButton>(window_.get(), "单选框_高分起名")->setChecked(true);
    }
    void cleanupTestCase() {
        window_.close();
    }

    void highScoreRunFillsTheListOnce() {
        QTest::mouseClick(button("按钮_起名"), Qt::LeftButton);
        QCOMPARE(window_->pages()->currentIndex(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(window_->finishedRuns() > ended_, 60000);
        ended_ = window_->finishedRuns();
        checkFinishedList();
        const std::string first = highScore()->cellText(0, 1);
        const int rows = highScore()->count();
        // the same surname again only shows the earlier results
        QTest::mouseClick(button("按钮_起名"), Qt::LeftButton);
        QTest::qWait(200);
        QCOMPARE(highScore()->count(), rows);
        QCOMPARE(highScore()->cellText(0, 1), first);
        QCOMPARE(window_->finishedRuns(), ended_);
    }

    void pauseStopsRowsAndContinueFinishes() {
        QTest::mouseClick(button("按钮_再生成一次"), Qt::LeftButton);
        // the first row of the new run enables the pause button
        QTRY_VERIFY_WITH_TIMEOUT(highScore()->count() > 0 && button("按钮_高分暂停")->isEnabled(), 30000);
        QTest::mouseClick(button("按钮_高分暂停"), Qt::LeftButton);
        QCOMPARE(button("按钮_高分暂停")->text(), QStringLiteral("继续"));
        QVERIFY(button("按钮_高分导出")->isEnabled());
        QTest::qWait(100);  // rows handed over before the pause arrive
        const int paused = highScore()->count();
        QTest::qWait(300);
        QCOMPARE(highScore()->count(), paused);
        QTest::mouseClick(button("按钮_高分暂停"), Qt::LeftButton);
        QCOMPARE(button("按钮_高分暂停")->text(), QStringLiteral("暂停"));
        QTRY_VERIFY_WITH_TIMEOUT(window_->finishedRuns() > ended_, 60000);
        ended_ = window_->finishedRuns();
        QVERIFY(highScore()->count() >= paused);
        checkFinishedList();
    }

    void againDuringARunLeavesNoOldRow() {
        QTest::mouseClick(button("按钮_再生成一次"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(highScore()->count() > 0, 30000);
        // The run disables the button while it lists; a click that arrives
        // before that (or a restart from elsewhere) reaches the handler.
        QVERIFY(QMetaObject::invokeMethod(window_.get(), "onHighScoreAgain", Qt::DirectConnection));
        QCOMPARE(highScore()->count(), 0);
        ended_ = window_->finishedRuns();  // the first run may have ended already
        QTRY_VERIFY_WITH_TIMEOUT(window_->finishedRuns() > ended_, 60000);
        ended_ = window_->finishedRuns();
        checkFinishedList();
    }
};

QTEST_MAIN(GenerationTest)
#include "generation_test.moc"
