#include "app/nuvelo_waiting.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

namespace nuvelo::app {

BusyIndicator::BusyIndicator(QWidget* parent) : QWidget(parent), timer_(new QTimer(this)) {
    setFixedHeight(12);
    timer_->setInterval(90);
    connect(timer_, &QTimer::timeout, this, [this] {
        lit_ = (lit_ + 1) % kBlocks;
        update();
    });
}

void BusyIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal gap = 3;
    const qreal width = (this->width() - gap * (kBlocks - 1)) / kBlocks;
    for (int i = 0; i < kBlocks; ++i) {
        // The lit block is darkest; the two behind it fade out.
        const int distance = (lit_ - i + kBlocks) % kBlocks;
        const QColor colour = distance == 0   ? QColor(0x2f, 0x7f, 0xbf)
                              : distance == 1 ? QColor(0x6f, 0xa8, 0xd8)
                              : distance == 2 ? QColor(0xa8, 0xcb, 0xea)
                                              : QColor(0xdd, 0xe6, 0xee);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(i * (width + gap), 0, width, height()), 2, 2);
    }
}

void BusyIndicator::showEvent(QShowEvent* event) {
    timer_->start();
    QWidget::showEvent(event);
}

void BusyIndicator::hideEvent(QHideEvent* event) {
    timer_->stop();
    QWidget::hideEvent(event);
}

NuveloWaiting::NuveloWaiting(QWidget* owner) : QWidget(owner, Qt::Dialog) {
    setObjectName(QStringLiteral("NuveloWaiting"));
    setWindowTitle(QStringLiteral("请稍等"));
    setWindowModality(Qt::NonModal);
    setFixedSize(380, 52);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 6, 12, 6);
    layout->setSpacing(4);
    auto* label = new QLabel(QStringLiteral("正在生成,请稍等一下......"), this);
    label->setObjectName(QStringLiteral("透明标签1"));
    layout->addWidget(label);
    auto* indicator = new BusyIndicator(this);
    indicator->setObjectName(QStringLiteral("动画框1"));
    layout->addWidget(indicator);
}

}  // namespace nuvelo::app
