// Platform adapters: the single-instance lock, GBK conversion and the
// recording mode of message boxes.
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "gui_test_support.h"
#include "platform/gbk_qstring.h"
#include "platform/message_box.h"
#include "platform/single_instance.h"

using namespace nuvelo::platform;

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void aSecondGuardFindsTheLockHeld() {
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath("nuvelo.lock");
        {
            SingleInstanceGuard first(path);
            QVERIFY(first.tryAcquire());
            QVERIFY(first.tryAcquire());  // holding it already
            SingleInstanceGuard second(path);
            QVERIFY(!second.tryAcquire());
            QVERIFY(!second.held());
        }
        // Released with its holder: the next start gets it.
        SingleInstanceGuard third(path);
        QVERIFY(third.tryAcquire());
    }

    void aLockLeftByADeadProcessIsTakenOver() {
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath("nuvelo.lock");
        QFile stale(path);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("999999999\nnuvelo\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();
        SingleInstanceGuard guard(path);
        QVERIFY(guard.tryAcquire());
    }

    void theDefaultLockLivesInTheRuntimeFolder() {
        nuvelo::testing::TestEnvironment env;
        QCOMPARE(defaultInstanceLockPath(), QDir(env.runtimeDir()).filePath("nuvelo.lock"));
    }

    void gbkRoundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << "2013";
        QTest::newRow("hanzi") << "欧阳明轩";
        QTest::newRow("mixed") << "张\r\n伟;10|";
        QTest::newRow("empty") << "";
    }
    void gbkRoundTrip() {
        QFETCH(QString, text);
        QCOMPARE(fromGbk(toGbk(text)), text);
    }

    void gbkBytesAndUnconvertibleText() {
        QCOMPARE(toGbk("中"), std::string("\xD6\xD0"));
        QCOMPARE(fromGbk("\xD6\xD0"), QStringLiteral("中"));
        QCOMPARE(toGbk(QStringLiteral("😀")), std::string());  // outside GBK
        QCOMPARE(fromGbk("\xFF"), QString());                 // not GBK
    }

    void messagesAreRecordedInTestMode() {
        setMessageTestMode(true);
        clearRecordedMessages();
        showMessage(nullptr, "提示", "将磁盘数据库附加到内存数据库失败！", MessageIcon::Critical);
        showMessage(nullptr, "t", "second", MessageIcon::Warning);
        QCOMPARE(recordedMessages().size(), 2);
        QCOMPARE(recordedMessages()[0].title, QStringLiteral("提示"));
        QCOMPARE(recordedMessages()[0].text, QStringLiteral("将磁盘数据库附加到内存数据库失败！"));
        QCOMPARE(recordedMessages()[0].icon, MessageIcon::Critical);
        QCOMPARE(recordedMessages()[1].icon, MessageIcon::Warning);
        clearRecordedMessages();
        QVERIFY(recordedMessages().isEmpty());
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
