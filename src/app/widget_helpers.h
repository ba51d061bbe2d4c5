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
#include <QToolBar>

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

// The fixed toolbar "工具条1" across the top of the report and article
// windows: 20-pixel icons with their texts beside them.
inline QToolBar* makePageWindowToolbar(QWidget* window) {
    auto* toolbar = named(new QToolBar(QStringLiteral("工具条1"), window), QStringLiteral("工具条1"));
    toolbar->setGeometry(0, 0, 870, 28);
    toolbar->setIconSize(QSize(20, 20));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return toolbar;
}

// The caption of the scored name lists' frames.
inline QString nameListCaption() {
    return QStringLiteral("姓名列表(双击姓名可查看详细解释)");
}

}  // namespace nuvelo::app
