// NuveloWord: the character dictionary window (汉字查询). The user types a
// character; 按钮_查询 looks it up.
#pragma once

#include <QDialog>

#include "app/app_context.h"

class QLineEdit;

namespace nuvelo::app {

class NuveloWord : public QDialog {
    Q_OBJECT
public:
    NuveloWord(AppContext& context, QWidget* owner);

    QLineEdit* characterEdit() const { return edit_; }

public slots:
    // Shows the page of the typed character; arrives with the character pages.
    void lookUpCharacter() {}

private:
    AppContext& context_;
    QLineEdit* edit_ = nullptr;
};

}  // namespace nuvelo::app
