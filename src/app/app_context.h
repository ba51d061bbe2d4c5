// The process-wide objects the windows share: one reference database, the
// thread that loads it, and (added with their features) the generation worker
// and the web client. Created once in main() before the main window.
#pragma once

#include <thread>

#include "refdata/name_db.h"

namespace nuvelo::app {

struct AppContext {
    refdata::NameDb db;
    // Runs the start-up load; joined in the exit sequence before db closes.
    std::thread loadThread;

    AppContext() = default;
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;
    ~AppContext() { joinLoad(); }

    void joinLoad() {
        if (loadThread.joinable()) loadThread.join();
    }
};

}  // namespace nuvelo::app
