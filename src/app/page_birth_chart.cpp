// Page 6 "生辰八字": the date choice, the birth-chart text and its two
// working labels; showBirthChart() fills them from the core's chart.
#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/nuvelo_main.h"
#include "app/widget_helpers.h"
#include "birthchart/birth_chart.h"
#include "platform/gbk_qstring.h"

namespace nuvelo::app {

QWidget* NuveloMain::buildBirthChartPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    QGroupBox* choice = makeGroup(QStringLiteral("分组框15"));
    auto* choiceLayout = new QVBoxLayout(choice);
    auto* sourceGroup = new QButtonGroup(choice);
    chartNamingDate_ = makeRadio(QStringLiteral("单选框1"), QStringLiteral("使用起名日期:"));
    chartCustomDate_ = makeRadio(QStringLiteral("单选框_自定义日期"), QStringLiteral("自定义日期:"));
    sourceGroup->addButton(chartNamingDate_);
    sourceGroup->addButton(chartCustomDate_);
    chartNamingDate_->setChecked(true);
    chartNamingDateLabel_ = makeLabel({}, QStringLiteral("透明标签_起名日期"));

    auto* namingRow = new QHBoxLayout;
    namingRow->addWidget(chartNamingDate_);
    namingRow->addWidget(chartNamingDateLabel_);
    namingRow->addStretch(1);
    choiceLayout->addLayout(namingRow);

    auto* customRow = new QHBoxLayout;
    customRow->addWidget(chartCustomDate_);
    customRow->addWidget(makeLabel(QStringLiteral("出生日期:")));
    const QString names[4] = {QStringLiteral("组合框_八字年份"), QStringLiteral("组合框_八字月份"),
                              QStringLiteral("组合框_八字日子"), QStringLiteral("组合框_八字时间")};
    const QString units[4] = {QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日"), QStringLiteral("时")};
    for (int i = 0; i < 4; ++i) {
        QComboBox* list = makeList(names[i]);
        list->setMinimumContentsLength(4);
        chartLists_[static_cast<std::size_t>(i)] = list;
        customRow->addWidget(list);
        customRow->addWidget(makeLabel(units[i]));
    }
    customRow->addStretch(1);
    QPushButton* query = makeButton(QStringLiteral("按钮_八字查询"), QStringLiteral("查询"));
    connect(query, &QPushButton::clicked, this, &NuveloMain::showBirthChart);
    customRow->addWidget(query);
    choiceLayout->addLayout(customRow);
    layout->addWidget(choice);

    QGroupBox* output = makeGroup(QStringLiteral("分组框14"));
    auto* outputLayout = new QVBoxLayout(output);
    chartText_ = named(new QPlainTextEdit, QStringLiteral("编辑框_八字信息"));
    chartText_->setReadOnly(true);
    outputLayout->addWidget(chartText_);
    // Working texts of the chart, not meant to be seen.
    chartElementsLabel_ = makeLabel({}, QStringLiteral("八字五行标签"));
    chartMissingLabel_ = makeLabel({}, QStringLiteral("缺五行标签"));
    chartElementsLabel_->setParent(output);
    chartMissingLabel_->setParent(output);
    chartElementsLabel_->hide();
    chartMissingLabel_->hide();
    layout->addWidget(output, 1);
    return page;
}

void NuveloMain::showBirthChart() {
    const bool custom = chartCustomDate_->isChecked();
    auto selected = [&](std::size_t part) {
        QComboBox* list = custom ? chartLists_[part] : birthLists_[part];
        return platform::toGbk(list->currentText());
    };
    const birthchart::BirthChart chart =
        birthchart::buildBirthChart(selected(0), selected(1), selected(2), selected(3));
    chartText_->setPlainText(platform::fromGbk(chart.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    chartElementsLabel_->setText(platform::fromGbk(chart.elementPairs));
    chartMissingLabel_->setText(platform::fromGbk(chart.missing));
}

}  // namespace nuvelo::app
