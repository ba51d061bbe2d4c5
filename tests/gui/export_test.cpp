// The export buttons: the high-score and super-auspicious lists and the
// classic names written under the page folder in GBK with CR LF, then handed
// to the desktop (recorded here instead). Runs offscreen.
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QtTest>
#include <memory>

#include "app/extras_state.h"
#include "app/name_list_view.h"
#include "app/nuvelo_main.h"
#include "gui_test_support.h"
#include "platform/gbk_qstring.h"
#include "platform/message_box.h"
#include "settings/program_paths.h"

using nuvelo::app::NameListRow;
using nuvelo::app::NameListView;
using nuvelo::app::NuveloMain;
using namespace nuvelo::testing;

namespace {

using Cells = QList<QStringList>;  // a list's rows, columns 1..7 (the number is the list's own)

QByteArray gbk(const QString& text) {
    return QByteArray::fromStdString(nuvelo::platform::toGbk(text));
}

QByteArray pageFile(const QString& name) {
    QFile file(QString::fromStdString(nuvelo::settings::pagePath(name.toStdString())));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const QByteArray& header() {
    static const QByteArray line =
        gbk(QStringLiteral("编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分")) + "\r\n";
    return line;
}

}  // namespace

class ExportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        env_ = std::make_unique<TestEnvironment>();
        QVERIFY(env_->installEmptyReferenceDb());
        nuvelo::platform::setMessageTestMode(true);
        nuvelo::app::setDesktopOpener([this](const QUrl& url) { opened_.append(url); });
        QVERIFY(window_.open());
    }
    void cleanupTestCase() {
        nuvelo::app::setDesktopOpener({});
        window_.close();
    }
    void init() { opened_.clear(); }

    void listExportWritesHeaderAndRows_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("file");
        QTest::addColumn<Cells>("rows");
        const Cells two = {{"李明轩", "7 8 10", "7 8 10", "木火土", "8,15,25,17,31", "金土土", "96"},
                           {"李子涵", "7 3 11", "7 3 12", "木水水", "8,10,21,19,30", "金水木", "88"}};
        QTest::newRow("high score") << "按钮_高分导出" << "超级列表框_高分起名" << "NameList.txt" << two;
        QTest::newRow("high score, empty") << "按钮_高分导出" << "超级列表框_高分起名" << "NameList.txt" << Cells{};
        QTest::newRow("super") << "按钮_超吉导出" << "超级列表框_超吉起名" << "100NameList.txt" << two;
        QTest::newRow("super, empty") << "按钮_超吉导出" << "超级列表框_超吉起名" << "100NameList.txt" << Cells{};
    }
    // Byte-exact file: the header, then each row's cells joined by four
    // blanks (commas of 五格 kept); a second export gives the same file.
    void listExportWritesHeaderAndRows() {
        QFETCH(QString, button);
        QFETCH(QString, list);
        QFETCH(QString, file);
        QFETCH(Cells, rows);
        auto* view = findNamed<NameListView>(window_.get(), list);
        auto* exportButton = findNamed<QPushButton>(window_.get(), button);
        QVERIFY(view && exportButton);
        view->listModel()->clear();
        QByteArray expected = header();
        for (int r = 0; r < rows.size(); ++r) {
            NameListRow row;
            row.cells.push_back("");
            for (const QString& cell : rows[r]) row.cells.push_back(nuvelo::platform::toGbk(cell));
            view->listModel()->appendRow(row);
            expected += QByteArray::number(r + 1) + "    " + gbk(rows[r].join(QStringLiteral("    "))) + "\r\n";
        }

        for (int round = 1; round <= 2; ++round) {
            exportButton->click();
            QCOMPARE(pageFile(file), expected);
            QCOMPARE(opened_.size(), round);
            QCOMPARE(opened_.last(),
                     QUrl::fromLocalFile(QString::fromStdString(nuvelo::settings::pagePath(file.toStdString()))));
        }
        QCOMPARE(view->listModel()->count(), rows.size());
        view->listModel()->clear();
    }

    // The classic names go out as the edit box holds them, lines in CR LF.
    void classicExportWritesTheEditText() {
        auto* box = findNamed<QPlainTextEdit>(window_.get(), "编辑框_经典名字");
        QVERIFY(box);
        box->setPlainText(QStringLiteral("李浩然  李子轩  \r\n\r\n李俊杰  "));
        findNamed<QPushButton>(window_.get(), "按钮_经典导出")->click();
        QCOMPARE(pageFile("ClassNameList.txt"), gbk(QStringLiteral("李浩然  李子轩  \r\n\r\n李俊杰  ")));
        QCOMPARE(opened_.size(), 1);
        QVERIFY(opened_.first().toLocalFile().endsWith(QStringLiteral("/ClassNameList.txt")));

        box->clear();
        findNamed<QPushButton>(window_.get(), "按钮_经典导出")->click();
        QCOMPARE(pageFile("ClassNameList.txt"), QByteArray());
    }

private:
    std::unique_ptr<TestEnvironment> env_;
    RunningWindow window_;
    QList<QUrl> opened_;
};

QTEST_MAIN(ExportTest)
#include "export_test.moc"
