#pragma once

#include <QComboBox>
#include <QLabel>
#include <QString>
#include <QStringList>

// Small helpers for building the forms' controls with their object names,
// which is how the rest of the program and the tests find them.

template <typename Control>
Control* named(Control* control, const char* objectName) {
    control->setObjectName(QLatin1String(objectName));
    return control;
}

// A caption whose access key moves the focus to the control it names.
inline QLabel* caption(const QString& text, const char* objectName, QWidget* buddy) {
    QLabel* label = named(new QLabel(text), objectName);
    label->setBuddy(buddy);
    return label;
}

inline QComboBox* list(const QStringList& entries, const char* objectName) {
    QComboBox* box = named(new QComboBox, objectName);
    box->addItems(entries);
    return box;
}
