#include "recognition/MoveEntry.h"

#include <algorithm>

#include "game/MoveText.h"
#include "util/Numbers.h"

namespace {

// Where in a move text the column letter and the row number stand.
constexpr int kColumnAt = 3;
constexpr int kFirstDigitAt = 4;
constexpr int kSecondDigitAt = 5;
constexpr int kPassLength = 7;

bool isBoardColumn(QChar c, int boardSize) {
    return c >= u'A' && c <= u'Z' && c != u'I' && ColumnIndex(c) < boardSize;
}

MoveEntry typed(const QString& text) { return {text, static_cast<int>(text.size()), true}; }

// The key at the caret position, which is the end of the text.
MoveEntry appendKey(const QString& text, QChar key, int boardSize) {
    const int at = static_cast<int>(text.size());
    if (at == kColumnAt && (isBoardColumn(key, boardSize) || key == u'P')) return typed(text + key);
    if (at == kFirstDigitAt) {
        if (text.at(kColumnAt) == u'P' && key == u'A') return typed(text.left(3) + "pass");
        if (isBoardColumn(text.at(kColumnAt), boardSize) && key >= u'1' && key <= u'9')
            return typed(text + key);
    }
    if (at == kSecondDigitAt && isDigit(key) && isDigit(text.at(kFirstDigitAt)) &&
        numericValue(QString(text.at(kFirstDigitAt)) + key) <= boardSize)
        return typed(text + key);
    return {text, at, false};
}

}  // namespace

MoveEntry TypeMoveKey(const QString& text, int caret, QChar key, int boardSize) {
    key = key.toUpper();
    if (caret != 0 && caret != text.size()) return {text, caret, false};
    if (key == kBackspace) {
        if (caret < kFirstDigitAt) return {QString(), 0, true};
        return typed(text.chopped(1));
    }
    if (caret == 0) {
        if (key != u'N' && key != u'B') return {text, caret, false};
        return typed(key + QStringLiteral(": "));
    }
    return appendKey(text, key, boardSize);
}

bool IsValidMove(const QString& text, int boardSize) {
    if (!text.startsWith(QStringLiteral("N: ")) && !text.startsWith(QStringLiteral("B: ")))
        return false;
    if (text.size() == kPassLength) return text.endsWith(QStringLiteral("pass"));
    const QStringView row = QStringView(text).mid(kFirstDigitAt);
    if (text.size() <= kFirstDigitAt || !isBoardColumn(text.at(kColumnAt), boardSize)) return false;
    // Only the one or two digits the filter lets through, whatever was pasted.
    if (row.size() > 2 || !std::all_of(row.begin(), row.end(), isDigit)) return false;
    const double number = numericValue(row);
    return number >= 1 && number <= boardSize && row.front() != u'0';
}
