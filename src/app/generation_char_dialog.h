// The dialog 设置辈份: fixes the second or the third character of the full
// name for the runs that honour a generation character, or sets none.
#pragma once

#include <QDialog>

#include "app/run_inputs_reader.h"

class QLineEdit;
class QRadioButton;

namespace nuvelo::app {

class GenerationCharDialog : public QDialog {
    Q_OBJECT
public:
    // The radio buttons show `current`; the edit boxes always start with
    // their model texts 志 and 强.
    explicit GenerationCharDialog(const GenerationCharSetting& current, QWidget* parent = nullptr);

    // The setting after "确定" or "取消"; the opening one until then.
    const GenerationCharSetting& setting() const { return setting_; }

private:
    void onConfirm();
    void onCancel();

    GenerationCharSetting setting_;
    QRadioButton* none_ = nullptr;
    QRadioButton* second_ = nullptr;
    QRadioButton* third_ = nullptr;
    QLineEdit* secondEdit_ = nullptr;
    QLineEdit* thirdEdit_ = nullptr;
};

}  // namespace nuvelo::app
