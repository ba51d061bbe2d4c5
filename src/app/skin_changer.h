// Steps through the skin list for "更换皮肤" and applies a look to the program.
//
// The counter is set to 1 once the start-up look is on; each change applies
// the entry the counter names while it is at most 79, then counts on whatever
// happened. The list never wraps around: from the 80th change on, the 79th
// look stays.
#pragma once

#include <optional>

#include "app/skin_library.h"

class QApplication;

namespace nuvelo::app {

class SkinChanger {
public:
    int counter() const { return counter_; }
    // After the start-up look has been applied.
    void restart() { counter_ = 1; }
    // The 1-based entry this change applies, or nothing past the end.
    std::optional<int> next();

private:
    int counter_ = 1;
};

// Puts `look` on every window of the program, open now or opened later: the
// Fusion style (which follows palettes on Linux), the look's palette and its
// style sheet.
void applySkin(QApplication& application, const SkinLook& look);

}  // namespace nuvelo::app
