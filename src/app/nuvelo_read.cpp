#include "app/nuvelo_read.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QPrintDialog>
#include <QPrinter>
#include <QResizeEvent>
#include <QStatusBar>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>

#include "app/widget_helpers.h"
#include "platform/gbk_qstring.h"
#include "platform/page_view.h"
#include "reader/article_page.h"
#include "settings/program_paths.h"

namespace nuvelo::app {
namespace {

QString& printTarget() {
    static QString target;
    return target;
}

constexpr int kListWidth = 232;
constexpr int kBrowserOffset = 236;  // from the list's left edge
constexpr int kTopAndBottom = 70;    // toolbar, rule and status bar

}  // namespace

void NuveloRead::setPrintTarget(const QString& pdfPath) {
    printTarget() = pdfPath;
}

NuveloRead::NuveloRead(AppContext& context, QWidget* owner) : QWidget(owner, Qt::Window), context_(context) {
    setObjectName(QStringLiteral("NuveloRead"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("文章阅读窗口"));

    buildToolbar();
    rule_ = named(new QFrame(this), QStringLiteral("分组框4"));
    rule_->setFrameShape(QFrame::HLine);
    rule_->setFrameShadow(QFrame::Sunken);
    rule_->setGeometry(-8, 32, 888, 4);

    list_ = named(new QTreeWidget(this), QStringLiteral("超级列表框_文章阅读"));
    list_->setColumnCount(1);
    list_->setHeaderLabels({QStringLiteral("文章标题[点击阅读]")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setColumnWidth(0, kListWidth);
    list_->header()->setStretchLastSection(false);
    list_->setGeometry(0, 40, kListWidth, 440);
    // A new selection and a click on the selected title both show the article.
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &NuveloRead::showArticle);
    connect(list_, &QTreeWidget::itemActivated, this, [this] { showArticle(); });

    browser_ = named(new QTextBrowser(this), QStringLiteral("网页浏览框1"));
    browser_->setContextMenuPolicy(Qt::NoContextMenu);
    browser_->setOpenLinks(false);
    browser_->document()->setDocumentMargin(0);
    browser_->setGeometry(240, 40, 624, 440);

    statusBar_ = named(new QStatusBar(this), QStringLiteral("状态条1"));
    statusBar_->setSizeGripEnabled(false);
    statusBar_->setGeometry(0, 486, 870, 20);

    resize(876, 534);
}

void NuveloRead::buildToolbar() {
    toolbar_ = makePageWindowToolbar(this);
    struct Button {
        QStyle::StandardPixmap icon;
        QString text;
    };
    const Button buttons[] = {{QStyle::SP_DirHomeIcon, QStringLiteral("首页")},
                              {QStyle::SP_ArrowBack, QStringLiteral("后退")},
                              {QStyle::SP_ArrowForward, QStringLiteral("前进")},
                              {QStyle::SP_DialogSaveButton, QStringLiteral("导出")},
                              {QStyle::SP_FileIcon, QStringLiteral("打印")},
                              {QStyle::SP_DialogCloseButton, QStringLiteral("退出")}};
    int index = 0;
    for (const Button& item : buttons) {
        if (index > 0) toolbarItems_[static_cast<std::size_t>(index - 1)] = toolbar_->addSeparator();
        QAction* action = toolbar_->addAction(style()->standardIcon(item.icon), item.text);
        connect(action, &QAction::triggered, this, [this, index] { onToolbarItem(index); });
        toolbarItems_[static_cast<std::size_t>(index)] = action;
        index += 2;
    }
}

QAction* NuveloRead::toolbarItem(int index) const {
    if (index < 0 || index >= static_cast<int>(toolbarItems_.size())) return nullptr;
    return toolbarItems_[static_cast<std::size_t>(index)];
}

void NuveloRead::openCategory(const std::string& table, const std::string& category) {
    setWindowTitle(platform::fromGbk(category));
    table_ = table;
    const auto titles = reader::articleTitles(context_.db, table, category);

    // Filling the list must not show every title on its way in.
    {
        const QSignalBlocker quiet(list_);
        list_->clear();
        if (titles) {
            QList<QTreeWidgetItem*> items;
            items.reserve(static_cast<qsizetype>(titles->size()));
            for (const std::string& title : *titles)
                items.append(new QTreeWidgetItem(QStringList{platform::fromGbk(title)}));
            list_->addTopLevelItems(items);
        }
        if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
    }
    showArticle();
}

void NuveloRead::showArticle() {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty() || table_.empty()) {
        browser_->clear();
        return;
    }
    const std::string title = platform::toGbk(selected.first()->text(0));
    const std::string path = settings::pagePath("temp.html");
    reader::writeArticlePage(context_.db, table_, title, path);
    loadPageFile(QString::fromStdString(path));
}

void NuveloRead::loadPageFile(const QString& path) { platform::showPageFile(browser_, path); }

void NuveloRead::onToolbarItem(int index) {
    if (index == 8)
        printPage();
    else if (index == 10)
        close();
}

void NuveloRead::printPage() {
    platform::printPage(browser_, this, printTarget());
}

void NuveloRead::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = event->size().width();
    const int h = event->size().height();
    // The list keeps its width and grows in height; the browser takes the rest.
    browser_->move(list_->x() + kBrowserOffset, browser_->y());
    list_->resize(list_->width(), h - kTopAndBottom);
    browser_->resize(w - list_->width() - 1, h - kTopAndBottom);
    rule_->resize(w + 10, rule_->height());
    statusBar_->setGeometry(0, h - 20, w, 20);
}

}  // namespace nuvelo::app
