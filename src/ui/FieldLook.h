#pragma once

#include <QColor>

class QWidget;

// The background of a field: red marks an entry the user must correct,
// yellow a list the program filled in by itself.
void SetFieldBackground(QWidget* field, const QColor& colour);
// Back to the window system's colour for the field.
void ResetFieldBackground(QWidget* field);
