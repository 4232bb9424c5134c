#pragma once

#include <QLineEdit>

// A box for one move text ("N: D16", "B: pass"). Every key goes through the
// move-text filter of the board in use, and on focus the whole text is
// selected with the caret at its start, so that typing "N" or "B" starts
// the text afresh.
class MoveTextEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MoveTextEdit(QWidget* parent = nullptr);

    void setBoardSize(int boardSize) { boardSize_ = boardSize; }
    // Selects the whole text with the caret at its start.
    void selectFromStart();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    int boardSize_ = 19;
};
