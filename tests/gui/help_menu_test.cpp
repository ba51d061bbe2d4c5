// The 帮助[&H] menu: 更换皮肤 steps through the 79 looks and then stays,
// 使用帮助 hands the manual to the desktop, 关于软件 opens one About window.
// Runs offscreen.
#include <QApplication>
#include <algorithm>
#include <QLabel>
#include <QUrl>
#include <QtTest>
#include <memory>

#include "app/about_us.h"
#include "app/extras_state.h"
#include "app/nuvelo_main.h"
#include "app/skin_library.h"
#include "gui_test_support.h"
#include "platform/message_box.h"
#include "settings/program_paths.h"

using nuvelo::app::AboutUs;
using nuvelo::app::NuveloMain;
using nuvelo::app::SkinLook;
using namespace nuvelo::testing;

namespace {

bool lookIsOn(const SkinLook& look) {
    return QApplication::palette().color(QPalette::Window) == look.window &&
           QApplication::palette().color(QPalette::Highlight) == look.highlight &&
           qApp->styleSheet() == look.styleSheet();
}

QList<AboutUs*> aboutWindows() {
    QList<AboutUs*> out;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* about = qobject_cast<AboutUs*>(widget)) out.append(about);
    return out;
}

}  // namespace

class HelpMenuTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        env_ = std::make_unique<TestEnvironment>();
        QVERIFY(env_->installEmptyReferenceDb());
        nuvelo::platform::setMessageTestMode(true);
        nuvelo::app::setDesktopOpener([this](const QUrl& url) { opened_.append(url); });
    }
    void cleanupTestCase() { nuvelo::app::setDesktopOpener({}); }
    void init() {
        opened_.clear();
        QVERIFY(window_.open());
    }
    void cleanup() {
        window_.close();
    }

    // One pass of 80 changes: entries 1..79 in order, the eighth is the
    // start-up look again, and the 80th leaves the 79th in place.
    void changeSkinSteps() {
        QAction* change = menuAction(window_.get(), QStringLiteral("帮助[&H]"), QStringLiteral("更换皮肤"));
        QVERIFY(change);
        QVERIFY(lookIsOn(nuvelo::app::startupLook()));
        for (int changes = 1; changes <= 80; ++changes) {
            change->trigger();
            const int entry = std::min(changes, nuvelo::app::kSkinEntryCount);
            QVERIFY2(lookIsOn(nuvelo::app::skinEntry(entry)), qPrintable(QString::number(changes)));
            if (changes == 8) QVERIFY(lookIsOn(nuvelo::app::startupLook()));
        }
    }

    void manualGoesToTheDesktop() {
        menuAction(window_.get(), QStringLiteral("帮助[&H]"), QStringLiteral("使用帮助"))->trigger();
        QCOMPARE(opened_.size(), 1);
        QCOMPARE(opened_.first(), QUrl::fromLocalFile(QString::fromStdString(nuvelo::settings::helpManualPath())));
    }

    // Modeless, without an owner, and one at a time.
    void aboutOpensOneWindow() {
        QAction* about = menuAction(window_.get(), QStringLiteral("帮助[&H]"), QStringLiteral("关于软件"));
        QVERIFY(about);
        about->trigger();
        about->trigger();
        const QList<AboutUs*> windows = aboutWindows();
        QCOMPARE(windows.size(), 1);
        AboutUs* shown = windows.first();
        QVERIFY(shown->isVisible());
        QVERIFY(!shown->parentWidget());
        QVERIFY(!shown->isModal());
        QCOMPARE(shown->windowTitle(), QStringLiteral("关于软件"));
        QPointer<AboutUs> closed(shown);
        shown->close();
        QTRY_VERIFY(closed.isNull());
    }

private:
    std::unique_ptr<TestEnvironment> env_;
    RunningWindow window_;
    QList<QUrl> opened_;
};

QTEST_MAIN(HelpMenuTest)
#include "help_menu_test.moc"
