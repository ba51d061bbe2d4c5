// nuvelo: the desktop program. Creates the shared objects and the main
// window, runs the start handler and the message loop.
#include <QApplication>

#include "app/app_context.h"
#include "app/app_icons.h"
#include "app/nuvelo_main.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nuvelo"));
    QApplication::setWindowIcon(nuvelo::app::applicationIcon());

    nuvelo::app::AppContext context;
    nuvelo::app::NuveloMain window(context);
    // Another instance already runs: end now, showing and saving nothing.
    if (!window.start()) return 0;
    return QApplication::exec();
}
