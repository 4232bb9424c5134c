#include "ui/MoveTextEdit.h"

#include <QKeyEvent>

#include "recognition/MoveEntry.h"

namespace {

// The key as the filter takes it, or a null character for the keys the box
// handles as usual (cursor keys, Tab, Enter, shortcuts).
QChar filteredKey(const QKeyEvent* key) {
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
    if (key->key() == Qt::Key_Backspace) return kBackspace;
    if (key->text().size() == 1 && key->text()[0].isPrint()) return key->text()[0];
    return {};
}

}  // namespace

MoveTextEdit::MoveTextEdit(QWidget* parent) : QLineEdit(parent) {}

void MoveTextEdit::keyPressEvent(QKeyEvent* event) {
    const QChar key = filteredKey(event);
    if (key.isNull()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const MoveEntry entry = TypeMoveKey(text(), cursorPosition(), key, boardSize_);
    if (entry.accepted) {
        setText(entry.text);
        setCursorPosition(entry.caret);
    }
}

void MoveTextEdit::selectFromStart() {
    const int length = static_cast<int>(text().size());
    setSelection(length, -length);
}

void MoveTextEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectFromStart();
}
