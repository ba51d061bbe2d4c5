// Where the program's files live on Linux.
//
// Program directory: the folder holding data/namedata.db and Help/. It is
// $NUVELO_HOME when set, else the executable's folder when that holds data/
// (the build tree), else <exe dir>/../share/nuvelo when that holds data/ (an
// installed program), else the configured <prefix>/share/nuvelo. Pages and exports go under
// <program dir>/data when it is writable, else under $XDG_DATA_HOME/nuvelo.
// The settings file is $NUVELO_CONFIG, else $XDG_CONFIG_HOME/nuvelo/config.dat.
//
// All paths are UTF-8 file-system paths. Thread-safe: the values are computed
// from the environment on each call.
#pragma once

#include <string>

namespace nuvelo::settings {

std::string programDir();
std::string referenceDbPath();   // <program dir>/data/namedata.db
std::string helpManualPath();    // <program dir>/Help/用户手册.html
std::string pageDir();           // folder of temp*.html and the exported lists
std::string pagePath(const std::string& fileName);  // pageDir()/fileName
std::string settingsFilePath();

// The executable's own folder, "" when it cannot be found.
std::string executableDir();

}  // namespace nuvelo::settings
