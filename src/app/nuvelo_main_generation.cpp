// NuveloMain: starting, pausing and showing generation runs. The run itself
// lives in the core (generationRun); this file reads the controls, starts it
// on the worker through the GenerationController and shows what it hands
// over.
#include <QAction>
#include <QButtonGroup>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "app/mode_radios.h"
#include "app/name_list_view.h"
#include "app/nuvelo_main.h"
#include "app/nuvelo_waiting.h"
#include "platform/gbk_qstring.h"
#include "platform/message_box.h"

namespace nuvelo::app {

using generation::ListId;
using generation::Mode;
using generation::RunControl;

namespace {

constexpr const char* kPauseCaption = "暂停";
constexpr const char* kContinueCaption = "继续";

// Index of a mode in the radio table (kModeRadios order).
int radioIndexOf(Mode mode) {
    switch (mode) {
        case Mode::Classic: return 0;
        case Mode::HighScore: return 1;
        case Mode::Poetry: return 2;
        case Mode::Combination: return 3;
        case Mode::Nickname: return 4;
        case Mode::English: return 5;
        case Mode::Super: return 6;
    }
    return 0;
}

platform::MessageIcon iconOf(generation::MessageIcon icon) {
    switch (icon) {
        case generation::MessageIcon::Warning: return platform::MessageIcon::Warning;
        case generation::MessageIcon::Information: return platform::MessageIcon::Information;
        case generation::MessageIcon::None: return platform::MessageIcon::None;
    }
    return platform::MessageIcon::None;
}

}  // namespace

QPushButton* NuveloMain::button(const char* name) const { return findChild<QPushButton*>(QString::fromUtf8(name)); }

NameListView* NuveloMain::listOf(ListId list) const {
    switch (list) {
        case ListId::HighScore: return highScoreList_;
        case ListId::Super: return superList_;
        case ListId::Poetry: return poemNameList_;
        case ListId::Combination: return combinationList_;
        case ListId::Nickname: return nicknameList_;
        case ListId::English: return englishList_;
    }
    return nullptr;
}

generation::RunInputs NuveloMain::currentInputs(Mode mode) const {
    return readRunInputs(this, mode, generationChar_, poemBoxStates());
}

void NuveloMain::startRun(Mode mode) {
    if (!generation_) generation_ = std::make_unique<GenerationController>(context_.db, *this, this);
    runMode_ = mode;
    generation_->start(currentInputs(mode));
}

void NuveloMain::stopWorker() {
    if (generation_) generation_->stop();
    waiting_->hide();
}

void NuveloMain::setOtherModeRadiosEnabled(Mode mode, bool enabled) {
    const int own = radioIndexOf(mode);
    for (int i = 0; i < static_cast<int>(kModeRadios.size()); ++i)
        if (i != own) modeRadios_->button(i)->setEnabled(enabled);
}

void NuveloMain::onStartNaming() {
    const QString surnameText = surnameEdit_->text();
    if (surnameText.isEmpty()) {
        platform::showMessage(this, QStringLiteral("提示"), QStringLiteral("请输入姓氏!"),
                              platform::MessageIcon::Information);
        return;
    }
    const std::string surname = platform::toGbk(surnameText);
    const Mode mode = checkedMode(this);
    switch (mode) {
        case Mode::Classic:
            startRun(Mode::Classic);
            break;
        case Mode::Poetry:
            openPoemPicker();
            break;
        case Mode::HighScore:
            if (surname != lastRunSurname_) {
                highScoreList_->listModel()->clear();
                button("按钮_高分暂停")->setText(QString::fromUtf8(kPauseCaption));
                button("按钮_再生成一次")->setEnabled(true);
                lastRunSurname_ = surname;
                stopWorker();
                pages_->setCurrentIndex(kPageHighScore);
                startRun(Mode::HighScore);
            } else {
                pages_->setCurrentIndex(kPageHighScore);
            }
            break;
        case Mode::Combination:
            combinationList_->listModel()->clear();
            pages_->setCurrentIndex(kPageCombination);
            break;
        case Mode::Nickname:
            nicknameList_->listModel()->clear();
            pages_->setCurrentIndex(kPageNickname);
            break;
        case Mode::English:
            findChild<QLineEdit*>(QStringLiteral("编辑框_英文姓氏"))->setText(surnameText);
            englishList_->listModel()->clear();
            pages_->setCurrentIndex(kPageEnglish);
            break;
        case Mode::Super:
            if (surname != lastRunSurname_) {
                superList_->listModel()->clear();
                button("按钮_超吉暂停")->setText(QString::fromUtf8(kPauseCaption));
                button("按钮_超吉生成")->setEnabled(true);
                lastRunSurname_ = surname;
                pages_->setCurrentIndex(kPageSuperAuspicious);
                stopWorker();
            } else {
                pages_->setCurrentIndex(kPageSuperAuspicious);
            }
            onElementMasterClicked(2);
            break;
    }
}

void NuveloMain::onHighScoreAgain() {
    highScoreList_->listModel()->clear();
    startRun(Mode::HighScore);
}

void NuveloMain::onClassicGenerate() { startRun(Mode::Classic); }

void NuveloMain::onSuperGenerate() {
    superList_->listModel()->clear();
    startRun(Mode::Super);
}

void NuveloMain::onPoemGenerate() {
    poemNameList_->listModel()->clear();
    startRun(Mode::Poetry);
}

void NuveloMain::onCombinationGenerate() {
    combinationList_->listModel()->clear();
    startRun(Mode::Combination);
}

void NuveloMain::onNicknameGenerate() {
    nicknameList_->listModel()->clear();
    startRun(Mode::Nickname);
}

void NuveloMain::onEnglishGenerate() {
    if (findChild<QLineEdit*>(QStringLiteral("编辑框_英文姓氏"))->text().isEmpty()) {
        platform::showMessage(this, QStringLiteral("提示"), QStringLiteral("请输入姓氏"), platform::MessageIcon::Information);
        return;
    }
    if (findChild<QLineEdit*>(QStringLiteral("编辑框_英文名字"))->text().isEmpty()) {
        platform::showMessage(this, QStringLiteral("提示"), QStringLiteral("请输入名字"), platform::MessageIcon::Information);
        return;
    }
    englishList_->listModel()->clear();
    startRun(Mode::English);
}

void NuveloMain::togglePause(const char* pauseButton, const char* exportButton, Mode mode) {
    QPushButton* pause = button(pauseButton);
    if (pause->text() == QString::fromUtf8(kPauseCaption)) {
        if (generation_) generation_->pause();
        setModeSelectEnabled(true);
        setOtherModeRadiosEnabled(mode, false);
        button(exportButton)->setEnabled(true);
        pause->setText(QString::fromUtf8(kContinueCaption));
    } else {
        if (generation_) generation_->resume(currentInputs(runMode_));
        pause->setText(QString::fromUtf8(kPauseCaption));
        setOtherModeRadiosEnabled(mode, true);
        button(exportButton)->setEnabled(false);
    }
}

void NuveloMain::onHighScorePause() { togglePause("按钮_高分暂停", "按钮_高分导出", Mode::HighScore); }
void NuveloMain::onSuperPause() { togglePause("按钮_超吉暂停", "按钮_超吉导出", Mode::Super); }

void NuveloMain::setModeSelectEnabled(bool enabled) {
    toolbarItems_[0]->setEnabled(enabled);
    for (QAction* menu : menuBar()->actions()) {
        if (!menu->menu() || menu->menu()->objectName() != QStringLiteral("操作菜单")) continue;
        for (QAction* item : menu->menu()->actions())
            if (item->text() == QStringLiteral("模式选择")) item->setEnabled(enabled);
    }
}

// ---- RunView ----------------------------------------------------------------

void NuveloMain::runBegan() {
    waiting_->show();
    setModeSelectEnabled(false);
}

void NuveloMain::closeWaiting() { waiting_->hide(); }

void NuveloMain::showPage(int page) { pages_->setCurrentIndex(page); }

void NuveloMain::showPoemResultPage() {
    if (auto* picker = findChild<QTabWidget*>(QStringLiteral("高级选择夹2"))) picker->setCurrentIndex(2);
}

void NuveloMain::setRunControlEnabled(RunControl control, bool enabled) {
    const char* name = nullptr;
    switch (control) {
        case RunControl::HighPause: name = "按钮_高分暂停"; break;
        case RunControl::Regenerate: name = "按钮_再生成一次"; break;
        case RunControl::HighExport: name = "按钮_高分导出"; break;
        case RunControl::SuperGenerate: name = "按钮_超吉生成"; break;
        case RunControl::SuperPause: name = "按钮_超吉暂停"; break;
        case RunControl::SuperExport: name = "按钮_超吉导出"; break;
    }
    if (QPushButton* b = button(name)) b->setEnabled(enabled);
}

void NuveloMain::setClassicText(const std::string& gbk) {
    findChild<QPlainTextEdit*>(QStringLiteral("编辑框_经典名字"))->setPlainText(platform::fromGbk(gbk));
}

void NuveloMain::appendRows(ListId list, std::vector<generation::NameRow> rows) {
    std::vector<NameListRow> converted;
    converted.reserve(rows.size());
    const std::size_t cells = list == ListId::English ? 4 : 8;
    for (generation::NameRow& r : rows) {
        NameListRow row;
        row.cells.assign(std::make_move_iterator(r.cells.begin()),
                         std::make_move_iterator(r.cells.begin() + static_cast<std::ptrdiff_t>(cells)));
        row.sortKey = r.sortKey;
        converted.push_back(std::move(row));
    }
    listOf(list)->listModel()->appendRows(std::move(converted));
}

void NuveloMain::finishList(ListId list) { listOf(list)->listModel()->sortByKeyDescending(); }

void NuveloMain::showRunMessage(const std::string& text, const std::string& title, generation::MessageIcon icon) {
    platform::showMessage(this, platform::fromGbk(title), platform::fromGbk(text), iconOf(icon));
}

void NuveloMain::runEnded() {
    waiting_->hide();
    setModeSelectEnabled(true);
    button("按钮_高分导出")->setEnabled(true);
    for (int i = 1; i < static_cast<int>(kModeRadios.size()); ++i) modeRadios_->button(i)->setEnabled(true);
    ++finishedRuns_;
}

}  // namespace nuvelo::app
