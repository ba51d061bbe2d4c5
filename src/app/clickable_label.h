// A label that reports a released left mouse button (标签_设置辈份).
#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace nuvelo::app {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void released();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) emit released();
        QLabel::mouseReleaseEvent(event);
    }
};

}  // namespace nuvelo::app
