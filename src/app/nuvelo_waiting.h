// NuveloWaiting: the small window shown while a generation run prepares its
// first names ("请稍等"). Owned by the main window, not modal; the run shows
// and closes it.
#pragma once

#include <QWidget>

class QTimer;

namespace nuvelo::app {

// A row of blocks with one lit block running along it while shown.
class BusyIndicator : public QWidget {
    Q_OBJECT
public:
    explicit BusyIndicator(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    static constexpr int kBlocks = 12;
    QTimer* timer_;
    int lit_ = 0;
};

class NuveloWaiting : public QWidget {
    Q_OBJECT
public:
    explicit NuveloWaiting(QWidget* owner);
};

}  // namespace nuvelo::app
