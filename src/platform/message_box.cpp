#include "platform/message_box.h"

#include <QMessageBox>

namespace nuvelo::platform {
namespace {

bool g_testMode = false;

QList<RecordedMessage>& recorded() {
    static QList<RecordedMessage> list;
    return list;
}

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void showMessage(QWidget* parent, const QString& title, const QString& text, MessageIcon icon) {
    if (g_testMode) {
        recorded().append({title, text, icon});
        return;
    }
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, parent);
    box.exec();
}

void setMessageTestMode(bool on) {
    g_testMode = on;
}
bool messageTestMode() {
    return g_testMode;
}
const QList<RecordedMessage>& recordedMessages() {
    return recorded();
}
void clearRecordedMessages() {
    recorded().clear();
}

}  // namespace nuvelo::platform
