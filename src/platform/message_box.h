// The one place that shows message boxes.
//
// Every message the program shows goes through showMessage(). In test mode
// nothing is shown: the message is recorded and the call returns at once, so
// tests can run a window offscreen and read what the user would have seen.
// Call from the window thread only.
#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace nuvelo::platform {

enum class MessageIcon { Information, Warning, Critical, Question, None };

struct RecordedMessage {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::Information;
};

// Shows a modal box with one OK button, owned by `parent` (may be null).
void showMessage(QWidget* parent, const QString& title, const QString& text, MessageIcon icon);

// Test mode: record instead of showing.
void setMessageTestMode(bool on);
bool messageTestMode();
const QList<RecordedMessage>& recordedMessages();
void clearRecordedMessages();

}  // namespace nuvelo::platform
