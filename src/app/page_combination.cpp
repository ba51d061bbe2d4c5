// Page 3 "组合起名": the user's characters and the combined names.
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/name_list_view.h"
#include "app/nuvelo_main.h"
#include "app/widget_helpers.h"

namespace nuvelo::app {

QWidget* NuveloMain::buildCombinationPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    QGroupBox* input = makeGroup(QStringLiteral("分组框6"), QStringLiteral("请在此处输入要组合的字"));
    auto* inputLayout = new QHBoxLayout(input);
    QLineEdit* characters =
        makeEdit(QStringLiteral("编辑框_组合的字"), QStringLiteral("圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇"));
    QPushButton* generate = makeButton(QStringLiteral("按钮_组合起名"), QStringLiteral("生成"));
    connect(generate, &QPushButton::clicked, this, &NuveloMain::onCombinationGenerate);
    inputLayout->addWidget(characters, 1);
    inputLayout->addWidget(generate);
    layout->addWidget(input);
    combinationList_ = makeNameList(QStringLiteral("超级列表框_组合列表"));
    layout->addWidget(listGroup(QStringLiteral("分组框2"), combinationList_, nameListCaption()), 1);
    return page;
}

}  // namespace nuvelo::app
