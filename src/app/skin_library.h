// The window looks behind "更换皮肤": 79 entries, 1-based, each a palette plus
// a small style sheet. Entries 8 and 67 are the start-up look; entries 51 and
// 56 are one look as well. Every other entry is a look of its own.
//
// The looks are made from a short table of hand-chosen colours (one accent
// each) in three variants: light, soft and dark.
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <vector>

namespace nuvelo::app {

constexpr int kSkinEntryCount = 79;

struct SkinLook {
    QString name;
    QColor window;  // window and dialog background
    QColor windowText;
    QColor base;  // edits, lists and page views
    QColor alternateBase;
    QColor text;  // text on `base`
    QColor button;
    QColor buttonText;
    QColor highlight;  // selected rows and text
    QColor highlightedText;
    QColor groupTitle;  // group-box titles, on `window`
    QColor barTop;      // toolbar and menu bar gradient, top to bottom
    QColor barBottom;
    QColor barText;  // text on the bars
    QColor border;   // thin lines around the bars

    QPalette palette() const;
    QString styleSheet() const;
    bool operator==(const SkinLook& other) const;
};

// The 79 entries in order; element i is entry i + 1.
const std::vector<SkinLook>& skinLooks();
// Entry `index`, 1-based; an index outside 1..79 is a programming error and
// yields the start-up look.
const SkinLook& skinEntry(int index);
// The look applied when the program starts (the same as entries 8 and 67).
const SkinLook& startupLook();

// The contrast ratio of two colours as readability guidelines define it:
// (L1 + 0.05) / (L2 + 0.05) over the relative luminances, 1 to 21.
double contrastRatio(const QColor& first, const QColor& second);

}  // namespace nuvelo::app
