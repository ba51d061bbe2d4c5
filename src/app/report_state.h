// What the main window keeps for reports, saved names, the scoring tab and the settings file.
#pragma once

namespace nuvelo::app {

struct ReportState {};

}  // namespace nuvelo::app
