// What the main window keeps for the poem picker (its character boxes) and the generation-character dialog.
#pragma once

namespace nuvelo::app {

struct PoemState {};

}  // namespace nuvelo::app
