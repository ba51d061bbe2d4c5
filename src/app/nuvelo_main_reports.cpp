// NuveloMain: name reports, saved names (records), the scoring tab and the
// settings file.
#include "app/nuvelo_main.h"
#include "app/report_state.h"

namespace nuvelo::app {

void NuveloMain::restoreSettings() {}
void NuveloMain::saveSettings() {}
void NuveloMain::onNameRowActivated(NameListView*, int) {}
void NuveloMain::onRecordRowActivated(int) {}
void NuveloMain::onRecordContextMenu(int, const QPoint&) {}
void NuveloMain::onScoreTypedName() {}

}  // namespace nuvelo::app
