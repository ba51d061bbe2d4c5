// Page 9 "超吉模式": the five-element filters, the explanation of the filter,
// the super-auspicious list and its buttons. The enabling of the filter boxes
// follows their masters; the two families (by position, whole name) exclude
// each other.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/name_list_view.h"
#include "app/nuvelo_main.h"
#include "app/widget_helpers.h"

namespace nuvelo::app {
namespace {

struct FilterFamily {
    const char* master;
    const char* text;
};
// Families 0..3; the element boxes of family k are 选择框_金k … 选择框_土k.
constexpr FilterFamily kFamilies[4] = {
    {"选择框_第二个字五行限定", "第二个字五行限定"},
    {"选择框_第三个字五行限定", "第三个字五行限定"},
    {"选择框_所有字必带五行", "所有字必须带五行(含姓)"},
    {"选择框_所有字不能带五行", "所有字不能带五行(含姓)"},
};
constexpr const char* kElements[5] = {"金", "木", "水", "火", "土"};
constexpr int kInitialFamily = 2;  // checked with its five elements at start

constexpr const char* kExplanation =
    "名字里缺少的五行，选择对应的五行，就可以进行后天补救。五格是根据姓名的康熙笔画数计算出来的，然后再对照81灵动数，"
    "查看吉凶。三才是按数字对应五行属性计算的，再对照三才凶吉表，查看吉凶。所以筛选时，选择吉祥的参照，就能获得五格，"
    "三才超“吉”的名字。由于姓是固定的，天格也是固定的，所以天格为凶时无法得到100分！";

}  // namespace

QWidget* NuveloMain::buildSuperAuspiciousPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;

    QGroupBox* filters = makeGroup(QStringLiteral("分组框16"), QStringLiteral("请设置五行筛选条件"));
    auto* grid = new QGridLayout(filters);
    grid->setVerticalSpacing(2);
    for (int family = 0; family < 4; ++family) {
        auto& boxes = elementBoxes_[static_cast<std::size_t>(family)];
        boxes[0] = makeCheck(QString::fromUtf8(kFamilies[family].master), QString::fromUtf8(kFamilies[family].text));
        grid->addWidget(boxes[0], family, 0);
        for (int e = 0; e < 5; ++e) {
            const QString element = QString::fromUtf8(kElements[e]);
            QCheckBox* box = makeCheck(QStringLiteral("选择框_%1%2").arg(element).arg(family), element);
            boxes[static_cast<std::size_t>(e + 1)] = box;
            grid->addWidget(box, family, e + 1);
        }
        connect(boxes[0], &QCheckBox::clicked, this, [this, family] { onElementMasterClicked(family); });
    }
    for (int family = 0; family < 4; ++family) {
        const bool initial = family == kInitialFamily;
        auto& boxes = elementBoxes_[static_cast<std::size_t>(family)];
        for (QCheckBox* box : boxes) box->setChecked(initial);
        for (std::size_t e = 1; e < boxes.size(); ++e) boxes[e]->setEnabled(initial);
        // The checked whole-name master shuts out the position family.
        boxes[0]->setEnabled(family >= 2);
    }
    // One click asks for the elements the birth chart of page 6 lacks (all
    // five when it lacks none) in every character of the name.
    QPushButton* fromChart = makeButton(QStringLiteral("按钮_按八字补五行"), QStringLiteral("按八字补五行"));
    grid->addWidget(fromChart, 4, 0, 1, 6, Qt::AlignLeft);
    connect(fromChart, &QPushButton::clicked, this, [this] {
        showBirthChart();
        const QString missing = chartMissingLabel_->text();
        auto& required = elementBoxes_[static_cast<std::size_t>(kInitialFamily)];
        // The position family gives way, as after a click on an enabled
        // master: both whole-name masters become usable again.
        required[0]->setEnabled(true);
        elementBoxes_[static_cast<std::size_t>(kInitialFamily + 1)][0]->setEnabled(true);
        required[0]->setChecked(true);
        for (std::size_t e = 1; e < required.size(); ++e)
            required[e]->setChecked(missing.isEmpty() || missing.contains(required[e]->text()));
        onElementMasterClicked(kInitialFamily);
    });
    top->addWidget(filters);

    QGroupBox* principle = makeGroup(QStringLiteral("分组框18"), QStringLiteral("超“吉”筛选原理"));
    auto* principleLayout = new QVBoxLayout(principle);
    QLabel* explanation = makeLabel(QString::fromUtf8(kExplanation));
    explanation->setWordWrap(true);
    explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    principleLayout->addWidget(explanation);
    top->addWidget(principle, 1);
    layout->addLayout(top);

    superList_ = makeNameList(QStringLiteral("超级列表框_超吉起名"));
    layout->addWidget(listGroup(QStringLiteral("分组框17"), superList_, nameListCaption()), 1);

    auto* buttons = new QHBoxLayout;
    QPushButton* generate = makeButton(QStringLiteral("按钮_超吉生成"), QStringLiteral("生成"));
    QPushButton* pause = makeButton(QStringLiteral("按钮_超吉暂停"), QStringLiteral("暂停"));
    QPushButton* exportList = makeButton(QStringLiteral("按钮_超吉导出"), QStringLiteral("导出"));
    connect(generate, &QPushButton::clicked, this, &NuveloMain::onSuperGenerate);
    connect(pause, &QPushButton::clicked, this, &NuveloMain::onSuperPause);
    connect(exportList, &QPushButton::clicked, this, &NuveloMain::onSuperExport);
    buttons->addStretch(1);
    buttons->addWidget(generate);
    buttons->addWidget(pause);
    buttons->addWidget(exportList);
    layout->addLayout(buttons);
    return page;
}

void NuveloMain::onElementMasterClicked(int family) {
    if (family < 0 || family >= 4) return;
    auto& own = elementBoxes_[static_cast<std::size_t>(family)];
    const auto& partner = elementBoxes_[static_cast<std::size_t>(family ^ 1)];
    const std::size_t otherFirst = family < 2 ? 2 : 0;  // the other family's two masters
    QCheckBox* others[2] = {elementBoxes_[otherFirst][0], elementBoxes_[otherFirst + 1][0]};
    const bool checked = own[0]->isChecked();
    if (checked) {
        for (QCheckBox* master : others) {
            master->setEnabled(false);
            master->setChecked(false);
        }
    } else if (!partner[0]->isChecked()) {
        for (QCheckBox* master : others) master->setEnabled(true);
    }
    for (std::size_t e = 1; e < own.size(); ++e) own[e]->setEnabled(checked);
}

}  // namespace nuvelo::app
