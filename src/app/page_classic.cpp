// Page 10 "经典模式": the classic names as text and their buttons.
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/nuvelo_main.h"
#include "app/widget_helpers.h"

namespace nuvelo::app {

QWidget* NuveloMain::buildClassicPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    QGroupBox* group = makeGroup(QStringLiteral("分组框20"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(named(new QPlainTextEdit, QStringLiteral("编辑框_经典名字")));
    layout->addWidget(group, 1);
    auto* buttons = new QHBoxLayout;
    QPushButton* again = makeButton(QStringLiteral("按钮_经典生成"), QStringLiteral("不满意?再生成一次"));
    QPushButton* exportNames = makeButton(QStringLiteral("按钮_经典导出"), QStringLiteral("导出"));
    connect(again, &QPushButton::clicked, this, &NuveloMain::onClassicGenerate);
    connect(exportNames, &QPushButton::clicked, this, &NuveloMain::onClassicExport);
    buttons->addStretch(1);
    buttons->addWidget(again);
    buttons->addWidget(exportNames);
    layout->addLayout(buttons);
    return page;
}

}  // namespace nuvelo::app
