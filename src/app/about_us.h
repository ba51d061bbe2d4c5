// AboutUs: the About window (关于软件), a picture of a rice sprout beside the
// program's name and version. It is modeless and has no owner.
#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;

namespace nuvelo::app {

class AboutUs : public QWidget {
    Q_OBJECT
public:
    AboutUs();

    QLabel* picture() const { return picture_; }
    QLabel* label() const { return label_; }

private:
    QLabel* picture_ = nullptr;
    QLabel* label_ = nullptr;
};

// Shows the About window: a new one, deleted when closed, or the one already
// open brought to the front.
AboutUs* openAboutWindow();

// The 300×294 sprout picture: the SVG of the resources, or the same drawing
// painted here where Qt has no SVG image plugin.
QPixmap aboutPicture();

}  // namespace nuvelo::app
