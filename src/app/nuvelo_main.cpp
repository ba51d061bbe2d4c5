#include "app/nuvelo_main.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/app_icons.h"
#include "app/date_lists.h"
#include "app/extras_state.h"
#include "app/poem_state.h"
#include "app/report_state.h"
#include "app/mode_radios.h"
#include "app/name_list_view.h"
#include "app/nuvelo_waiting.h"
#include "app/nuvelo_word.h"
#include "app/widget_helpers.h"
#include "platform/gbk_qstring.h"
#include "platform/message_box.h"
#include "platform/queued_call.h"
#include "platform/single_instance.h"
#include "reader/article_categories.h"
#include "refdata/reference_load.h"
#include "settings/program_paths.h"

namespace nuvelo::app {
namespace {

struct ToolbarButton {
    int index;
    const char* text;
};
constexpr ToolbarButton kToolbarButtons[] = {
    {0, "模式选择"}, {2, "生辰八字"}, {4, "姓名评分"}, {6, "起名记录"}, {8, "新华字典"}};

}  // namespace

NuveloMain::NuveloMain(AppContext& context, QWidget* parent) : QMainWindow(parent), context_(context) {
    setObjectName(QStringLiteral("NuveloMain"));
    setWindowTitle(QStringLiteral("禾芽专业宝宝取名软件V1.2"));
    setWindowIcon(applicationIcon());
    move(50, 50);
    // The layout is fixed: nothing moves or resizes with the window.
    setFixedSize(729, 513);

    buildMenus();
    buildToolbar();
    buildStatusBar();

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* line = named(new QFrame, QStringLiteral("分组框4"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedHeight(4);
    layout->addWidget(line);

    pages_ = named(new QTabWidget, QStringLiteral("高级选择夹1"));
    pages_->addTab(buildModeSelectPage(), QStringLiteral("模式选择"));
    pages_->addTab(buildHighScorePage(), QStringLiteral("高分模式"));
    pages_->addTab(buildPoetryPage(), QStringLiteral("诗词起名"));
    pages_->addTab(buildCombinationPage(), QStringLiteral("组合起名"));
    pages_->addTab(buildNicknamePage(), QStringLiteral("起小名"));
    pages_->addTab(buildEnglishPage(), QStringLiteral("起英文名"));
    pages_->addTab(buildBirthChartPage(), QStringLiteral("生辰八字"));
    pages_->addTab(buildScoringPage(), QStringLiteral("姓名评分"));
    pages_->addTab(buildRecordsPage(), QStringLiteral("起名记录"));
    pages_->addTab(buildSuperAuspiciousPage(), QStringLiteral("超吉模式"));
    pages_->addTab(buildClassicPage(), QStringLiteral("经典模式"));
    // Pages are chosen by the toolbar, the menus and the page buttons only:
    // a run relies on the mode page being out of reach while it works.
    pages_->tabBar()->hide();
    layout->addWidget(pages_, 1);
    setCentralWidget(central);

    waiting_ = new NuveloWaiting(this);
}

NuveloMain::~NuveloMain() {
    // The worker and the load thread post to this window; both must be over
    // before it goes.
    if (generation_) generation_->stop();
    context_.joinLoad();
}

QAction* NuveloMain::toolbarItem(int itemIndex) const {
    if (itemIndex < 0 || itemIndex >= static_cast<int>(toolbarItems_.size())) return nullptr;
    return toolbarItems_[static_cast<std::size_t>(itemIndex)];
}

void NuveloMain::buildMenus() {
    QMenuBar* bar = menuBar();

    QMenu* operations = bar->addMenu(QStringLiteral("操作菜单[&C]"));
    operations->setObjectName(QStringLiteral("操作菜单"));
    for (const ToolbarButton& item : kToolbarButtons) {
        const int index = item.index;
        operations->addAction(QString::fromUtf8(item.text), this, [this, index] { onToolbarItem(index); });
    }
    operations->addSeparator();
    operations->addAction(QStringLiteral("退出程序"), this, [this] { close(); });

    for (const reader::ArticleMenu& menu : reader::articleMenus()) {
        QMenu* top = bar->addMenu(platform::fromGbk(menu.caption));
        QMenu* current = top;
        for (const reader::ArticleMenuEntry& entry : menu.entries) {
            using Kind = reader::ArticleMenuEntry::Kind;
            switch (entry.kind) {
                case Kind::SubmenuStart:
                    current = top->addMenu(platform::fromGbk(entry.caption));
                    break;
                case Kind::SubmenuEnd:
                    current = top;
                    break;
                case Kind::Separator:
                    current->addSeparator();
                    break;
                case Kind::Category: {
                    const std::string table = menu.table;
                    const std::string category = entry.caption;
                    current->addAction(platform::fromGbk(category), this,
                                       [this, table, category] { openArticleCategory(table, category); });
                    break;
                }
            }
        }
    }

    QMenu* help = bar->addMenu(QStringLiteral("帮助[&H]"));
    help->addAction(QStringLiteral("更换皮肤"), this, &NuveloMain::onChangeSkin);
    help->addAction(QStringLiteral("使用帮助"), this, &NuveloMain::onOpenManual);
    help->addSeparator();
    help->addAction(QStringLiteral("关于软件"), this, &NuveloMain::onAbout);

    // The media player sits at the top right; English names are spoken there.
    auto* player = named(new QWidget, QStringLiteral("媒体播放1"));
    player->setFixedSize(26, 26);
    bar->setCornerWidget(player, Qt::TopRightCorner);
}

void NuveloMain::buildToolbar() {
    toolbar_ = new QToolBar(QStringLiteral("工具条1"), this);
    toolbar_->setObjectName(QStringLiteral("工具条1"));
    toolbar_->setIconSize(QSize(25, 25));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolbar_->toggleViewAction()->setEnabled(false);
    for (const ToolbarButton& item : kToolbarButtons) {
        if (item.index > 0) toolbarItems_[static_cast<std::size_t>(item.index - 1)] = toolbar_->addSeparator();
        const int index = item.index;
        QAction* action = toolbar_->addAction(toolbarIcon(index), QString::fromUtf8(item.text));
        connect(action, &QAction::triggered, this, [this, index] { onToolbarItem(index); });
        toolbarItems_[static_cast<std::size_t>(index)] = action;
    }
    addToolBar(Qt::TopToolBarArea, toolbar_);
}

void NuveloMain::buildStatusBar() {
    auto* bar = new QStatusBar;
    bar->setObjectName(QStringLiteral("状态条1"));
    bar->setSizeGripEnabled(false);
    statusIcon_ = named(new QLabel, QStringLiteral("状态条1_图标"));
    statusIcon_->setFixedSize(15, 15);
    statusLabel_ = named(new QLabel, QStringLiteral("状态条1_文本"));
    bar->addWidget(statusIcon_);
    bar->addWidget(statusLabel_, 1);
    setStatusBar(bar);
}

QString NuveloMain::statusText() const {
    return statusLabel_->text();
}

void NuveloMain::setStatus(int iconIndex, const QString& text) {
    statusIconIndex_ = iconIndex;
    statusIcon_->setPixmap(statusIcon(iconIndex).pixmap(15, 15));
    statusLabel_->setText(text);
}

bool NuveloMain::start() {
    if (!platform::acquireProcessInstanceGuard()) return false;
    applyStartupSkin();
    show();
    fillDateList(birthLists_[0], DatePart::Year);
    fillDateList(birthLists_[1], DatePart::Month);
    fillDateList(birthLists_[2], DatePart::Day);
    fillDateList(birthLists_[3], DatePart::Hour);
    fillDateList(birthLists_[4], DatePart::Minute);
    showBirthChart();
    lastRunSurname_ = platform::toGbk(surnameEdit_->text());
    setStatus(0, QString::fromUtf8(kModeRadios[0].statusText));
    restoreSettings();
    generationCharacterFlag_ = 0;
    startReferenceLoad();
    return true;
}

void NuveloMain::startReferenceLoad() {
    if (context_.loadThread.joinable()) return;
    const std::string path = settings::referenceDbPath();
    context_.loadThread = std::thread([this, path] {
        refdata::loadReferenceData(context_.db, path, [this](const std::string& message) {
            const QString text = platform::fromGbk(message);
            // Shown by the window thread; the load goes on without waiting.
            platform::postQueued(this, [this, text] { showLoadMessage(text); });
        });
    });
}

void NuveloMain::showLoadMessage(const QString& text) {
    platform::showMessage(this, QStringLiteral("提示"), text, platform::MessageIcon::Critical);
}

void NuveloMain::onToolbarItem(int itemIndex) {
    switch (itemIndex) {
        case 0:
            pages_->setCurrentIndex(kPageModeSelect);
            break;
        case 2:
            chartNamingDateLabel_->setText(birthLists_[0]->currentText() + QStringLiteral("年") +
                                           birthLists_[1]->currentText() + QStringLiteral("月") +
                                           birthLists_[2]->currentText() + QStringLiteral("日") +
                                           birthLists_[3]->currentText() + QStringLiteral("时"));
            fillDateList(chartLists_[0], DatePart::Year);
            fillDateList(chartLists_[1], DatePart::Month);
            fillDateList(chartLists_[2], DatePart::Day);
            fillDateList(chartLists_[3], DatePart::Hour);
            pages_->setCurrentIndex(kPageBirthChart);
            break;
        case 4:
            scoreSurnameEdit_->setText(surnameEdit_->text());
            fillDateList(scoreLists_[0], DatePart::Year);
            fillDateList(scoreLists_[1], DatePart::Month);
            fillDateList(scoreLists_[2], DatePart::Day);
            fillDateList(scoreLists_[3], DatePart::Hour);
            fillDateList(scoreLists_[4], DatePart::Minute);
            pages_->setCurrentIndex(kPageScoring);
            break;
        case 6:
            pages_->setCurrentIndex(kPageRecords);
            break;
        case 8:
            openDictionary();
            break;
        default:
            break;
    }
}

void NuveloMain::openDictionary() {
    NuveloWord dictionary(context_, this);
    dictionary.exec();
}

void NuveloMain::onModeRadioClicked(int modeIndex) {
    if (modeIndex < 0 || modeIndex >= static_cast<int>(kModeRadios.size())) return;
    setStatus(modeIndex, QString::fromUtf8(kModeRadios[static_cast<std::size_t>(modeIndex)].statusText));
}

void NuveloMain::closeEvent(QCloseEvent* event) {
    runExitSequence();
    event->accept();
}

void NuveloMain::runExitSequence() {
    if (exited_) return;
    exited_ = true;
    stopWorker();
    context_.joinLoad();
    context_.db.close();
    saveSettings();
    QCoreApplication::quit();
}

QGroupBox* NuveloMain::listGroup(const QString& groupName, NameListView* list, const QString& caption) {
    QGroupBox* group = makeGroup(groupName, caption);
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(list);
    return group;
}

NameListView* NuveloMain::makeNameList(const QString& name) {
    auto* list = new NameListView(name, nameListColumns());
    connect(list, &NameListView::rowDoubleClicked, this, [this, list](int row) { onNameRowActivated(list, row); });
    return list;
}

}  // namespace nuvelo::app
