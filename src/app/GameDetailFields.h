#pragma once

#include <QChar>
#include <QString>
#include <optional>

// What the game details fields accept while the user types, and how each
// is normalised when the user leaves it. The key filters take the typed
// character and return the character to insert, or a null character when
// the key is refused. Control keys (Backspace, Tab, Enter) are not typed
// characters and never reach them.

// Names end up in file names and SGF text: the double quote and \ / : * ? < > |
// are refused.
QChar FilterFileNameChar(QChar typed);
// The text without the characters FilterFileNameChar refuses.
QString KeepFileNameChars(const QString& text);

// Main time: digits only.
QChar MainTimeKey(QChar typed);
// Date: digits, "-" and ",".
QChar DateKey(QChar typed);
// Result: anything, with a typed "," turned into ".".
QChar ResultKey(QChar typed);
// Komi: digits, one "." (a "," becomes "."), one "-" and only at the start.
// caret is the insertion position in text.
QChar KomiKey(const QString& text, int caret, QChar typed);

// Main time: the number the text starts with, empty for zero.
QString NormaliseMainTime(const QString& text);
// Komi: the nearest whole or half number (ties to the even half), empty
// for zero (6,5 -> 6.5, 6.75 -> 7, 6.25 -> 6, -0.25 -> "").
QString NormaliseKomi(const QString& text);
// A date is kept when it is empty or its first four characters could start
// a year (no character below "0"); otherwise it is refused.
bool IsDateAccepted(const QString& text);
// The result in SGF form (b+resign -> B+R, w+3.5 -> W+3.5, draw -> 0,
// void -> Void); std::nullopt when the text is not a result the program
// understands and must be refused.
std::optional<QString> NormaliseResult(const QString& text);
// The rules text written the way the program names the rule set: a typed
// beginning of a listed name takes the list's letter case ("ch" -> "Ch"),
// and a few common words become the name they stand for ("giapponesi" ->
// "Japanese"). std::nullopt when the text is left as typed.
std::optional<QString> CompleteRules(const QString& text);
