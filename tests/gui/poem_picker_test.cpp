// The poem picker, the generation-character dialog, the nickname list and
// the "按八字补五行" button of page 9, offscreen, on the real reference
// database.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/name_list_view.h"
#include "app/nuvelo_main.h"
#include "gui_test_support.h"
#include "platform/gbk_qstring.h"
#include "platform/message_box.h"

using nuvelo::app::NameListModel;
using nuvelo::app::NameListView;
using nuvelo::app::NuveloMain;
using nuvelo::platform::fromGbk;
using nuvelo::platform::toGbk;
using namespace nuvelo::testing;

namespace {

// A poem of 16 characters once "，" and "。" are gone; its 首字母 is 尊礼陈契.
const QString kPoet = QStringLiteral("武则天");
const QString kTitle = QStringLiteral("唐享昊天乐：第七");
const QString kPoemText = QStringLiteral("尊浮九酝礼备三周陈诚菲奠契福神猷");
const QString kPreset = QStringLiteral("尊礼陈契");

}  // namespace

class PoemPickerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;
    RunningWindow window_;

    template <typename T>
    T* named(const char* name) const {
        return findNamed<T>(window_.get(), QString::fromUtf8(name));
    }
    NameListView* list(const char* name) const { return named<NameListView>(name); }
    void click(const char* button) { QTest::mouseClick(named<QPushButton>(button), Qt::LeftButton); }

    // The boxes made from the poem in use: the check boxes living beside
    // the group 分组框_诗词字符, in creation order.
    QList<QCheckBox*> poemBoxes() const {
        QWidget* page = named<QGroupBox>("分组框_诗词字符")->parentWidget();
        return page->findChildren<QCheckBox*>(QString(), Qt::FindDirectChildrenOnly);
    }

    void choosePoem() {
        NameListView* poets = list("超级列表框_诗人列表");
        const int poet = poets->listModel()->findByName(toGbk(kPoet));
        QVERIFY(poet >= 0);
        poets->selectRow(poet);
        NameListView* poems = list("超级列表框_诗词残");
        const int poem = poems->listModel()->findByName(toGbk(kTitle));
        QVERIFY(poem >= 0);
        poems->selectRow(poem);
    }

    // Opens the dialog by its label; `work` runs inside the dialog's loop.
    void withDialog(const std::function<void(QWidget*)>& work) {
        bool ran = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            work(dialog);
            ran = true;
            if (dialog->isVisible()) dialog->close();
        });
        QLabel* label = named<QLabel>("标签_设置辈份");
        QTest::mouseClick(label, Qt::LeftButton);
        QVERIFY(ran);
    }

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

    void startListsThePoetsAndPreviewsTheFirstPoem() {
        named<QLineEdit>("编辑框_姓氏")->setText(QStringLiteral("李"));
        named<QRadioButton>("单选框_诗词起名")->setChecked(true);
        click("按钮_起名");
        QCOMPARE(window_->pages()->currentIndex(), 2);
        NameListModel* poets = list("超级列表框_诗人列表")->listModel();
        QVERIFY(poets->count() > 1000);
        QCOMPARE(poets->cellText(0, 0), std::string("1"));
        QCOMPARE(fromGbk(poets->cellText(0, 1)), QStringLiteral("白居易"));  // the first by display order
        NameListModel* poems = list("超级列表框_诗词残")->listModel();
        QVERIFY(poems->count() > 0);
        for (int r = 0; r < poems->count(); ++r) QCOMPARE(poems->cellText(r, 0), std::to_string(r + 1));
        choosePoem();
        const QString shown = named<QTextBrowser>("网页浏览框1")->toPlainText();
        QVERIFY2(shown.contains(kPoet + QLatin1Char(':') + kTitle), qPrintable(shown));
        QVERIFY(shown.contains(QStringLiteral("尊浮九酝，礼备三周。")));
    }

    void usePoemLaysOutSixteenBoxesFifteenToARow() {
        choosePoem();
        for (int use = 0; use < 2; ++use) {  // a second use replaces the boxes
            click("按钮2");
            QCOMPARE(named<QTabWidget>("高级选择夹2")->currentIndex(), 1);
            const QList<QCheckBox*> boxes = poemBoxes();
            QCOMPARE(boxes.size(), 16);
            const QRect group = named<QGroupBox>("分组框_诗词字符")->geometry();
            for (int k = 0; k < boxes.size(); ++k) {
                QCOMPARE(boxes[k]->text(), kPoemText.mid(k, 1));
                QCOMPARE(boxes[k]->isChecked(), kPreset.contains(kPoemText.at(k)));
                QCOMPARE(boxes[k]->geometry(), QRect(group.x() + (k % 15) * 40, group.y() + (k / 15) * 20, 70, 20));
                QVERIFY(boxes[k]->isVisible());
            }
            if (use == 0) boxes[1]->setChecked(true);  // the next use resets it to the preset
        }
    }

    void tickButtonsAllInvertNone() {
        click("按钮2");
        click("按钮6");  // 反选 on a fresh poem
        QList<QCheckBox*> boxes = poemBoxes();
        QCOMPARE(boxes.size(), 16);
        for (int k = 0; k < boxes.size(); ++k) QCOMPARE(boxes[k]->isChecked(), !kPreset.contains(kPoemText.at(k)));
        struct Step {
            const char* button;
            bool ticked;
        };
        for (const Step& step : {Step{"按钮3", true}, Step{"按钮4", false}, Step{"按钮6", true}}) {
            click(step.button);
            for (QCheckBox* box : poemBoxes()) QCOMPARE(box->isChecked(), step.ticked);
        }
    }

    void generateUsesOnlyTheTickedCharacters() {
        click("按钮2");  // only the preset 尊礼陈契 ticked
        const int ended = window_->finishedRuns();
        click("按钮_诗词起名");
        QTRY_VERIFY_WITH_TIMEOUT(window_->finishedRuns() > ended, 60000);
        QCOMPARE(named<QTabWidget>("高级选择夹2")->currentIndex(), 2);
        NameListModel* names = list("超级列表框_诗名列表")->listModel();
        QVERIFY(names->count() > 0);
        for (int r = 0; r < names->count(); ++r) {
            const QString name = fromGbk(names->cellText(r, 1));
            QVERIFY2(name.startsWith(QStringLiteral("李")), qPrintable(name));
            for (const QChar c : name.mid(1)) QVERIFY2(kPreset.contains(c), qPrintable(name));
        }
    }

    void usePoemWithoutASelectionAsksForOne() {
        nuvelo::platform::clearRecordedMessages();
        list("超级列表框_诗词残")->selectRow(-1);
        click("按钮2");
        QVERIFY(poemBoxes().isEmpty());
        const auto& messages = nuvelo::platform::recordedMessages();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].title, QStringLiteral("提示"));
        QCOMPARE(messages[0].text, QStringLiteral("请选择一首诗词"));
    }

    void emptyGenerationCharacterKeepsTheDialogAndCancelSetsNone() {
        nuvelo::platform::clearRecordedMessages();
        withDialog([](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("设置辈份"));
            QCOMPARE(dialog->size(), QSize(498, 257));
            findNamed<QRadioButton>(dialog, QStringLiteral("单选框_设置第二个字"))->setChecked(true);
            findNamed<QLineEdit>(dialog, QStringLiteral("编辑框_第二个字"))->clear();
            QTest::mouseClick(findNamed<QPushButton>(dialog, QStringLiteral("按钮_辈份确定")), Qt::LeftButton);
            QVERIFY(dialog->isVisible());
            const auto& messages = nuvelo::platform::recordedMessages();
            QCOMPARE(messages.size(), 1);
            QCOMPARE(messages[0].text, QStringLiteral("请输入所设定的第二个字"));
            QCOMPARE(messages[0].title, QStringLiteral("提示"));
            QTest::mouseClick(findNamed<QPushButton>(dialog, QStringLiteral("按钮_辈份取消")), Qt::LeftButton);
            QVERIFY(!dialog->isVisible());
        });
        QCOMPARE(window_->generationCharacterFlag(), 0);
        QVERIFY(named<QLabel>("标签_设置辈份")->styleSheet().contains(QStringLiteral("rgb(96, 96, 96)")));
    }

    void acceptedGenerationCharacterTurnsTheLabelRed() {
        withDialog([](QWidget* dialog) {
            // a fresh dialog shows no setting and the model texts
            QVERIFY(findNamed<QRadioButton>(dialog, QStringLiteral("单选框_不设置辈份"))->isChecked());
            QCOMPARE(findNamed<QLineEdit>(dialog, QStringLiteral("编辑框_第二个字"))->text(), QStringLiteral("志"));
            QCOMPARE(findNamed<QLineEdit>(dialog, QStringLiteral("编辑框_第三个字"))->text(), QStringLiteral("强"));
            findNamed<QRadioButton>(dialog, QStringLiteral("单选框_设置第三个字"))->setChecked(true);
            QTest::mouseClick(findNamed<QPushButton>(dialog, QStringLiteral("按钮_辈份确定")), Qt::LeftButton);
            QVERIFY(!dialog->isVisible());
        });
        QCOMPARE(window_->generationCharacterFlag(), 1);
        QVERIFY(named<QLabel>("标签_设置辈份")->styleSheet().contains(QStringLiteral("rgb(255, 0, 0)")));
        withDialog([](QWidget* dialog) {
            QVERIFY(findNamed<QRadioButton>(dialog, QStringLiteral("单选框_设置第三个字"))->isChecked());
            QTest::mouseClick(findNamed<QPushButton>(dialog, QStringLiteral("按钮_辈份取消")), Qt::LeftButton);
        });
        QCOMPARE(window_->generationCharacterFlag(), 0);
    }

    void nicknamesOfXiaoAForZhangSkipTheSurname() {
        named<QLineEdit>("编辑框_姓氏")->setText(QStringLiteral("张"));
        named<QRadioButton>("单选框_小A型")->setChecked(true);
        const int ended = window_->finishedRuns();
        click("按钮_起小名");
        QTRY_VERIFY_WITH_TIMEOUT(window_->finishedRuns() > ended, 60000);
        NameListModel* names = list("超级列表框_小名列表")->listModel();
        QVERIFY(names->count() > 1000);
        for (int r = 0; r < names->count(); ++r) {
            const QString name = fromGbk(names->cellText(r, 1));
            QVERIFY2(name.startsWith(QStringLiteral("张小")) && name.size() == 3, qPrintable(name));
        }
        QCOMPARE(names->findByName(toGbk(QStringLiteral("张小张"))), -1);
    }

    void chartButtonRequiresExactlyTheMissingElements() {
        QCheckBox* position = named<QCheckBox>("选择框_第二个字五行限定");
        QCheckBox* required = named<QCheckBox>("选择框_所有字必带五行");
        QComboBox* year = named<QComboBox>("组合框_年份");
        const QString elements[5] = {QStringLiteral("金"), QStringLiteral("木"), QStringLiteral("水"),
                                     QStringLiteral("火"), QStringLiteral("土")};
        bool sawMissing = false;
        bool sawComplete = false;
        for (int i = 0; i < year->count() && !(sawMissing && sawComplete); i += 7) {
            year->setCurrentIndex(i);
            // start from the position family, which shuts the whole-name family out
            if (required->isChecked()) required->click();
            QVERIFY(!required->isChecked());
            position->click();
            QVERIFY(position->isChecked() && !required->isEnabled());
            click("按钮_按八字补五行");
            const QString missing = named<QLabel>("缺五行标签")->text();
            (missing.isEmpty() ? sawComplete : sawMissing) = true;
            QVERIFY(required->isChecked() && required->isEnabled());
            QVERIFY(named<QCheckBox>("选择框_所有字不能带五行")->isEnabled());
            QVERIFY(!position->isChecked() && !position->isEnabled());
            for (const QString& e : elements) {
                QCheckBox* box = named<QCheckBox>(qPrintable(QStringLiteral("选择框_%1%2").arg(e).arg(2)));
                QCOMPARE(box->isChecked(), missing.isEmpty() || missing.contains(e));
                QVERIFY(box->isEnabled());
            }
        }
        QVERIFY(sawMissing);
    }
};

QTEST_MAIN(PoemPickerTest)
#include "poem_picker_test.moc"
