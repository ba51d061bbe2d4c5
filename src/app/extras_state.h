// What the main window keeps for the article reader, list export, pronunciation, skins and help.
#pragma once

#include <QPointer>
#include <QUrl>
#include <functional>

#include "app/nuvelo_read.h"
#include "app/skin_changer.h"
#include "platform/pronouncer.h"

namespace nuvelo::app {

struct ExtrasState {
    SkinChanger skinChanger;
    // Made on the first double click on the English list; a child of the window.
    platform::Pronouncer* pronouncer = nullptr;
    // The one article window; null while none is open.
    QPointer<NuveloRead> articles;
};

// Shows a written file (an exported list, the manual) with the desktop's
// default program for it. The result is not checked.
void openWithDesktop(const QUrl& file);

// Test hook: a set opener receives the files instead of the desktop, so tests
// launch nothing. An empty one restores the desktop.
using DesktopOpener = std::function<void(const QUrl&)>;
void setDesktopOpener(DesktopOpener opener);

}  // namespace nuvelo::app
