// NuveloMain: name reports, saved names (records), the scoring tab and the
// settings file.
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTextBrowser>
#include <algorithm>
#include <memory>

#include "app/name_list_view.h"
#include "app/nuvelo_main.h"
#include "app/report_state.h"
#include "platform/gbk_qstring.h"
#include "platform/message_box.h"
#include "report/name_report.h"
#include "report/report_pages.h"
#include "settings/name_records.h"
#include "settings/program_paths.h"
#include "text/gbk.h"

namespace nuvelo::app {
namespace {

// Writes every page of surname + given and shows them in the report window:
// a new window the first time, the open one refilled after that (its caption,
// its page tabs and the pages it shows now).
void showNameReport(ReportState& state, QWidget* owner, refdata::NameDb& db, const std::string& cell,
                    const std::string& surname, const std::string& given) {
    const report::NamePages pages = report::writeNamePages(db, surname, given);
    NuveloConten* window = state.window;
    const bool fresh = window == nullptr;
    if (fresh) {
        window = new NuveloConten(NuveloConten::Kind::Report, owner);
        state.window = window;
    } else {
        window->resetCharacterPages();
    }
    window->setWindowTitle(platform::fromGbk(cell) + NuveloConten::baseCaption());
    const int shown = std::min<int>(static_cast<int>(pages.characters.size()), NuveloConten::kCharacterPages);
    for (int i = 0; i < shown; ++i)
        window->setCharacterPage(i + 1, platform::fromGbk(pages.characters[static_cast<std::size_t>(i)]));
    window->setSurnamePageReady();
    if (!fresh) window->reloadShownPages();
    window->show();
    window->raise();
    window->activateWindow();
}

// Files surname + given with the six figures of the source row, unless a
// record of that name exists. True when a record was added.
bool addRecord(NameListModel& records, const NameListModel& source, int sourceRow, const std::string& surname,
               const std::string& given) {
    const std::string name = settings::recordName(surname, given);
    if (records.findByName(name) >= 0) return false;
    NameListRow row;
    row.cells.reserve(8);
    row.cells.push_back(std::string());  // numbered by the model
    row.cells.push_back(name);
    for (int column = 2; column <= 7; ++column) row.cells.push_back(source.cellText(sourceRow, column));
    records.appendRow(std::move(row));
    return true;
}

QLineEdit* edit(const QObject* window, const char* name) {
    return window->findChild<QLineEdit*>(QString::fromUtf8(name));
}

QString textOf(const QLineEdit* box) {
    return box ? box->text() : QString();
}

void setTextOf(QLineEdit* box, const std::string& gbk) {
    if (box) box->setText(platform::fromGbk(gbk));
}

}  // namespace

void NuveloMain::restoreSettings() {
    const settings::SavedInputs saved = settings::loadSavedInputs(settings::settingsFilePath());
    setTextOf(surnameEdit_, saved.surname);
    sexList_->setCurrentIndex(saved.sexIndex);
    lengthList_->setCurrentIndex(saved.lengthIndex);
    setTextOf(edit(this, "编辑框_组合的字"), saved.combination);
    setTextOf(edit(this, "编辑框_英文名字"), saved.englishGiven);
    setTextOf(scoreGivenEdit_, saved.scoringGiven);

    std::vector<NameListRow> rows;
    rows.reserve(saved.records.size());
    for (const settings::NameRecord& record : saved.records) {
        NameListRow row;
        row.cells.reserve(8);
        row.cells.push_back(std::string());
        row.cells.insert(row.cells.end(), record.begin(), record.end());
        rows.push_back(std::move(row));
    }
    recordList_->listModel()->clear();
    recordList_->listModel()->appendRows(std::move(rows));
}

void NuveloMain::saveSettings() {
    settings::SavedInputs inputs;
    inputs.surname = platform::toGbk(textOf(surnameEdit_));
    inputs.sexIndex = std::max(0, sexList_->currentIndex());
    inputs.lengthIndex = std::max(0, lengthList_->currentIndex());
    inputs.combination = platform::toGbk(textOf(edit(this, "编辑框_组合的字")));
    inputs.englishGiven = platform::toGbk(textOf(edit(this, "编辑框_英文名字")));
    inputs.scoringGiven = platform::toGbk(textOf(scoreGivenEdit_));
    const NameListModel* records = recordList_->listModel();
    inputs.records.reserve(static_cast<std::size_t>(records->count()));
    for (int row = 0; row < records->count(); ++row) {
        settings::NameRecord record;
        for (int column = 1; column <= 7; ++column)
            record[static_cast<std::size_t>(column - 1)] = records->cellText(row, column);
        inputs.records.push_back(std::move(record));
    }
    // A failed write is not reported: the file keeps what it held (it is
    // replaced in one step), and the next save tries again.
    (void)settings::saveSavedInputs(settings::settingsFilePath(), inputs);
}

void NuveloMain::onNameRowActivated(NameListView* list, int) {
    if (!list) return;
    const bool generated = list == highScoreList_ || list == superList_ || list == poemNameList_ ||
                           list == combinationList_ || list == nicknameList_;
    if (!generated && list != scoreList_) return;
    const int row = list->selectedRow();
    if (row < 0) return;
    const std::string cell = list->listModel()->cellText(row, 1);
    if (cell.empty()) return;

    std::string surname;
    std::string given;
    if (generated) {
        surname = platform::toGbk(surnameEdit_->text());
        given = settings::givenFromGeneratedCell(cell, surname);
    } else {
        settings::splitRecordName(cell, surname, given);
    }
    // A name without a surname or given name has no report.
    if (text::isBlank(surname) || text::isBlank(given)) return;

    if (!reports_) reports_ = std::make_unique<ReportState>();
    showNameReport(*reports_, this, context_.db, cell, surname, given);
    if (generated && addRecord(*recordList_->listModel(), *list->listModel(), row, surname, given))
        saveSettings();  // written at once: a crash later loses no record
}

void NuveloMain::onRecordRowActivated(int) {
    const int row = recordList_->selectedRow();
    if (row < 0) return;
    const std::string cell = recordList_->listModel()->cellText(row, 1);
    if (cell.empty()) return;
    std::string surname;
    std::string given;
    settings::splitRecordName(cell, surname, given);
    if (text::isBlank(surname) || text::isBlank(given)) return;
    if (!reports_) reports_ = std::make_unique<ReportState>();
    showNameReport(*reports_, this, context_.db, cell, surname, given);
}

void NuveloMain::onRecordContextMenu(int, const QPoint& globalPos) {
    QMenu menu(QStringLiteral("记录列表菜单"), this);
    menu.setObjectName(QStringLiteral("记录列表菜单"));
    QAction* remove = menu.addAction(QStringLiteral("删除记录"));
    if (menu.exec(globalPos) != remove) return;
    const int row = recordList_->selectedRow();
    if (row < 0 || recordList_->listModel()->cellText(row, 1).empty()) return;
    if (recordList_->listModel()->removeListRow(row)) saveSettings();
}

void NuveloMain::onScoreTypedName() {
    const QString typedSurname = scoreSurnameEdit_->text();
    const QString typedGiven = scoreGivenEdit_->text();
    // Blanks alone hold no character and have no report: refused like an
    // empty entry.
    if (typedSurname.trimmed().isEmpty()) {
        platform::showMessage(this, QStringLiteral("提示"), QStringLiteral("请输入姓氏"),
                              platform::MessageIcon::None);
        return;
    }
    if (typedGiven.trimmed().isEmpty()) {
        platform::showMessage(this, QStringLiteral("提示"), QStringLiteral("请输入名字"),
                              platform::MessageIcon::None);
        return;
    }
    const std::string surname = platform::toGbk(typedSurname);
    const std::string given = platform::toGbk(typedGiven);
    const report::NameReportOutcome outcome =
        report::buildNameReport(context_.db, surname, given, settings::pagePath("temp.html"));
    const std::string name = settings::recordName(surname, given);
    NameListModel* list = scoreList_->listModel();
    if (list->findByName(name) >= 0) return;

    const report::NameReportResult& r = outcome.result;
    const numerology::FiveGrids& g = r.grids;
    NameListRow row;
    row.cells = {std::string(),
                 name,
                 std::to_string(r.simplifiedTotal),
                 std::to_string(g.zong),
                 r.elements,
                 std::to_string(g.tian) + "," + std::to_string(g.ren) + "," + std::to_string(g.di) + "," +
                     std::to_string(g.zong) + "," + std::to_string(g.wai),
                 r.talents,
                 std::to_string(r.score)};
    row.sortKey = r.score;
    list->appendRow(std::move(row));
}

}  // namespace nuvelo::app
