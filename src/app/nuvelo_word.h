// NuveloWord: the character dictionary window (汉字查询). The user types a
// character; 按钮_查询 looks it up.
#pragma once

#include <QDialog>
#include <QPointer>

#include "app/app_context.h"

class QLineEdit;

namespace nuvelo::app {

class NuveloConten;

class NuveloWord : public QDialog {
    Q_OBJECT
public:
    NuveloWord(AppContext& context, QWidget* owner);

    QLineEdit* characterEdit() const { return edit_; }
    // The page window of the last lookup; null when none is open.
    NuveloConten* pageWindow() const { return page_; }

public slots:
    // Writes the page of the typed text (taken as it is) to temp.html and
    // shows it in the single-page window, captioned after the text. A window
    // still open from an earlier lookup shows the new page.
    void lookUpCharacter();

private:
    AppContext& context_;
    QLineEdit* edit_ = nullptr;
    QPointer<NuveloConten> page_;
};

}  // namespace nuvelo::app
