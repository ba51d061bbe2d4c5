// NameListModel and NameListView: batches, numbering after removal and sort,
// lookup by name, the columns of the two column sets and lazy GBK decoding.
#include <QSignalSpy>
#include <QtTest>

#include "app/name_list_model.h"
#include "app/name_list_view.h"
#include "gui_test_support.h"
#include "platform/gbk_qstring.h"

using nuvelo::app::NameListModel;
using nuvelo::app::NameListRow;
using nuvelo::app::NameListView;
using nuvelo::platform::toGbk;

namespace {

NameListRow row(const QString& name, int score) {
    return {{"", toGbk(name), "10", "12", toGbk("木火"), "1,2,3,4,5", toGbk("木火土"), std::to_string(score)}, score};
}

QStringList column(const NameListModel& model, int column) {
    QStringList out;
    for (int r = 0; r < model.rowCount(); ++r) out << model.data(model.index(r, column)).toString();
    return out;
}

}  // namespace

class NameListTest : public QObject {
    Q_OBJECT

private slots:
    void columnSets() {
        NameListView names("超级列表框_高分起名", nuvelo::app::nameListColumns());
        QCOMPARE(names.objectName(), QStringLiteral("超级列表框_高分起名"));
        const QStringList titles = {"编号", "姓名", "简体笔划", "繁体笔划", "五行", "五格", "三才", "评分"};
        const QList<int> widths = {60, 70, 80, 80, 70, 120, 50, 70};
        QCOMPARE(names.listModel()->columnCount(), 8);
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(names.listModel()->headerData(i, Qt::Horizontal).toString(), titles[i]);
            QCOMPARE(names.columnWidth(i), widths[i]);
        }
        NameListView english("超级列表框_英文列表", nuvelo::app::englishListColumns());
        const QStringList englishTitles = {"编号", "英文名", "中文读音", "相关含义"};
        const QList<int> englishWidths = {60, 100, 200, 280};
        QCOMPARE(english.listModel()->columnCount(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(english.listModel()->headerData(i, Qt::Horizontal).toString(), englishTitles[i]);
            QCOMPARE(english.columnWidth(i), englishWidths[i]);
        }
        QCOMPARE(names.selectionMode(), QAbstractItemView::SingleSelection);
    }

    void aBatchArrivesInOneInsertion() {
        NameListModel model(nuvelo::app::nameListColumns());
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        std::vector<NameListRow> batch;
        for (int i = 0; i < 100000; ++i) batch.push_back(row("张伟", i % 100));
        model.appendRows(std::move(batch));
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(model.rowCount(), 100000);
        QCOMPARE(model.cellText(99999, 0), std::string("100000"));
        model.appendRow(row("李娜", 5));
        QCOMPARE(model.cellText(100000, 0), std::string("100001"));
        model.clear();
        QCOMPARE(model.rowCount(), 0);
    }

    void displayDecodesGbkAndShowsTheRowIcon() {
        NameListView view("list", nuvelo::app::nameListColumns());
        NameListModel& model = *view.listModel();
        model.appendRow(row("欧阳明轩", 90));
        model.appendRow({{"", toGbk("张\r\n伟")}, 0});  // a record: surname and given name on two lines
        QCOMPARE(model.data(model.index(0, 1)).toString(), QStringLiteral("欧阳明轩"));
        QCOMPARE(model.data(model.index(0, 6)).toString(), QStringLiteral("木火土"));
        QCOMPARE(model.data(model.index(1, 1)).toString(), QStringLiteral("张 伟"));
        QCOMPARE(model.cellText(1, 1), toGbk("张\r\n伟"));
        QCOMPARE(model.data(model.index(1, 7)).toString(), QString());  // missing cell
        QVERIFY(!model.data(model.index(0, 0), Qt::DecorationRole).value<QIcon>().isNull());
        QVERIFY(model.data(model.index(0, 1), Qt::DecorationRole).isNull());
    }

    void removalAndSortRenumber() {
        NameListModel model(nuvelo::app::nameListColumns());
        model.appendRows({row("甲", 80), row("乙", 95), row("丙", 80), row("丁", 95), row("戊", 100)});
        QVERIFY(model.removeListRow(1));
        QVERIFY(!model.removeListRow(9));
        QVERIFY(!model.removeListRow(-1));
        QCOMPARE(column(model, 0), QStringList({"1", "2", "3", "4"}));
        QCOMPARE(column(model, 1), QStringList({"甲", "丙", "丁", "戊"}));
        model.appendRow(row("己", 80));
        model.sortByKeyDescending();
        // Equal scores keep their order.
        QCOMPARE(column(model, 1), QStringList({"戊", "丁", "甲", "丙", "己"}));
        QCOMPARE(column(model, 0), QStringList({"1", "2", "3", "4", "5"}));
        QCOMPARE(model.sortKey(0), 100);
    }

    void findByName() {
        NameListModel model(nuvelo::app::nameListColumns());
        model.appendRows({row("张伟", 1), row("张\r\n伟", 2), row("张伟", 3)});
        QCOMPARE(model.findByName(toGbk("张伟")), 0);
        QCOMPARE(model.findByName(toGbk("张\r\n伟")), 1);
        QCOMPARE(model.findByName(toGbk("李")), -1);
        QCOMPARE(model.findByName(""), -1);
    }

    void viewReportsTheSelectedAndDoubleClickedRow() {
        NameListView view("list", nuvelo::app::nameListColumns());
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.selectedRow(), -1);
        view.listModel()->appendRows({row("甲", 1), row("乙", 2)});
        QSignalSpy doubleClicked(&view, &NameListView::rowDoubleClicked);
        const QRect second = view.visualRect(view.listModel()->index(1, 1));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(view.selectedRow(), 1);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(doubleClicked.count(), 1);
        QCOMPARE(doubleClicked.first().first().toInt(), 1);
        view.listModel()->removeListRow(1);
        QCOMPARE(view.selectedRow(), -1);
    }
};

QTEST_MAIN(NameListTest)
#include "name_list_test.moc"
