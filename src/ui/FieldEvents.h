#pragma once

#include <QObject>
#include <functional>

class QLineEdit;
class QWidget;

// Gives a field of the options panel the behaviour the form needs beyond
// what Qt does by itself: typed characters go through a key filter, the
// whole text is selected when the field gains the focus, and handlers run
// when the field loses the focus to another control, on a double click or
// Enter, and when files are dropped on it from the desktop.
// Puts the focus into the field once the focus change under way has ended:
// moving it from inside that change would be undone by it.
void FocusLater(QWidget* field);

class FieldEvents : public QObject {
    Q_OBJECT
public:
    // The character to insert for a typed one; a null character refuses the key.
    using KeyFilter = std::function<QChar(QChar typed)>;

    // The events of a field, created on first use and owned by the field.
    static FieldEvents& of(QWidget* field);

    KeyFilter keyFilter;
    std::function<void()> focusLost;
    std::function<void()> activated;
    std::function<void(const QString& path)> fileDropped;
    // Runs before a typed character or Backspace reaches the field.
    std::function<void()> beforeKey;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FieldEvents(QWidget* field);
    QLineEdit* textOf() const;
    bool filterKey(QEvent* event);
    bool handleDrop(QEvent* event);

    QWidget* field_;
};
