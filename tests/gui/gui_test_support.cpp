#include "gui_test_support.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <sqlite3.h>

#include "platform/message_box.h"
#include "refdata/reference_schema.h"
#include "text/gbk.h"

namespace nuvelo::testing {

TestEnvironment::TestEnvironment() {
    QDir(home_.path()).mkpath(QStringLiteral("Help"));
    qputenv("NUVELO_HOME", home_.path().toUtf8());
    qputenv("NUVELO_CONFIG", configPath().toUtf8());
    qputenv("XDG_RUNTIME_DIR", runtimeDir().toUtf8());
    platform::setMessageTestMode(true);
    platform::clearRecordedMessages();
}

TestEnvironment::~TestEnvironment() {
    platform::clearRecordedMessages();
}

QString TestEnvironment::runtimeDir() {
    // Made before the lock is taken, so it is removed after the lock is gone.
    static QTemporaryDir dir;
    return dir.path();
}

QString TestEnvironment::configPath() const {
    return QDir(home_.path()).filePath(QStringLiteral("config.dat"));
}

bool TestEnvironment::installReferenceDb(const QString& sourceDb) {
    const QDir home(home_.path());
    if (!home.mkpath(QStringLiteral("data"))) return false;
    const QString target = home.filePath(QStringLiteral("data/namedata.db"));
    QFile::remove(target);
    return QFile::copy(sourceDb, target);
}

bool TestEnvironment::installEmptyReferenceDb() {
    removeReferenceDb();
    const QDir home(home_.path());
    if (!home.mkpath(QStringLiteral("data"))) return false;
    const QByteArray path = home.filePath(QStringLiteral("data/namedata.db")).toUtf8();
    sqlite3* db = nullptr;
    bool ok = sqlite3_open(path.constData(), &db) == SQLITE_OK;
    for (const refdata::TableSchema& table : refdata::referenceTables()) {
        const std::string sql = text::toUtf8(refdata::createTableStatement(table.name, table.fields));
        ok = ok && sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    sqlite3_close(db);
    return ok;
}

void TestEnvironment::removeReferenceDb() {
    QFile::remove(QDir(home_.path()).filePath(QStringLiteral("data/namedata.db")));
}

QToolButton* toolbarButton(const QMainWindow* window, const QString& toolbarName, const QString& text) {
    auto* bar = findNamed<QToolBar>(window, toolbarName);
    if (!bar) return nullptr;
    for (QAction* action : bar->actions())
        if (!action->isSeparator() && action->text() == text)
            return qobject_cast<QToolButton*>(bar->widgetForAction(action));
    return nullptr;
}

QAction* menuAction(const QMainWindow* window, const QString& menu, const QString& item) {
    if (!window) return nullptr;
    for (QAction* top : window->menuBar()->actions()) {
        if (top->text() != menu || !top->menu()) continue;
        for (QAction* action : top->menu()->actions())
            if (action->text() == item) return action;
    }
    return nullptr;
}

void closeNextModal(QString* seen, int delayMs) {
    QTimer::singleShot(delayMs, qApp, [seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        if (seen) *seen = modal->objectName();
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
}

bool RunningWindow::open(bool joinLoad) {
    close();
    context_ = std::make_unique<app::AppContext>();
    window_ = std::make_unique<app::NuveloMain>(*context_);
    if (!window_->start()) return false;
    if (joinLoad) context_->joinLoad();
    return true;
}

void RunningWindow::close() {
    window_.reset();
    context_.reset();
}

}  // namespace nuvelo::testing
