#include "app/nuvelo_word.h"

#include "app/widget_helpers.h"

namespace nuvelo::app {

NuveloWord::NuveloWord(AppContext& context, QWidget* owner) : QDialog(owner), context_(context) {
    setObjectName(QStringLiteral("NuveloWord"));
    setWindowTitle(QStringLiteral("汉字查询"));
    setFixedSize(289, 109);
    QLabel* prompt = makeLabel(QStringLiteral("请输入要查询的汉字:"), QStringLiteral("透明标签1"));
    prompt->setParent(this);
    prompt->setGeometry(10, 29, 136, 16);
    edit_ = makeEdit(QStringLiteral("编辑框1"));
    edit_->setParent(this);
    edit_->setGeometry(151, 27, 54, 20);
    QPushButton* query = makeButton(QStringLiteral("按钮_查询"), QStringLiteral("查询"));
    query->setParent(this);
    query->setGeometry(216, 23, 48, 30);
    query->setAutoDefault(false);
    connect(query, &QPushButton::clicked, this, &NuveloWord::lookUpCharacter);
    (void)context_;
}

}  // namespace nuvelo::app
