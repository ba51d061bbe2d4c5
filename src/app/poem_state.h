// What the main window keeps for the poem picker: the character boxes of the
// poem in use, in poem order, and whether a list is being refilled.
#pragma once

#include <QPointer>
#include <vector>

class QCheckBox;
class QObject;

namespace nuvelo::app {

struct PoemState {
    // Copies of the template box 选择框1, one per character; they sit on the
    // page over the group 分组框_诗词字符 and follow it when it moves.
    std::vector<QPointer<QCheckBox>> boxes;
    // Watches the group's geometry and places the boxes again.
    QObject* placer = nullptr;
    // True while the program refills the poet or the poem list.
    bool fillingPoets = false;
    bool fillingPoems = false;
};

}  // namespace nuvelo::app
