#include "app/generation_char_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/widget_helpers.h"
#include "platform/gbk_qstring.h"
#include "platform/message_box.h"

namespace nuvelo::app {

using generation::GenerationChar;

GenerationCharDialog::GenerationCharDialog(const GenerationCharSetting& current, QWidget* parent)
    : QDialog(parent), setting_(current) {
    setObjectName(QStringLiteral("设置辈份"));
    setWindowTitle(QStringLiteral("设置辈份"));
    setModal(true);
    setFixedSize(498, 257);

    none_ = makeRadio(QStringLiteral("单选框_不设置辈份"), QStringLiteral("不设置辈份"));
    second_ = makeRadio(QStringLiteral("单选框_设置第二个字"), QStringLiteral("第  二  个字设定为"));
    third_ = makeRadio(QStringLiteral("单选框_设置第三个字"), QStringLiteral("第  三  个字设定为"));
    secondEdit_ = makeEdit(QStringLiteral("编辑框_第二个字"), QStringLiteral("志"));
    thirdEdit_ = makeEdit(QStringLiteral("编辑框_第三个字"), QStringLiteral("强"));
    secondEdit_->setFixedWidth(60);
    thirdEdit_->setFixedWidth(60);
    QLabel* noneHint = makeLabel(QStringLiteral("高分模式下建议不设置辈份,设置后生成名字较少,且很难取得高分名字"),
                                 QStringLiteral("透明标签3"));
    noneHint->setWordWrap(true);
    QLabel* secondHint = makeLabel(QStringLiteral("设定第二个字如李\"志\"强的\"志\""), QStringLiteral("透明标签1"));
    QLabel* thirdHint = makeLabel(QStringLiteral("设定第三个字如李志\"强\"的\"强\""), QStringLiteral("透明标签2"));

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(none_, 0, 0);
    grid->addWidget(noneHint, 0, 1, 1, 2);
    grid->addWidget(second_, 1, 0);
    grid->addWidget(secondEdit_, 1, 1);
    grid->addWidget(secondHint, 1, 2);
    grid->addWidget(third_, 2, 0);
    grid->addWidget(thirdEdit_, 2, 1);
    grid->addWidget(thirdHint, 2, 2);
    grid->setColumnStretch(2, 1);
    grid->setVerticalSpacing(18);
    layout->addLayout(grid);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    QPushButton* confirm = makeButton(QStringLiteral("按钮_辈份确定"), QStringLiteral("确定"));
    QPushButton* cancel = makeButton(QStringLiteral("按钮_辈份取消"), QStringLiteral("取消"));
    buttons->addStretch(1);
    buttons->addWidget(confirm);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(confirm, &QPushButton::clicked, this, &GenerationCharDialog::onConfirm);
    connect(cancel, &QPushButton::clicked, this, &GenerationCharDialog::onCancel);

    switch (current.kind) {
        case GenerationChar::Second: second_->setChecked(true); break;
        case GenerationChar::Third: third_->setChecked(true); break;
        case GenerationChar::None: none_->setChecked(true); break;
    }
}

void GenerationCharDialog::onConfirm() {
    // An empty box asks for the character and keeps the dialog (and the
    // earlier setting) as they are.
    auto fixedText = [this](QLineEdit* edit, const QString& warning, std::string* target) {
        if (edit->text().isEmpty()) {
            platform::showMessage(this, QStringLiteral("提示"), warning, platform::MessageIcon::Warning);
            return false;
        }
        *target = platform::toGbk(edit->text());
        return true;
    };
    if (second_->isChecked()) {
        if (!fixedText(secondEdit_, QStringLiteral("请输入所设定的第二个字"), &setting_.second)) return;
        setting_.kind = GenerationChar::Second;
    } else if (third_->isChecked()) {
        if (!fixedText(thirdEdit_, QStringLiteral("请输入所设定的第三个字"), &setting_.third)) return;
        setting_.kind = GenerationChar::Third;
    } else {
        setting_.kind = GenerationChar::None;
    }
    accept();
}

void GenerationCharDialog::onCancel() {
    none_->setChecked(true);
    setting_.kind = GenerationChar::None;
    accept();
}

}  // namespace nuvelo::app
