// Page 5 "起英文名": the inputs of the English names and their list.
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/name_list_view.h"
#include "app/nuvelo_main.h"
#include "app/widget_helpers.h"

namespace nuvelo::app {

QWidget* NuveloMain::buildEnglishPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    QGroupBox* inputs = makeGroup(QStringLiteral("分组框9"));
    auto* inputsLayout = new QVBoxLayout(inputs);

    auto* names = new QHBoxLayout;
    QLineEdit* surname = makeEdit(QStringLiteral("编辑框_英文姓氏"));
    QLineEdit* given = makeEdit(QStringLiteral("编辑框_英文名字"));
    surname->setFixedWidth(90);
    given->setFixedWidth(90);
    names->addWidget(makeLabel(QStringLiteral("姓氏:")));
    names->addWidget(surname);
    names->addSpacing(12);
    names->addWidget(makeLabel(QStringLiteral("名字:")));
    names->addWidget(given);
    names->addSpacing(12);
    names->addWidget(makeLabel(QStringLiteral("性别设置:")));
    auto* sex = new QButtonGroup(inputs);
    const QString radios[3][2] = {{QStringLiteral("单选框_男性化"), QStringLiteral("男性化")},
                                  {QStringLiteral("单选框_女性化"), QStringLiteral("女性化")},
                                  {QStringLiteral("单选框_中性化"), QStringLiteral("中性化")}};
    for (int i = 0; i < 3; ++i) {
        QRadioButton* radio = makeRadio(radios[i][0], radios[i][1]);
        sex->addButton(radio, i + 1);  // the sex code 1, 2, 3
        names->addWidget(radio);
    }
    sex->button(1)->setChecked(true);
    names->addStretch(1);
    inputsLayout->addLayout(names);

    auto* lengths = new QHBoxLayout;
    const QStringList lengthItems = {QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
                                     QStringLiteral("6")};
    lengths->addWidget(makeLabel(QStringLiteral("名字长度:")));
    lengths->addWidget(makeList(QStringLiteral("组合框_日子1"), lengthItems));
    lengths->addWidget(makeLabel(QStringLiteral("-")));
    lengths->addWidget(makeList(QStringLiteral("组合框_时间1"), lengthItems));
    lengths->addStretch(1);
    QPushButton* generate = makeButton(QStringLiteral("按钮_英文起名"), QStringLiteral("生成"));
    connect(generate, &QPushButton::clicked, this, &NuveloMain::onEnglishGenerate);
    lengths->addWidget(generate);
    inputsLayout->addLayout(lengths);
    layout->addWidget(inputs);

    englishList_ = new NameListView(QStringLiteral("超级列表框_英文列表"), englishListColumns());
    connect(englishList_, &NameListView::rowDoubleClicked, this, &NuveloMain::onEnglishRowActivated);
    layout->addWidget(
        listGroup(QStringLiteral("分组框13"), englishList_, QStringLiteral("姓名列表(双击英文名字可以自动朗读)")), 1);
    return page;
}

}  // namespace nuvelo::app
