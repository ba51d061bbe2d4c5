#include "app/app_icons.h"

#include <QColor>
#include <QHash>
#include <QPainter>
#include <QPixmap>

// The resources are compiled into the GUI library, a static one: without
// this call the linker would leave them out of the program.
static void initialiseResources() { Q_INIT_RESOURCE(nuvelo); }

namespace nuvelo::app {
namespace {

QIcon loadIcon(const QString& name, const QColor& standIn, int size) {
    static const bool resourcesReady = (initialiseResources(), true);
    (void)resourcesReady;
    static QHash<QString, QIcon> cache;
    auto it = cache.constFind(name);
    if (it != cache.constEnd()) return *it;
    QIcon icon(QStringLiteral(":/icons/%1.svg").arg(name));
    if (icon.pixmap(size, size).isNull()) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(standIn.darker(140));
        painter.setBrush(standIn);
        painter.drawEllipse(QRectF(1, 1, size - 2, size - 2));
        painter.end();
        icon = QIcon(pixmap);
    }
    cache.insert(name, icon);
    return icon;
}

}  // namespace

QIcon toolbarIcon(int itemIndex) {
    switch (itemIndex) {
        case 0:
            return loadIcon(QStringLiteral("tool_mode"), QColor(0x3b, 0x82, 0xc4), 25);
        case 2:
            return loadIcon(QStringLiteral("tool_chart"), QColor(0x33, 0x33, 0x33), 25);
        case 4:
            return loadIcon(QStringLiteral("tool_score"), QColor(0xf2, 0xb7, 0x05), 25);
        case 6:
            return loadIcon(QStringLiteral("tool_records"), QColor(0x7a, 0x5c, 0x2e), 25);
        case 8:
            return loadIcon(QStringLiteral("tool_dictionary"), QColor(0xd9, 0x4f, 0x3d), 25);
        default:
            return {};
    }
}

QIcon statusIcon(int index) {
    static const QColor colours[kStatusIconCount] = {
        QColor(0x4f, 0x9f, 0xdf), QColor(0xe0, 0x50, 0x50), QColor(0x8e, 0x6b, 0xbf), QColor(0x3f, 0xa0, 0x6a),
        QColor(0xf0, 0xa0, 0x30), QColor(0x2f, 0x7f, 0xbf), QColor(0xd4, 0xa0, 0x17)};
    if (index < 0 || index >= kStatusIconCount) return {};
    return loadIcon(QStringLiteral("status_%1").arg(index), colours[index], 15);
}

QIcon rowIcon() {
    return loadIcon(QStringLiteral("row"), QColor(0x6a, 0xa7, 0xd8), 16);
}

QIcon applicationIcon() {
    return loadIcon(QStringLiteral("nuvelo"), QColor(0x7c, 0xb3, 0x42), 64);
}

}  // namespace nuvelo::app
