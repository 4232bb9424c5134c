#include "ui/FieldEvents.h"

#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace {

// The first local file among dropped items, or "" when there is none.
QString firstDroppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().isEmpty()) return {};
    const QUrl& first = data->urls().first();
    return first.isLocalFile() ? QDir::toNativeSeparators(first.toLocalFile()) : QString();
}

// A key that types a character, as opposed to Backspace, Tab, Enter,
// cursor keys and shortcuts, which the field handles as usual.
bool typesCharacter(const QKeyEvent* key) {
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    return key->text().size() == 1 && key->text()[0].isPrint();
}

}  // namespace

void FocusLater(QWidget* field) {
    QTimer::singleShot(0, field, [field] { field->setFocus(); });
}

FieldEvents& FieldEvents::of(QWidget* field) {
    auto* events = field->findChild<FieldEvents*>(QString(), Qt::FindDirectChildrenOnly);
    if (events == nullptr) events = new FieldEvents(field);
    return *events;
}

FieldEvents::FieldEvents(QWidget* field) : QObject(field), field_(field) {
    field->installEventFilter(this);
    // An editable list types into its line edit, which may hold the focus itself.
    if (auto* list = qobject_cast<QComboBox*>(field); list && list->lineEdit())
        list->lineEdit()->installEventFilter(this);
}

QLineEdit* FieldEvents::textOf() const {
    if (auto* list = qobject_cast<QComboBox*>(field_)) return list->lineEdit();
    return qobject_cast<QLineEdit*>(field_);
}

bool FieldEvents::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            return filterKey(event);
        case QEvent::FocusIn:
            if (QLineEdit* text = textOf()) text->selectAll();
            return false;
        case QEvent::FocusOut: {
            // Switching to another window or opening a menu is not leaving the field.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (focusLost && reason != Qt::ActiveWindowFocusReason &&
                reason != Qt::PopupFocusReason)
                focusLost();
            return false;
        }
        case QEvent::MouseButtonDblClick:
            if (!activated) return false;
            activated();
            return true;
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return handleDrop(event);
        default:
            return false;
    }
}

bool FieldEvents::filterKey(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (activated && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        activated();
        return true;
    }
    const bool character = typesCharacter(key);
    if (beforeKey && (character || key->key() == Qt::Key_Backspace)) beforeKey();
    if (!character || !keyFilter) return false;
    const QChar typed = key->text()[0];
    const QChar accepted = keyFilter(typed);
    if (accepted == typed) return false;
    if (!accepted.isNull()) textOf()->insert(QString(accepted));
    return true;
}

bool FieldEvents::handleDrop(QEvent* event) {
    if (!fileDropped) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = firstDroppedFile(drop->mimeData());
    if (path.isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop) fileDropped(path);
    return true;
}
