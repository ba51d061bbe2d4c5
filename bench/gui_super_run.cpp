// Times a super-auspicious run in the real main window (offscreen): how long
// until the first row shows, until the run ends, the longest gap between
// two turns of the window's event loop while rows arrive (responsiveness),
// and the peak resident size. Needs the built reference database.
//
//   QT_QPA_PLATFORM=offscreen build/bench/nuvelo_gui_bench build/data/namedata.db [SURNAME]
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "app/app_context.h"
#include "app/name_list_view.h"
#include "app/nuvelo_main.h"
#include "platform/message_box.h"

using namespace nuvelo::app;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: nuvelo_gui_bench NAMEDATA.DB [SURNAME]\n");
        return 2;
    }
    QApplication app(argc, argv);
    QTemporaryDir home;
    QDir().mkpath(home.path() + "/data");
    QFile::copy(QString::fromLocal8Bit(argv[1]), home.path() + "/data/namedata.db");
    qputenv("NUVELO_HOME", home.path().toLocal8Bit());
    qputenv("NUVELO_CONFIG", (home.path() + "/config.dat").toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
    nuvelo::platform::setMessageTestMode(true);

    QElapsedTimer startup;
    startup.start();
    AppContext context;
    NuveloMain window(context);
    if (!window.start()) return 1;
    const qint64 shownMs = startup.elapsed();
    context.joinLoad();
    const qint64 loadedMs = startup.elapsed();

    window.findChild<QLineEdit*>(QStringLiteral("编辑框_姓氏"))->setText(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("张"));
    window.findChild<QRadioButton*>(QStringLiteral("单选框_超吉起名"))->setChecked(true);
    window.findChild<QPushButton*>(QStringLiteral("按钮_起名"))->click();
    NameListModel* list = window.findChild<NameListView*>(QStringLiteral("超级列表框_超吉起名"))->listModel();

    QElapsedTimer run, tick;
    qint64 firstRowMs = -1, longestGapMs = 0;
    const int ended = window.finishedRuns();
    QTimer probe;
    probe.setInterval(0);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        longestGapMs = std::max(longestGapMs, tick.restart());
        if (firstRowMs < 0 && list->count() > 0) firstRowMs = run.elapsed();
        if (window.finishedRuns() > ended) app.quit();
    });
    run.start();
    tick.start();
    window.findChild<QPushButton*>(QStringLiteral("按钮_超吉生成"))->click();
    probe.start();
    app.exec();
    const qint64 endMs = run.elapsed();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("window shown             %6lld ms\n", static_cast<long long>(shownMs));
    std::printf("reference load finished  %6lld ms\n", static_cast<long long>(loadedMs));
    std::printf("super run: first row     %6lld ms\n", static_cast<long long>(firstRowMs));
    std::printf("super run: %6d rows in %6lld ms\n", list->count(), static_cast<long long>(endMs));
    std::printf("longest event-loop gap   %6lld ms\n", static_cast<long long>(longestGapMs));
    std::printf("peak resident size       %6ld MB\n", usage.ru_maxrss / 1024);
    window.close();
    return 0;
}
