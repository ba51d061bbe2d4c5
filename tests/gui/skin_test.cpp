// Skins and the About window: the counter of "更换皮肤" over the 79 entries,
// the repeated entries, readability and distinctness of every look, and the
// shape of AboutUs.
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QtTest>
#include <cmath>

#include "app/about_us.h"
#include "app/skin_changer.h"
#include "app/skin_library.h"

using namespace nuvelo::app;

namespace {

double distance(const QColor& a, const QColor& b) {
    return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
}

// How far apart two looks are to the eye: the colours that cover most of a
// window (background, buttons, selection).
double lookDistance(const SkinLook& a, const SkinLook& b) {
    return distance(a.window, b.window) + distance(a.button, b.button) + distance(a.highlight, b.highlight);
}

bool isRepeat(int first, int second) {
    return (first == 8 && second == 67) || (first == 51 && second == 56);
}

}  // namespace

class SkinTest : public QObject {
    Q_OBJECT

private slots:
    void contrastRatio_data() {
        QTest::addColumn<QColor>("first");
        QTest::addColumn<QColor>("second");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("white on black") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
        QTest::newRow("same colour") << QColor(0x4a, 0x9a, 0x3c) << QColor(0x4a, 0x9a, 0x3c) << 1.0;
        QTest::newRow("grey just short") << QColor(0x77, 0x77, 0x77) << QColor(Qt::white) << 4.48;
        QTest::newRow("pure red on white") << QColor(Qt::red) << QColor(Qt::white) << 4.00;
    }
    void contrastRatio() {
        QFETCH(QColor, first);
        QFETCH(QColor, second);
        QFETCH(double, ratio);
        QVERIFY2(std::abs(nuvelo::app::contrastRatio(first, second) - ratio) < 0.01,
                 qPrintable(QString::number(nuvelo::app::contrastRatio(first, second))));
    }

    // A window's view of the menu item: the start-up look, counter 1, then
    // `choices` changes; the look on screen afterwards is the expected entry.
    void changingSkins_data() {
        QTest::addColumn<int>("choices");
        QTest::addColumn<int>("shownEntry");  // 0: the start-up look
        QTest::addColumn<bool>("lastChoiceApplied");
        QTest::newRow("none") << 0 << 0 << false;
        QTest::newRow("first") << 1 << 1 << true;
        QTest::newRow("eighth shows the start-up look") << 8 << 8 << true;
        QTest::newRow("79th") << 79 << 79 << true;
        QTest::newRow("80th changes nothing") << 80 << 79 << false;
        QTest::newRow("many more") << 150 << 79 << false;
    }
    void changingSkins() {
        QFETCH(int, choices);
        QFETCH(int, shownEntry);
        QFETCH(bool, lastChoiceApplied);
        auto& application = *qApp;
        applySkin(application, startupLook());
        SkinChanger changer;
        changer.restart();
        QCOMPARE(changer.counter(), 1);
        std::vector<int> applied;
        bool last = false;
        for (int i = 0; i < choices; ++i) {
            const auto entry = changer.next();
            last = entry.has_value();
            if (entry) {
                applied.push_back(*entry);
                applySkin(application, skinEntry(*entry));
            }
        }
        QCOMPARE(last, lastChoiceApplied);
        QCOMPARE(changer.counter(), choices + 1);
        // Entries are applied one after the other from 1, never skipped or repeated.
        for (size_t i = 0; i < applied.size(); ++i) QCOMPARE(applied[i], static_cast<int>(i) + 1);

        const SkinLook& expected = shownEntry == 0 ? startupLook() : skinEntry(shownEntry);
        QCOMPARE(QApplication::palette().color(QPalette::Window), expected.window);
        QCOMPARE(QApplication::palette().color(QPalette::Highlight), expected.highlight);
        QCOMPARE(application.styleSheet(), expected.styleSheet());
        if (shownEntry == 8) QVERIFY(expected == startupLook());
    }

    void theListRepeatsExactlyTwoEntries() {
        QCOMPARE(static_cast<int>(skinLooks().size()), kSkinEntryCount);
        QVERIFY(skinEntry(8) == startupLook());
        QVERIFY(skinEntry(67) == startupLook());
        QVERIFY(skinEntry(51) == skinEntry(56));
        QVERIFY(!(skinEntry(51) == startupLook()));
        double closest = 1e9;
        QString closestPair;
        for (int i = 1; i <= kSkinEntryCount; ++i) {
            for (int j = i + 1; j <= kSkinEntryCount; ++j) {
                if (isRepeat(i, j)) continue;
                QVERIFY2(skinEntry(i).name != skinEntry(j).name, qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));
                const double d = lookDistance(skinEntry(i), skinEntry(j));
                if (d < closest) {
                    closest = d;
                    closestPair = QStringLiteral("%1 (%2) and %3 (%4): %5")
                                      .arg(i)
                                      .arg(skinEntry(i).name)
                                      .arg(j)
                                      .arg(skinEntry(j).name)
                                      .arg(d);
                }
            }
        }
        // Different to the eye side by side, not a shade apart: neighbouring
        // hues of one variant are the closest pairs.
        QVERIFY2(closest >= 24.0, qPrintable(closestPair));
    }

    void everyLookIsReadable() {
        for (int index = 1; index <= kSkinEntryCount; ++index) {
            const SkinLook& look = skinEntry(index);
            const QPalette palette = look.palette();
            const struct {
                const char* what;
                QColor foreground, background;
            } pairs[] = {
                {"window text", look.windowText, look.window},
                {"text", look.text, look.base},
                {"button text", look.buttonText, look.button},
                {"selection", look.highlightedText, look.highlight},
                {"group title", look.groupTitle, look.window},
                {"bar text, top", look.barText, look.barTop},
                {"bar text, bottom", look.barText, look.barBottom},
                {"link", palette.color(QPalette::Link), palette.color(QPalette::Base)},
                {"tool tip", palette.color(QPalette::ToolTipText), palette.color(QPalette::ToolTipBase)},
            };
            for (const auto& pair : pairs) {
                const double ratio = nuvelo::app::contrastRatio(pair.foreground, pair.background);
                QVERIFY2(
                    ratio >= 4.5,
                    qPrintable(
                        QStringLiteral("entry %1 (%2), %3: %4").arg(index).arg(look.name).arg(pair.what).arg(ratio)));
            }
        }
    }

    void theAboutWindow() {
        QPointer<AboutUs> window = openAboutWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(window->isWindow());
        QVERIFY(window->parent() == nullptr);
        QVERIFY(!window->isModal());
        QCOMPARE(window->windowTitle(), QStringLiteral("关于软件"));
        QCOMPARE(window->size(), QSize(626, 338));
        QCOMPARE(window->picture()->geometry(), QRect(8, 8, 300, 294));
        QCOMPARE(window->picture()->pixmap().size(), QSize(300, 294));
        QCOMPARE(window->label()->text().split(QLatin1Char('\n')),
                 QStringList({QStringLiteral("禾芽专业宝宝取名软件"), QString(), QStringLiteral("版本：V1.2")}));
        // The picture is drawn, not left blank: its leaves are green.
        const QImage image = window->picture()->pixmap().toImage();
        const QColor leaf = image.pixelColor(100, 146);
        QVERIFY2(leaf.green() > leaf.red() + 30 && leaf.green() > leaf.blue() + 30, qPrintable(leaf.name()));

        // Choosing it again brings the same window forward; closing it frees it.
        QCOMPARE(openAboutWindow(), window.data());
        window->close();
        QTRY_VERIFY(window.isNull());
        AboutUs* again = openAboutWindow();
        QVERIFY(again != nullptr);
        again->close();
    }
};

QTEST_MAIN(SkinTest)
#include "skin_test.moc"
