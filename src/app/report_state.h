// What the main window keeps for reports, saved names, the scoring tab and the settings file.
#pragma once

#include <QPointer>

#include "app/nuvelo_conten.h"

namespace nuvelo::app {

struct ReportState {
    // The open report window; null once the user has closed it. A further
    // double click refills this window instead of opening a second one.
    QPointer<NuveloConten> window;
};

}  // namespace nuvelo::app
