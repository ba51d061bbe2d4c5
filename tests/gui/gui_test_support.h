// Shared helpers of the GUI tests.
//
// TestEnvironment points the program at throw-away places before a window is
// made: NUVELO_HOME (the program folder, with or without a reference
// database), NUVELO_CONFIG (the settings file) and XDG_RUNTIME_DIR (the
// single-instance lock), and switches message boxes to recording.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QString>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <memory>

#include "app/app_context.h"
#include "app/nuvelo_main.h"

namespace nuvelo::testing {

class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();

    // Copies `sourceDb` to <home>/data/namedata.db. False when it cannot.
    bool installReferenceDb(const QString& sourceDb);
    // Writes <home>/data/namedata.db with the nine reference tables, empty.
    bool installEmptyReferenceDb();
    void removeReferenceDb();

    QString homeDir() const { return home_.path(); }
    QString configPath() const;
    // One folder for the whole test process: the single-instance lock taken
    // by the first window lives there until the process ends.
    static QString runtimeDir();

private:
    QTemporaryDir home_;
};

// A main window with its context, made and started as main() does. The
// window goes before the context, whose destructor joins the load thread.
class RunningWindow {
public:
    ~RunningWindow() { close(); }
    // Makes and starts a new window (closing the current one first); with
    // `joinLoad` it also waits for the reference load. False when start fails.
    bool open(bool joinLoad = true);
    void close();

    app::NuveloMain* get() const { return window_.get(); }
    app::NuveloMain* operator->() const { return window_.get(); }
    app::AppContext& context() const { return *context_; }

private:
    std::unique_ptr<app::AppContext> context_;
    std::unique_ptr<app::NuveloMain> window_;
};

// The child of `root` with this objectName, or null.
template <typename T>
T* findNamed(const QObject* root, const QString& name) {
    return root ? root->findChild<T*>(name) : nullptr;
}

// The toolbar button showing `text` in the toolbar named `toolbarName`.
QToolButton* toolbarButton(const QMainWindow* window, const QString& toolbarName, const QString& text);

// The action of the menu-bar menu titled `menu` whose text is `item`.
QAction* menuAction(const QMainWindow* window, const QString& menu, const QString& item);

// Closes the active modal dialog from inside its event loop after `delayMs`
// and stores its objectName in `*seen`.
void closeNextModal(QString* seen, int delayMs = 50);

}  // namespace nuvelo::testing
