// Page 0 "模式选择": the baby information panel, the mode radio buttons, the
// start button and the introduction text.
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/clickable_label.h"
#include "app/mode_radios.h"
#include "app/nuvelo_main.h"
#include "app/widget_helpers.h"

namespace nuvelo::app {
namespace {

// The introduction as the program states it; lines are CR LF separated.
constexpr const char* kIntroduction =
    "古人云： “赐子千金，不如教子一艺；教子一艺，不如赐子一名。”\r\n\r\n研究表明，名字将影响人的一生！\r\n\r\n"
    "宝宝名字的选择权在您手中，可是您不是电脑，不是字典，怎么能想出很多丰富多彩的名字，再作选择呢？\r\n\r\n"
    "本软件参考各种书籍、文献、字典，一次产生数千个好名字，您还可根据笔画数、拼音、五行、指定含某字等方式在输出结果里筛"
    "\r\n\r\n"
    "选出满意的名字！\r\n\r\n"
    "宝宝取名软件,"
    "参考大量书籍、文献、字典，采用《五行平衡取名法》结合宝宝姓氏、性别、生辰八字、五格、三才、五行及音行意\r\n\r\n"
    "等重要元素，一次产生数千个好名字！\r\n\r\n"
    "宝宝取名软件的主要特点:"
    "可按高分起名、诗词起名、组合起名、起小名、起英文名等模式生成名字，并且独有英文名字朗读功能。\r\n\r\n"
    "提供近3000篇取名知识文章，提供近6000篇育儿知识文章,拥有功能强大的新华字典。\r\n";

QComboBox* dateList(const QString& name) {
    QComboBox* list = makeList(name);
    list->setMinimumContentsLength(4);
    return list;
}

}  // namespace

QWidget* NuveloMain::buildModeSelectPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    QGroupBox* baby = makeGroup(QStringLiteral("分组框1"), QStringLiteral("宝宝信息："));
    auto* babyLayout = new QGridLayout(baby);
    auto* first = new QHBoxLayout;
    surnameEdit_ = makeEdit(QStringLiteral("编辑框_姓氏"));
    surnameEdit_->setFixedWidth(80);
    sexList_ = makeList(QStringLiteral("组合框_性别"), {QStringLiteral("男"), QStringLiteral("女")});
    sexList_->setCurrentIndex(0);
    lengthList_ = makeList(QStringLiteral("组合框_名字个数"), {QStringLiteral("一字"), QStringLiteral("二字")});
    lengthList_->setCurrentIndex(0);
    auto* generationLabel = named(new ClickableLabel(QStringLiteral("▽")), QStringLiteral("标签_设置辈份"));
    generationLabel->setStyleSheet(QStringLiteral("color: rgb(96, 96, 96);"));
    generationLabel->setCursor(Qt::PointingHandCursor);
    connect(generationLabel, &ClickableLabel::released, this, &NuveloMain::onGenerationCharacterLabel);
    generationCharacterLabel_ = generationLabel;
    first->addWidget(makeLabel(QStringLiteral("姓氏:")));
    first->addWidget(surnameEdit_);
    first->addSpacing(12);
    first->addWidget(makeLabel(QStringLiteral("性别:")));
    first->addWidget(sexList_);
    first->addSpacing(12);
    first->addWidget(makeLabel(QStringLiteral("名字个数:")));
    first->addWidget(lengthList_);
    first->addWidget(generationLabel);
    first->addStretch(1);

    auto* second = new QHBoxLayout;
    second->addWidget(makeLabel(QStringLiteral("出生日期(公历):")));
    const QString listNames[5] = {QStringLiteral("组合框_年份"), QStringLiteral("组合框_月份"),
                                  QStringLiteral("组合框_日子"), QStringLiteral("组合框_时间"),
                                  QStringLiteral("组合框_分钟")};
    const QString units[5] = {QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日"), QStringLiteral("时"),
                              QStringLiteral("分")};
    for (int i = 0; i < 5; ++i) {
        birthLists_[static_cast<std::size_t>(i)] = dateList(listNames[i]);
        second->addWidget(birthLists_[static_cast<std::size_t>(i)]);
        second->addWidget(makeLabel(units[i]));
    }
    second->addStretch(1);
    babyLayout->addLayout(first, 0, 0);
    babyLayout->addLayout(second, 1, 0);
    layout->addWidget(baby);

    auto* modes = new QHBoxLayout;
    modes->addWidget(makeLabel(QStringLiteral("请选择起名模式:"), QStringLiteral("透明标签10")));
    modeRadios_ = new QButtonGroup(this);
    for (std::size_t i = 0; i < kModeRadios.size(); ++i) {
        QRadioButton* radio =
            makeRadio(QString::fromUtf8(kModeRadios[i].objectName), QString::fromUtf8(kModeRadios[i].text));
        modeRadios_->addButton(radio, static_cast<int>(i));
        modes->addWidget(radio);
    }
    modeRadios_->button(0)->setChecked(true);
    connect(modeRadios_, &QButtonGroup::idClicked, this, &NuveloMain::onModeRadioClicked);
    modes->addStretch(1);
    layout->addLayout(modes);

    auto* startRow = new QHBoxLayout;
    QPushButton* start = makeButton(QStringLiteral("按钮_起名"), QStringLiteral("开始起名"));
    connect(start, &QPushButton::clicked, this, &NuveloMain::onStartNaming);
    startRow->addStretch(1);
    startRow->addWidget(start);
    layout->addLayout(startRow);

    QLabel* intro = makeLabel(QString::fromUtf8(kIntroduction).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                              QStringLiteral("透明标签11"));
    intro->setWordWrap(true);
    intro->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont small = intro->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    intro->setFont(small);
    layout->addWidget(intro, 1);
    return page;
}

}  // namespace nuvelo::app
