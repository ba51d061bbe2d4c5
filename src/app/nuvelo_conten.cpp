#include "app/nuvelo_conten.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QPrintDialog>
#include <QPrinter>
#include <QResizeEvent>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

#include "app/widget_helpers.h"
#include "platform/gbk_qstring.h"
#include "platform/page_view.h"
#include "settings/program_paths.h"

namespace nuvelo::app {
namespace {

QString& printTarget() {
    static QString target;
    return target;
}

QTextBrowser* makeBrowser(const QString& name, QWidget* parent) {
    auto* browser = named(new QTextBrowser(parent), name);
    browser->setContextMenuPolicy(Qt::NoContextMenu);
    browser->setOpenLinks(false);
    browser->document()->setDocumentMargin(0);
    return browser;
}

}  // namespace

QString reportPageFile(int page) {
    return page == 0 ? QStringLiteral("temp.html") : QStringLiteral("temp%1.html").arg(page);
}

QString NuveloConten::baseCaption() {
    return QStringLiteral("姓名详细解释");
}

void NuveloConten::setPrintTarget(const QString& pdfPath) {
    printTarget() = pdfPath;
}

NuveloConten::NuveloConten(Kind kind, QWidget* owner) : QWidget(owner, Qt::Window), kind_(kind) {
    setObjectName(QStringLiteral("NuveloConten"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(baseCaption());

    buildToolbar();
    rule_ = named(new QFrame(this), QStringLiteral("分组框4"));
    rule_->setFrameShape(QFrame::HLine);
    rule_->setFrameShadow(QFrame::Sunken);
    rule_->setGeometry(-8, 32, 888, 4);

    if (kind_ == Kind::Report) {
        tabs_ = named(new QTabWidget(this), QStringLiteral("高级选择夹1"));
        tabs_->setGeometry(3, 42, 864, 440);
        for (int page = 0; page <= kSurnamePage; ++page) {
            auto* holder = new QWidget;
            browsers_[static_cast<std::size_t>(page)] =
                makeBrowser(QStringLiteral("网页浏览框%1").arg(page + 1), holder);
            tabs_->addTab(holder, page == 0 ? baseCaption() : QString::number(page));
            tabs_->setTabEnabled(page, page == 0);
        }
        browserCount_ = kSurnamePage + 1;
        connect(tabs_, &QTabWidget::currentChanged, this, &NuveloConten::onPageChanged);
    } else {
        browsers_[0] = makeBrowser(QStringLiteral("网页浏览框1"), this);
        browsers_[0]->setGeometry(0, 40, 864, 440);
        browserCount_ = 1;
    }

    statusBar_ = named(new QStatusBar(this), QStringLiteral("状态条1"));
    statusBar_->setSizeGripEnabled(false);

    move(50, 50);
    resize(876, 534);
    loadPage(0, reportPageFile(0));
}

void NuveloConten::buildToolbar() {
    toolbar_ = makePageWindowToolbar(this);
    struct Button {
        int index;
        QStyle::StandardPixmap icon;
        QString text;
    };
    const Button buttons[] = {{8, QStyle::SP_FileIcon, QStringLiteral("打印")},
                              {10, QStyle::SP_DialogCloseButton, QStringLiteral("关闭")}};
    for (const Button& item : buttons) {
        if (item.index > buttons[0].index)
            toolbarItems_[static_cast<std::size_t>(item.index - 1)] = toolbar_->addSeparator();
        const int index = item.index;
        QAction* action = toolbar_->addAction(style()->standardIcon(item.icon), item.text);
        connect(action, &QAction::triggered, this, [this, index] { onToolbarItem(index); });
        toolbarItems_[static_cast<std::size_t>(index)] = action;
    }
}

QAction* NuveloConten::toolbarItem(int index) const {
    if (index < 0 || index >= static_cast<int>(toolbarItems_.size())) return nullptr;
    return toolbarItems_[static_cast<std::size_t>(index)];
}

QTextBrowser* NuveloConten::browser(int i) const {
    if (i < 0 || i >= browserCount_) return nullptr;
    return browsers_[static_cast<std::size_t>(i)];
}

QTextBrowser* NuveloConten::currentBrowser() const {
    return tabs_ ? browser(tabs_->currentIndex()) : browser(0);
}

void NuveloConten::resetCharacterPages() {
    if (!tabs_) return;
    for (int page = 1; page <= kCharacterPages; ++page) {
        tabs_->setTabText(page, QString::number(page));
        tabs_->setTabEnabled(page, false);
    }
}

void NuveloConten::setCharacterPage(int index, const QString& character) {
    if (!tabs_ || index < 1 || index > kCharacterPages) return;
    tabs_->setTabEnabled(index, true);
    tabs_->setTabText(index, character);
}

void NuveloConten::setSurnamePageReady() {
    if (!tabs_) return;
    tabs_->setTabEnabled(kSurnamePage, true);
    tabs_->setTabText(kSurnamePage, QStringLiteral("姓氏起源"));
}

void NuveloConten::reloadShownPages() {
    loadPage(0, reportPageFile(0));
    if (tabs_ && tabs_->currentIndex() > 0) {
        // A page the new name has no use for falls back to the report.
        if (!tabs_->isTabEnabled(tabs_->currentIndex()))
            tabs_->setCurrentIndex(0);
        else
            onPageChanged(tabs_->currentIndex());
    }
}

void NuveloConten::onPageChanged(int page) {
    if (page >= 1 && page <= kSurnamePage) loadPage(page, reportPageFile(page));
}

void NuveloConten::loadPage(int browserIndex, const QString& fileName) {
    QTextBrowser* view = browser(browserIndex);
    if (!view) return;
    platform::showPageFile(view, QString::fromStdString(settings::pagePath(fileName.toStdString())));
}

void NuveloConten::onToolbarItem(int index) {
    if (index == 8)
        printCurrent();
    else if (index == 10)
        close();
}

void NuveloConten::printCurrent() {
    platform::printPage(currentBrowser(), this, printTarget());
}

void NuveloConten::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = event->size().width();
    const int h = event->size().height();
    toolbar_->setGeometry(0, 0, w, 28);
    rule_->setGeometry(rule_->x(), rule_->y(), w + 10, rule_->height());
    if (tabs_) {
        tabs_->setGeometry(tabs_->x(), tabs_->y(), w - 1, h - 70);
        for (int i = 0; i < browserCount_; ++i) {
            QTextBrowser* view = browser(i);
            view->setGeometry(3, 2, w - 8, h - 104);
        }
    } else {
        QTextBrowser* view = browser(0);
        view->setGeometry(view->x(), view->y(), w - 1, h - 70);
    }
    statusBar_->setGeometry(0, h - 20, w, 20);
}

}  // namespace nuvelo::app
