// Page 1 "高分模式": the high-score result list and its buttons.
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/name_list_view.h"
#include "app/nuvelo_main.h"
#include "app/widget_helpers.h"

namespace nuvelo::app {

QWidget* NuveloMain::buildHighScorePage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    highScoreList_ = makeNameList(QStringLiteral("超级列表框_高分起名"));
    layout->addWidget(listGroup(QStringLiteral("分组框3"), highScoreList_, nameListCaption()), 1);
    auto* buttons = new QHBoxLayout;
    QPushButton* pause = makeButton(QStringLiteral("按钮_高分暂停"), QStringLiteral("暂停"));
    QPushButton* again = makeButton(QStringLiteral("按钮_再生成一次"), QStringLiteral("不满意?再生成一次"));
    QPushButton* exportList = makeButton(QStringLiteral("按钮_高分导出"), QStringLiteral("导出列表"));
    connect(pause, &QPushButton::clicked, this, &NuveloMain::onHighScorePause);
    connect(again, &QPushButton::clicked, this, &NuveloMain::onHighScoreAgain);
    connect(exportList, &QPushButton::clicked, this, &NuveloMain::onHighScoreExport);
    buttons->addStretch(1);
    buttons->addWidget(pause);
    buttons->addWidget(again);
    buttons->addWidget(exportList);
    layout->addLayout(buttons);
    return page;
}

}  // namespace nuvelo::app
