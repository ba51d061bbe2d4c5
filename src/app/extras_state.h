// What the main window keeps for the article reader, list export, pronunciation, skins and help.
#pragma once

namespace nuvelo::app {

struct ExtrasState {};

}  // namespace nuvelo::app
