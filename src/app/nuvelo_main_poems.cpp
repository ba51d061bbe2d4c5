// NuveloMain: the poem picker of page 2 and the generation-character dialog.
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>

#include "app/generation_char_dialog.h"
#include "app/name_list_model.h"
#include "app/name_list_view.h"
#include "app/nuvelo_main.h"
#include "app/poem_state.h"
#include "export/file_write.h"
#include "platform/gbk_qstring.h"
#include "platform/page_view.h"
#include "platform/message_box.h"
#include "reader/poem_queries.h"
#include "settings/program_paths.h"

namespace nuvelo::app {
namespace {

constexpr int kChoosePage = 0;  // pages of 高级选择夹2
constexpr int kTickPage = 1;

// Puts box k of the poem at its place over `group`, in the coordinates of
// the group's parent (where the boxes live).
void placeBoxes(const QWidget* group, const std::vector<QPointer<QCheckBox>>& boxes) {
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        if (!boxes[k]) continue;
        const reader::BoxPlace place = reader::poemBoxPlace(static_cast<int>(k));
        boxes[k]->setGeometry(group->x() + place.x, group->y() + place.y, place.width, place.height);
    }
}

// Places the boxes again whenever the group moves or changes size.
class BoxPlacer : public QObject {
public:
    BoxPlacer(QWidget* group, const std::vector<QPointer<QCheckBox>>* boxes)
        : QObject(group), group_(group), boxes_(boxes) {
        group->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == group_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
            placeBoxes(group_, *boxes_);
        return false;
    }

private:
    QWidget* group_;
    const std::vector<QPointer<QCheckBox>>* boxes_;
};

NameListRow listRow(const std::string& text) {
    NameListRow row;
    row.cells = {std::string(), text};
    return row;
}

// Refills a two-column list with numbered texts, letting the window breathe
// after each row so a long list does not freeze it.
void fillList(NameListView* list, const std::vector<std::string>& texts) {
    list->listModel()->clear();
    for (const std::string& text : texts) {
        list->listModel()->appendRow(listRow(text));
        QApplication::processEvents();
    }
}

PoemState& stateOf(std::unique_ptr<PoemState>& poems) {
    if (!poems) poems = std::make_unique<PoemState>();
    return *poems;
}

// Marks a refill of the poet or poem list: the selection signals it causes
// are not taken for the user's choice.
class Filling {
public:
    explicit Filling(bool& flag) : flag_(flag), earlier_(flag) { flag_ = true; }
    ~Filling() { flag_ = earlier_; }
    Filling(const Filling&) = delete;
    Filling& operator=(const Filling&) = delete;

private:
    bool& flag_;
    bool earlier_;
};

QString labelColour(bool set) {
    return set ? QStringLiteral("color: rgb(255, 0, 0);") : QStringLiteral("color: rgb(96, 96, 96);");
}

}  // namespace

void NuveloMain::openPoemPicker() {
    PoemState& state = stateOf(poems_);
    {
        const Filling filling(state.fillingPoets);
        fillList(poetList_, reader::poetNames(context_.db));
        poetList_->selectRow(0);
    }
    onPoetSelected();
    pages_->setCurrentIndex(kPagePoetry);
}

void NuveloMain::onPoetSelected() {
    PoemState& state = stateOf(poems_);
    if (state.fillingPoets) return;
    const int row = poetList_->selectedRow();
    const std::vector<std::string> titles =
        row < 0 ? std::vector<std::string>{} : reader::poemTitlesOf(context_.db, poetList_->listModel()->cellText(row, 1));
    {
        const Filling filling(state.fillingPoems);
        fillList(poemList_, titles);
        poemList_->selectRow(0);
    }
    // The first poem, now selected, is the one the preview shows.
    onPoemSelected();
}

void NuveloMain::onPoemSelected() {
    if (stateOf(poems_).fillingPoems) return;
    const int poemRow = poemList_->selectedRow();
    const int poetRow = poetList_->selectedRow();
    if (poemRow < 0) return;
    const std::string title = poemList_->listModel()->cellText(poemRow, 1);
    const std::string poet = poetRow < 0 ? std::string() : poetList_->listModel()->cellText(poetRow, 1);
    const reader::PoemRecord poem = reader::findPoemByTitle(context_.db, title);
    const std::string path = settings::pagePath("temp.html");
    const exporting::WriteResult written =
        exporting::writeFileReplacing(path, reader::poemPreviewPage(poet, title, poem.text));
    if (!written.ok) return;  // the preview keeps its earlier page
    if (auto* view = findChild<QTextBrowser*>(QStringLiteral("网页浏览框1"))) platform::showPageFile(view, QString::fromStdString(path));
}

void NuveloMain::onUsePoem() {
    stateOf(poems_);
    for (QPointer<QCheckBox>& box : poems_->boxes) delete box.data();
    poems_->boxes.clear();

    const int row = poemList_->selectedRow();
    if (row < 0) {
        platform::showMessage(this, QStringLiteral("提示"), QStringLiteral("请选择一首诗词"),
                              platform::MessageIcon::Information);
        return;
    }
    auto* group = findChild<QGroupBox*>(QStringLiteral("分组框_诗词字符"));
    auto* model = findChild<QCheckBox*>(QStringLiteral("选择框1"));
    auto* picker = findChild<QTabWidget*>(QStringLiteral("高级选择夹2"));
    if (!group || !model || !picker) return;
    // The tick page is shown first so the group has its laid-out place.
    picker->setCurrentIndex(kTickPage);
    if (!poems_->placer) poems_->placer = new BoxPlacer(group, &poems_->boxes);

    const reader::PoemRecord poem = reader::findPoemByTitle(context_.db, poemList_->listModel()->cellText(row, 1));
    for (const reader::PoemBox& made : reader::poemBoxes(poem)) {
        auto* box = new QCheckBox(platform::fromGbk(made.caption), group->parentWidget());
        box->setFont(model->font());
        box->setPalette(model->palette());
        box->setChecked(made.ticked);
        box->show();
        poems_->boxes.emplace_back(box);
    }
    placeBoxes(group, poems_->boxes);
}

std::vector<std::pair<std::string, bool>> NuveloMain::poemBoxStates() const {
    std::vector<std::pair<std::string, bool>> states;
    if (!poems_) return states;
    for (const QPointer<QCheckBox>& box : poems_->boxes)
        if (box) states.emplace_back(platform::toGbk(box->text()), box->isChecked());
    return states;
}

void NuveloMain::onPoemTickAll() {
    if (!poems_) return;
    for (QPointer<QCheckBox>& box : poems_->boxes)
        if (box) box->setChecked(true);
}

void NuveloMain::onPoemTickInvert() {
    if (!poems_) return;
    for (QPointer<QCheckBox>& box : poems_->boxes)
        if (box) box->setChecked(!box->isChecked());
}

void NuveloMain::onPoemTickNone() {
    if (!poems_) return;
    for (QPointer<QCheckBox>& box : poems_->boxes)
        if (box) box->setChecked(false);
}

void NuveloMain::onGenerationCharacterLabel() {
    GenerationCharDialog dialog(generationChar_, this);
    dialog.exec();
    generationChar_ = dialog.setting();
    const bool set = generationChar_.kind != generation::GenerationChar::None;
    generationCharacterFlag_ = set ? 1 : 0;
    if (generationCharacterLabel_) generationCharacterLabel_->setStyleSheet(labelColour(set));
}

}  // namespace nuvelo::app
