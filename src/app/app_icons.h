// The program's small pictures: toolbar buttons, status-bar mode icons, the
// row icon of the lists and the application icon.
//
// The pictures are SVG files in the resources. Where Qt has no SVG image
// plugin installed, a plain painted stand-in of the same colour is used, so a
// control never ends up without its icon.
#pragma once

#include <QIcon>

namespace nuvelo::app {

constexpr int kStatusIconCount = 7;

QIcon toolbarIcon(int itemIndex);  // items 0, 2, 4, 6, 8
QIcon statusIcon(int index);       // 0..6, one per generation mode
QIcon rowIcon();                   // icon 0 of every name list
QIcon applicationIcon();

}  // namespace nuvelo::app
