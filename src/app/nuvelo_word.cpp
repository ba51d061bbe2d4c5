#include "app/nuvelo_word.h"

#include "app/nuvelo_conten.h"
#include "app/widget_helpers.h"
#include "platform/gbk_qstring.h"
#include "reader/dictionary.h"
#include "report/character_page.h"
#include "settings/program_paths.h"

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
}

void NuveloWord::lookUpCharacter() {
    const std::string typed = platform::toGbk(edit_->text());
    // A failed write leaves the window showing an empty page; nothing is said.
    (void)report::writeCharacterPage(context_.db, typed, settings::pagePath("temp.html"));
    if (page_) {
        page_->reloadShownPages();
    } else {
        page_ = new NuveloConten(NuveloConten::Kind::SinglePage, this);
    }
    page_->setWindowTitle(platform::fromGbk(reader::dictionaryCaption(typed)));
    page_->show();
    page_->raise();
    page_->activateWindow();
}

}  // namespace nuvelo::app
