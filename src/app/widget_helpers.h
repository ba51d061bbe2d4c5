// Small constructors for the controls of the windows: every control gets
// its name from the window design as objectName, so handlers and tests find
// it by that name.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

namespace nuvelo::app {

template <typename W>
W* named(W* widget, const QString& name) {
    if (!name.isEmpty()) widget->setObjectName(name);
    return widget;
}

inline QLabel* makeLabel(const QString& text, const QString& name = {}) {
    return named(new QLabel(text), name);
}
inline QLineEdit* makeEdit(const QString& name, const QString& text = {}) {
    return named(new QLineEdit(text), name);
}
inline QComboBox* makeList(const QString& name, const QStringList& items = {}) {
    auto* list = named(new QComboBox, name);
    list->addItems(items);
    return list;
}
inline QPushButton* makeButton(const QString& name, const QString& text) {
    return named(new QPushButton(text), name);
}
inline QRadioButton* makeRadio(const QString& name, const QString& text) {
    return named(new QRadioButton(text), name);
}
inline QCheckBox* makeCheck(const QString& name, const QString& text) {
    return named(new QCheckBox(text), name);
}
inline QGroupBox* makeGroup(const QString& name, const QString& caption = {}) {
    return named(new QGroupBox(caption), name);
}

// The caption of the scored name lists' frames.
inline QString nameListCaption() {
    return QStringLiteral("姓名列表(双击姓名可查看详细解释)");
}

}  // namespace nuvelo::app
