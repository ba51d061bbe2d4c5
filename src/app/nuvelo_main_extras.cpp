// NuveloMain: the article reader, list export, English pronunciation, skins,
// the manual and the About window.
#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QPlainTextEdit>

#include "app/about_us.h"
#include "app/extras_state.h"
#include "app/name_list_view.h"
#include "app/nuvelo_main.h"
#include "export/name_list_export.h"
#include "platform/gbk_qstring.h"
#include "settings/program_paths.h"

namespace nuvelo::app {
namespace {

DesktopOpener& desktopOpener() {
    static DesktopOpener opener;
    return opener;
}

QUrl pageFileUrl(const char* fileName) {
    return QUrl::fromLocalFile(QString::fromStdString(settings::pagePath(fileName)));
}

// Writes the rows the list holds now to `fileName` under the page folder and
// shows the file. Pending events run after each row, as a run may still be
// filling the list; rows added meanwhile are not part of this export.
void exportListRows(const NameListModel& model, const char* fileName) {
    const int count = model.count();
    std::vector<exporting::NameListRow> rows(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row)
        for (int column = 0; column < 8; ++column)
            rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = model.cellText(row, column);
    exporting::exportNameList(rows, settings::pagePath(fileName),
                              [](std::size_t) { QCoreApplication::processEvents(); });
    openWithDesktop(pageFileUrl(fileName));
}

}  // namespace

void openWithDesktop(const QUrl& file) {
    if (desktopOpener())
        desktopOpener()(file);
    else
        QDesktopServices::openUrl(file);
}

void setDesktopOpener(DesktopOpener opener) {
    desktopOpener() = std::move(opener);
}

void NuveloMain::openArticleCategory(const std::string& table, const std::string& category) {
    if (!extras_) extras_ = std::make_unique<ExtrasState>();
    if (!extras_->articles) extras_->articles = new NuveloRead(context_, this);
    NuveloRead* window = extras_->articles;
    // An open window comes to the front with its new category.
    if (window->isVisible())
        window->raise();
    else
        window->show();
    window->openCategory(table, category);
}

void NuveloMain::onHighScoreExport() {
    exportListRows(*highScoreList_->listModel(), exporting::kNameListFile);
}

void NuveloMain::onSuperExport() {
    exportListRows(*superList_->listModel(), exporting::kSuperNameListFile);
}

void NuveloMain::onClassicExport() {
    auto* box = findChild<QPlainTextEdit*>(QStringLiteral("编辑框_经典名字"));
    QString text = box ? box->toPlainText() : QString();
    // The edit box ends its lines in LF; the file keeps the CR LF of the
    // text the run put there.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    exporting::exportClassicNames(platform::toGbk(text), settings::pagePath(exporting::kClassicNameListFile));
    openWithDesktop(pageFileUrl(exporting::kClassicNameListFile));
}

void NuveloMain::onEnglishRowActivated(int row) {
    // A double click beside the rows, or on a row without a name, says nothing.
    if (row < 0) return;
    const std::string name = englishList_->listModel()->cellText(row, 1);
    if (name.empty()) return;
    if (!extras_) extras_ = std::make_unique<ExtrasState>();
    if (!extras_->pronouncer) extras_->pronouncer = new platform::Pronouncer(this);
    extras_->pronouncer->pronounce(platform::fromGbk(name));
}

void NuveloMain::applyStartupSkin() {
    if (!extras_) extras_ = std::make_unique<ExtrasState>();
    applySkin(*qApp, startupLook());
    extras_->skinChanger.restart();
}

void NuveloMain::onChangeSkin() {
    if (!extras_) extras_ = std::make_unique<ExtrasState>();
    if (auto entry = extras_->skinChanger.next()) applySkin(*qApp, skinEntry(*entry));
}

void NuveloMain::onOpenManual() {
    openWithDesktop(QUrl::fromLocalFile(QString::fromStdString(settings::helpManualPath())));
}

void NuveloMain::onAbout() {
    openAboutWindow();
}

}  // namespace nuvelo::app
