// Page 4 "起小名": the nickname styles and the nickname list.
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/name_list_view.h"
#include "app/nuvelo_main.h"
#include "app/widget_helpers.h"

namespace nuvelo::app {

QWidget* NuveloMain::buildNicknamePage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    QGroupBox* styles = makeGroup(QStringLiteral("分组框7"));
    auto* stylesLayout = new QHBoxLayout(styles);
    stylesLayout->addWidget(makeLabel(QStringLiteral("小名样式:")));
    auto* group = new QButtonGroup(styles);
    const QString radios[4][2] = {{QStringLiteral("单选框_AA型"), QStringLiteral("AA型")},
                                  {QStringLiteral("单选框_小A型"), QStringLiteral("小A型")},
                                  {QStringLiteral("单选框_A儿型"), QStringLiteral("A儿型")},
                                  {QStringLiteral("单选框_阿A型"), QStringLiteral("阿A型")}};
    for (int i = 0; i < 4; ++i) {
        QRadioButton* radio = makeRadio(radios[i][0], radios[i][1]);
        group->addButton(radio, i);
        stylesLayout->addWidget(radio);
    }
    group->button(0)->setChecked(true);
    stylesLayout->addStretch(1);
    QPushButton* generate = makeButton(QStringLiteral("按钮_起小名"), QStringLiteral("生成"));
    connect(generate, &QPushButton::clicked, this, &NuveloMain::onNicknameGenerate);
    stylesLayout->addWidget(generate);
    layout->addWidget(styles);
    nicknameList_ = makeNameList(QStringLiteral("超级列表框_小名列表"));
    layout->addWidget(listGroup(QStringLiteral("分组框8"), nicknameList_, nameListCaption()), 1);
    return page;
}

}  // namespace nuvelo::app
