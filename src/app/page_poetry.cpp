// Page 2 "诗词起名": the poem picker in its own page control 高级选择夹2
// (choose a poem, tick its characters, the generated names).
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/name_list_view.h"
#include "app/nuvelo_main.h"
#include "app/widget_helpers.h"

namespace nuvelo::app {
namespace {

QList<ListColumn> poetColumns() {
    return {{QStringLiteral("编号"), 45}, {QStringLiteral("诗人"), 90}};
}
QList<ListColumn> poemColumns() {
    return {{QStringLiteral("编号"), 45}, {QStringLiteral("诗词标题"), 160}};
}

}  // namespace

QWidget* NuveloMain::buildPoetryPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* picker = named(new QTabWidget, QStringLiteral("高级选择夹2"));
    layout->addWidget(picker);

    // 选取诗词: poet, poem, preview.
    auto* choose = new QWidget;
    auto* chooseLayout = new QGridLayout(choose);
    poetList_ = new NameListView(QStringLiteral("超级列表框_诗人列表"), poetColumns());
    poemList_ = new NameListView(QStringLiteral("超级列表框_诗词残"), poemColumns());
    poetList_->setFixedWidth(160);
    poemList_->setFixedWidth(230);
    connect(poetList_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &NuveloMain::onPoetSelected);
    connect(poetList_, &QAbstractItemView::clicked, this, &NuveloMain::onPoetSelected);
    connect(poemList_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &NuveloMain::onPoemSelected);
    connect(poemList_, &QAbstractItemView::clicked, this, &NuveloMain::onPoemSelected);
    auto* preview = named(new QTextBrowser, QStringLiteral("网页浏览框1"));
    preview->setContextMenuPolicy(Qt::NoContextMenu);
    QPushButton* usePoem = makeButton(QStringLiteral("按钮2"), QStringLiteral("使用此诗词"));
    connect(usePoem, &QPushButton::clicked, this, &NuveloMain::onUsePoem);
    chooseLayout->addWidget(makeLabel(QStringLiteral("① 选择诗人")), 0, 0);
    chooseLayout->addWidget(makeLabel(QStringLiteral("② 选择诗词")), 0, 1);
    chooseLayout->addWidget(poetList_, 1, 0, 2, 1);
    chooseLayout->addWidget(poemList_, 1, 1, 2, 1);
    chooseLayout->addWidget(preview, 0, 2, 2, 1);
    chooseLayout->setRowStretch(1, 1);
    auto* useRow = new QHBoxLayout;
    useRow->addWidget(makeLabel(QStringLiteral("③ 使用本诗词,点击按钮")));
    useRow->addWidget(usePoem);
    chooseLayout->addLayout(useRow, 2, 2);
    chooseLayout->setColumnStretch(2, 1);
    picker->addTab(choose, QStringLiteral("选取诗词"));

    // 诗词取名: the character boxes of the chosen poem.
    auto* tick = new QWidget;
    auto* tickLayout = new QVBoxLayout(tick);
    QGroupBox* characters = makeGroup(QStringLiteral("分组框_诗词字符"));
    // The template box only serves as the model of the boxes made from a
    // poem; it sits at the group's left edge, mostly outside it.
    QCheckBox* templateBox = makeCheck(QStringLiteral("选择框1"), QStringLiteral("国"));
    templateBox->setParent(characters);
    templateBox->setGeometry(-30, 20, 40, 20);
    tickLayout->addWidget(characters, 1);
    auto* tickButtons = new QHBoxLayout;
    QPushButton* all = makeButton(QStringLiteral("按钮3"), QStringLiteral("全选"));
    QPushButton* invert = makeButton(QStringLiteral("按钮6"), QStringLiteral("反选"));
    QPushButton* none = makeButton(QStringLiteral("按钮4"), QStringLiteral("全清"));
    QPushButton* generate = makeButton(QStringLiteral("按钮_诗词起名"), QStringLiteral("生成"));
    connect(all, &QPushButton::clicked, this, &NuveloMain::onPoemTickAll);
    connect(invert, &QPushButton::clicked, this, &NuveloMain::onPoemTickInvert);
    connect(none, &QPushButton::clicked, this, &NuveloMain::onPoemTickNone);
    connect(generate, &QPushButton::clicked, this, &NuveloMain::onPoemGenerate);
    tickButtons->addStretch(1);
    for (QPushButton* button : {all, invert, none, generate}) tickButtons->addWidget(button);
    tickLayout->addLayout(tickButtons);
    picker->addTab(tick, QStringLiteral("诗词取名"));

    // 生成名字: the names made from the ticked characters.
    auto* names = new QWidget;
    auto* namesLayout = new QVBoxLayout(names);
    poemNameList_ = makeNameList(QStringLiteral("超级列表框_诗名列表"));
    namesLayout->addWidget(listGroup(QStringLiteral("分组框5"), poemNameList_, nameListCaption()));
    picker->addTab(names, QStringLiteral("生成名字"));
    return page;
}

}  // namespace nuvelo::app
