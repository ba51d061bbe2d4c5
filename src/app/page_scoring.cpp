// Page 7 "姓名评分": a typed name, its date lists and the rated names.
#include <QComboBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/name_list_view.h"
#include "app/nuvelo_main.h"
#include "app/widget_helpers.h"

namespace nuvelo::app {

QWidget* NuveloMain::buildScoringPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    QGroupBox* inputs = makeGroup(QStringLiteral("分组框11"));
    auto* inputsLayout = new QVBoxLayout(inputs);

    auto* nameRow = new QHBoxLayout;
    scoreSurnameEdit_ = makeEdit(QStringLiteral("编辑框_评分姓氏"));
    scoreGivenEdit_ = makeEdit(QStringLiteral("编辑框_评分名字"));
    scoreSurnameEdit_->setFixedWidth(90);
    scoreGivenEdit_->setFixedWidth(90);
    nameRow->addWidget(makeLabel(QStringLiteral("姓氏:")));
    nameRow->addWidget(scoreSurnameEdit_);
    nameRow->addSpacing(12);
    nameRow->addWidget(makeLabel(QStringLiteral("名字:")));
    nameRow->addWidget(scoreGivenEdit_);
    nameRow->addStretch(1);
    QPushButton* score = makeButton(QStringLiteral("按钮_评分"), QStringLiteral("评分"));
    connect(score, &QPushButton::clicked, this, &NuveloMain::onScoreTypedName);
    nameRow->addWidget(score);
    inputsLayout->addLayout(nameRow);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(makeLabel(QStringLiteral("出生日期(公历):")));
    const QString names[5] = {QStringLiteral("组合框_评分年份"), QStringLiteral("组合框_评分月份"),
                              QStringLiteral("组合框_评分日子"), QStringLiteral("组合框_评分时间"),
                              QStringLiteral("组合框_评分分钟")};
    const QString units[5] = {QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日"), QStringLiteral("时"),
                              QStringLiteral("分")};
    for (int i = 0; i < 5; ++i) {
        QComboBox* list = makeList(names[i]);
        list->setMinimumContentsLength(4);
        scoreLists_[static_cast<std::size_t>(i)] = list;
        dateRow->addWidget(list);
        dateRow->addWidget(makeLabel(units[i]));
    }
    dateRow->addStretch(1);
    inputsLayout->addLayout(dateRow);
    layout->addWidget(inputs);

    scoreList_ = makeNameList(QStringLiteral("超级列表框_评分列表"));
    layout->addWidget(listGroup(QStringLiteral("分组框12"), scoreList_, nameListCaption()), 1);
    return page;
}

}  // namespace nuvelo::app
