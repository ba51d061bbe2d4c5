// Reads what a generation run needs from the main window's controls.
//
// The controls are found by their names, so this stays in step with the
// pages without knowing how they are built. Window thread only.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "generation/run_inputs.h"

class QWidget;

namespace nuvelo::app {

// The generation-character setting of the 设置辈份 dialog.
struct GenerationCharSetting {
    generation::GenerationChar kind = generation::GenerationChar::None;
    std::string second;  // X, GBK
    std::string third;   // Y, GBK
};

// The mode whose radio button on page 0 is checked.
generation::Mode checkedMode(const QWidget* window);

// A snapshot of every input of `mode`; `poemBoxes` are the captions and
// ticks of the poem's character boxes.
generation::RunInputs readRunInputs(const QWidget* window, generation::Mode mode,
                                    const GenerationCharSetting& generationChar,
                                    const std::vector<std::pair<std::string, bool>>& poemBoxes);

}  // namespace nuvelo::app
