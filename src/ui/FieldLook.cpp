#include "ui/FieldLook.h"

#include <QPalette>
#include <QWidget>

void SetFieldBackground(QWidget* field, const QColor& colour) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);    // text fields, editable lists
    palette.setColor(QPalette::Button, colour);  // lists that only offer choices
    field->setPalette(palette);
}

// A palette with nothing set of its own lets the field follow the window's.
void ResetFieldBackground(QWidget* field) { field->setPalette(QPalette()); }
