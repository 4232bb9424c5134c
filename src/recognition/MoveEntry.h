#pragma once

#include <QChar>
#include <QString>

// Move texts typed by hand in the correction window ("N: D16", "B: pass"):
// the filter applied to every key and the check applied on confirmation.

// The Backspace key as the filter receives it.
inline constexpr QChar kBackspace = QChar(8);

// A move text box after a key: its text and caret. accepted is false when
// the key was discarded and the box stays as it was.
struct MoveEntry {
    QString text;
    int caret = 0;
    bool accepted = false;
};

// Applies one typed key to a box holding text with the caret at caret, on a
// board of boardSize lines. The text is built in order: the colour ("N" or
// "B", which also adds ": "), a column letter of the board or "P", then the
// row number up to boardSize, or "A" after "P" for "pass". Lower-case
// letters count as upper-case; keys typed with the caret inside the text
// are discarded; Backspace empties the box up to the colour and otherwise
// deletes the last character.
MoveEntry TypeMoveKey(const QString& text, int caret, QChar key, int boardSize);

// True when text names a move on a board of boardSize lines: "N: " or
// "B: " followed by "pass", or by a column letter of the board and a row
// number 1 ... boardSize of one or two digits without a leading zero.
bool IsValidMove(const QString& text, int boardSize);
