// NuveloMain: the article reader, list export, English pronunciation, skins,
// the manual and the About window.
#include "app/extras_state.h"
#include "app/nuvelo_main.h"

namespace nuvelo::app {

void NuveloMain::openArticleCategory(const std::string&, const std::string&) {}
void NuveloMain::onHighScoreExport() {}
void NuveloMain::onSuperExport() {}
void NuveloMain::onClassicExport() {}
void NuveloMain::onEnglishRowActivated(int) {}
void NuveloMain::applyStartupSkin() {}
void NuveloMain::onChangeSkin() {}
void NuveloMain::onOpenManual() {}
void NuveloMain::onAbout() {}

}  // namespace nuvelo::app
