#include "app/about_us.h"

#include <QFont>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

namespace nuvelo::app {
namespace {

constexpr int kPictureWidth = 300;
constexpr int kPictureHeight = 294;

// The drawing of resources/about.svg, in the same coordinates.
QPixmap paintSprout() {
    QPixmap pixmap(kPictureWidth, kPictureHeight);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, kPictureHeight);
    sky.setColorAt(0, QColor(0xe8, 0xf4, 0xfb));
    sky.setColorAt(1, QColor(0xfb, 0xfd, 0xf4));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawRoundedRect(QRectF(0, 0, kPictureWidth, kPictureHeight), 14, 14);

    const QColor sun(0xf6, 0xc6, 0x4a);
    painter.setBrush(sun);
    painter.drawEllipse(QPointF(236, 62), 30, 30);
    QPen rays(sun, 3);
    rays.setDashPattern({2, 3});
    painter.setPen(rays);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(236, 62), 40, 40);

    auto field = [&](double edge, double crest, const QColor& colour) {
        QPainterPath path(QPointF(0, edge));
        path.quadTo(150, crest, kPictureWidth, edge);
        path.lineTo(kPictureWidth, kPictureHeight);
        path.lineTo(0, kPictureHeight);
        path.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.fillPath(path, colour);
    };
    field(236, 196, QColor(0x9b, 0x6b, 0x43));
    field(250, 214, QColor(0x7d, 0x52, 0x33));

    const QColor stemColour(0x3f, 0x8f, 0x34);
    QPainterPath stem(QPointF(150, 226));
    stem.cubicTo(148, 196, 152, 168, 150, 132);
    painter.strokePath(stem, QPen(stemColour, 7, Qt::SolidLine, Qt::RoundCap));

    QLinearGradient leafFill(58, 86, 242, 170);
    leafFill.setColorAt(0, QColor(0x8f, 0xd1, 0x6a));
    leafFill.setColorAt(1, stemColour);
    const QPen vein(QColor(0x2f, 0x6f, 0x28), 2);

    QPainterPath left(QPointF(150, 150));
    left.cubicTo(118, 118, 78, 126, 58, 146);
    left.cubicTo(86, 170, 126, 170, 150, 150);
    painter.fillPath(left, leafFill);
    QPainterPath leftVein(QPointF(150, 150));
    leftVein.cubicTo(116, 144, 92, 144, 66, 146);
    painter.strokePath(leftVein, vein);

    QPainterPath right(QPointF(150, 134));
    right.cubicTo(170, 96, 212, 86, 242, 100);
    right.cubicTo(224, 132, 186, 146, 150, 134);
    painter.fillPath(right, leafFill);
    QPainterPath rightVein(QPointF(150, 134));
    rightVein.cubicTo(180, 118, 208, 106, 234, 102);
    painter.strokePath(rightVein, vein);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc8, 0xe8, 0x6a));
    painter.drawEllipse(QPointF(150, 128), 6, 6);
    painter.end();
    return pixmap;
}

}  // namespace

QPixmap aboutPicture() {
    static const QPixmap picture = [] {
        QPixmap fromFile(QStringLiteral(":/about.svg"));
        if (!fromFile.isNull()) return fromFile.scaled(kPictureWidth, kPictureHeight);
        return paintSprout();
    }();
    return picture;
}

AboutUs::AboutUs() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("AboutUs"));
    setWindowTitle(QStringLiteral("关于软件"));
    setGeometry(50, 50, 626, 338);
    setFixedSize(626, 338);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("图片框1"));
    picture_->setGeometry(8, 8, kPictureWidth, kPictureHeight);
    picture_->setPixmap(aboutPicture());

    // Two lines with an empty line between them.
    label_ = new QLabel(QStringLiteral("禾芽专业宝宝取名软件\n\n版本：V1.2"), this);
    label_->setObjectName(QStringLiteral("标签1"));
    label_->setGeometry(332, 100, 280, 120);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont font = label_->font();
    if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * 1.4);
    label_->setFont(font);
}

AboutUs* openAboutWindow() {
    static QPointer<AboutUs> open;
    if (!open) {
        open = new AboutUs;
        open->setAttribute(Qt::WA_DeleteOnClose);
    }
    open->show();
    open->raise();
    open->activateWindow();
    return open;
}

}  // namespace nuvelo::app
