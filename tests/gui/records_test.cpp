// Saved names and settings across starts, offscreen: records are written as
// soon as they change, deleted from the pop-up menu with renumbering, and an
// unwritable settings folder neither loses the saved file nor says anything.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <unistd.h>

#include "app/name_list_view.h"
#include "app/nuvelo_main.h"
#include "gui_test_support.h"
#include "platform/gbk_qstring.h"
#include "platform/message_box.h"
#include "settings/name_records.h"

using nuvelo::app::NameListModel;
using nuvelo::app::NameListRow;
using nuvelo::app::NameListView;
using nuvelo::app::NuveloMain;
using nuvelo::platform::fromGbk;
using nuvelo::platform::toGbk;
using namespace nuvelo::testing;

namespace {

nuvelo::settings::NameRecord record(const QString& surname, const QString& given) {
    return {nuvelo::settings::recordName(toGbk(surname), toGbk(given)), "1", "2", "3", "4", "5", "6"};
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class RecordsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    RunningWindow window_;

    // A fresh window restored from the settings file, as at a program start.
    void startWindow() {
        QVERIFY(window_.open());
    }
    NameListView* recordView() const { return findNamed<NameListView>(window_.get(), "超级列表框_记录列表"); }
    NameListModel* records() const { return recordView()->listModel(); }
    std::string config() const { return env_->configPath().toStdString(); }

    void doubleClickHighScore(const QString& name) {
        NameListView* view = findNamed<NameListView>(window_.get(), "超级列表框_高分起名");
        view->listModel()->appendRow(NameListRow{{"", toGbk(name), "11", "13", "jmh", "1,2,3,4,5", "mmm", "88"}, 88});
        view->selectRow(view->listModel()->count() - 1);
        emit view->rowDoubleClicked(view->listModel()->count() - 1);
    }
    // Right-clicks the record list and picks 删除记录 from the menu.
    void chooseDelete() {
        QString menuName;
        QTimer::singleShot(50, [&menuName] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            menuName = menu->objectName();
            menu->setActiveAction(menu->actions().value(0));
            QTest::keyClick(menu, Qt::Key_Return);
        });
        emit recordView()->rowContextMenuRequested(recordView()->selectedRow(), QPoint(100, 100));
        QCOMPARE(menuName, QStringLiteral("记录列表菜单"));
    }

private slots:
    void init() {
        env_ = std::make_unique<TestEnvironment>();
        if (!env_->installReferenceDb(QStringLiteral(NUVELO_TEST_DB))) QSKIP("no reference database");
    }
    void cleanup() {
        window_.close();
        env_.reset();
    }

    void firstStartLeavesTheCombinationBoxEmpty() {
        startWindow();
        QCOMPARE(findNamed<QLineEdit>(window_.get(), "编辑框_组合的字")->text(), QString());
        QCOMPARE(records()->count(), 0);
    }

    void savedInputsAreRestored_data() {
        QTest::addColumn<int>("sex");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("sexShown");
        QTest::addColumn<QString>("lengthShown");
        QTest::newRow("1 1") << 1 << 1 << QStringLiteral("女") << QStringLiteral("二字");
        QTest::newRow("5 2") << 5 << 2 << QStringLiteral("女") << QStringLiteral("一字");
        QTest::newRow("0 0") << 0 << 0 << QStringLiteral("男") << QStringLiteral("一字");
    }
    void savedInputsAreRestored() {
        QFETCH(int, sex);
        QFETCH(int, length);
        QFETCH(QString, sexShown);
        QFETCH(QString, lengthShown);
        nuvelo::settings::SavedInputs saved;
        saved.surname = toGbk(QStringLiteral("欧阳"));
        saved.sexIndex = sex;
        saved.lengthIndex = length;
        saved.combination = toGbk(QStringLiteral("天南"));
        saved.englishGiven = "Tom";
        saved.scoringGiven = toGbk(QStringLiteral("明"));
        saved.records = {record(QStringLiteral("张"), QStringLiteral("伟")),
                         record(QStringLiteral("欧阳"), QStringLiteral("明"))};
        QVERIFY(nuvelo::settings::saveSavedInputs(config(), saved));
        startWindow();
        QCOMPARE(findNamed<QLineEdit>(window_.get(), "编辑框_姓氏")->text(), QStringLiteral("欧阳"));
        QCOMPARE(findNamed<QComboBox>(window_.get(), "组合框_性别")->currentText(), sexShown);
        QCOMPARE(findNamed<QComboBox>(window_.get(), "组合框_名字个数")->currentText(), lengthShown);
        QCOMPARE(findNamed<QLineEdit>(window_.get(), "编辑框_组合的字")->text(), QStringLiteral("天南"));
        QCOMPARE(findNamed<QLineEdit>(window_.get(), "编辑框_英文名字")->text(), QStringLiteral("Tom"));
        QCOMPARE(findNamed<QLineEdit>(window_.get(), "编辑框_评分名字")->text(), QStringLiteral("明"));
        QCOMPARE(records()->count(), 2);
        QCOMPARE(records()->cellText(1, 0), std::string("2"));
        QCOMPARE(fromGbk(records()->cellText(1, 1)), QStringLiteral("欧阳\r\n明"));
        QCOMPARE(records()->cellText(1, 7), std::string("6"));
    }

    void addedRecordIsOnDiskAtOnceAndSurvivesARestart() {
        startWindow();
        findNamed<QLineEdit>(window_.get(), "编辑框_姓氏")->setText(QStringLiteral("张"));
        doubleClickHighScore(QStringLiteral("张伟"));
        QCOMPARE(records()->count(), 1);
        // No exit sequence: what a killed process leaves behind.
        const nuvelo::settings::SavedInputs onDisk = nuvelo::settings::loadSavedInputs(config());
        QCOMPARE(onDisk.records.size(), std::size_t(1));
        QCOMPARE(fromGbk(onDisk.records[0][0]), QStringLiteral("张\r\n伟"));
        startWindow();
        QCOMPARE(records()->count(), 1);
        QCOMPARE(records()->cellText(0, 0), std::string("1"));
        QCOMPARE(fromGbk(records()->cellText(0, 1)), QStringLiteral("张\r\n伟"));
        QCOMPARE(records()->cellText(0, 6), std::string("mmm"));
    }

    void deletingRenumbersAndIsSaved() {
        nuvelo::settings::SavedInputs saved;
        saved.records = {record(QStringLiteral("张"), QStringLiteral("伟")),
                         record(QStringLiteral("李"), QStringLiteral("明")),
                         record(QStringLiteral("王"), QStringLiteral("芳"))};
        QVERIFY(nuvelo::settings::saveSavedInputs(config(), saved));
        startWindow();
        window_->pages()->setCurrentIndex(nuvelo::app::kPageRecords);

        // Nothing selected: the menu item changes nothing.
        chooseDelete();
        QCOMPARE(records()->count(), 3);

        recordView()->selectRow(1);
        chooseDelete();
        QCOMPARE(records()->count(), 2);
        QCOMPARE(records()->cellText(0, 0), std::string("1"));
        QCOMPARE(records()->cellText(1, 0), std::string("2"));
        QCOMPARE(fromGbk(records()->cellText(1, 1)), QStringLiteral("王\r\n芳"));
        QCOMPARE(nuvelo::settings::loadSavedInputs(config()).records.size(), std::size_t(2));
    }

    void unwritableFolderKeepsTheSavedFileSilently() {
        const QString folder = env_->homeDir() + QStringLiteral("/locked");
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/config.dat");
        qputenv("NUVELO_CONFIG", path.toUtf8());
        nuvelo::settings::SavedInputs saved;
        saved.records = {record(QStringLiteral("张"), QStringLiteral("伟"))};
        QVERIFY(nuvelo::settings::saveSavedInputs(path.toStdString(), saved));
        const QByteArray before = fileBytes(path);
        startWindow();

        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        // The owner's permissions do not stop root: a folder where the
        // temporary file would go makes the write fail for root as well.
        const QString blocker = path + QStringLiteral(".tmp") + QString::number(::getpid());
        if (::geteuid() == 0) QVERIFY(QDir().mkpath(blocker));
        nuvelo::platform::clearRecordedMessages();
        findNamed<QLineEdit>(window_.get(), "编辑框_姓氏")->setText(QStringLiteral("李"));
        doubleClickHighScore(QStringLiteral("李明"));
        QCOMPARE(records()->count(), 2);
        window_->runExitSequence();
        QCOMPARE(fileBytes(path), before);
        QVERIFY(nuvelo::platform::recordedMessages().isEmpty());
        QDir().rmdir(blocker);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
};

QTEST_MAIN(RecordsTest)
#include "records_test.moc"
