// NuveloMain: the poem picker of page 2 and the generation-character dialog.
#include <QTabWidget>

#include "app/nuvelo_main.h"
#include "app/poem_state.h"

namespace nuvelo::app {

void NuveloMain::openPoemPicker() { pages_->setCurrentIndex(kPagePoetry); }
std::vector<std::pair<std::string, bool>> NuveloMain::poemBoxStates() const { return {}; }
void NuveloMain::onPoetSelected() {}
void NuveloMain::onPoemSelected() {}
void NuveloMain::onUsePoem() {}
void NuveloMain::onPoemTickAll() {}
void NuveloMain::onPoemTickInvert() {}
void NuveloMain::onPoemTickNone() {}
void NuveloMain::onGenerationCharacterLabel() {}

}  // namespace nuvelo::app
