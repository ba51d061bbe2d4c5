#include "app/skin_changer.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace nuvelo::app {

std::optional<int> SkinChanger::next() {
    std::optional<int> entry;
    if (counter_ >= 1 && counter_ <= kSkinEntryCount) entry = counter_;
    ++counter_;
    return entry;
}

void applySkin(QApplication& application, const SkinLook& look) {
    // Once a style sheet is set, style() answers with a wrapper without a
    // name, so the switch to Fusion is remembered on the application.
    const char* const kFusionSet = "nuvelo.fusionSet";
    if (!application.property(kFusionSet).toBool()) {
        if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(style);
        application.setProperty(kFusionSet, true);
    }
    QApplication::setPalette(look.palette());
    application.setStyleSheet(look.styleSheet());
}

}  // namespace nuvelo::app
