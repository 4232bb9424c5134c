#include "game/MoveText.h"

#include <cassert>
#include <cstdlib>

#include "util/Numbers.h"

namespace {

QString atLeastFourDigits(int value) {
    const QString digits = QStringLiteral("%1").arg(std::abs(value), 4, 10, QLatin1Char('0'));
    return value < 0 ? QStringLiteral("-") + digits : digits;
}

}  // namespace

QChar ColourInitial(int positionValue) {
    assert(positionValue >= -1 && positionValue <= 1);
    return QStringLiteral("B?N").at(positionValue + 1);
}

QChar ColumnLetter(int index) {
    static const QString kLetters = QStringLiteral("ABCDEFGHJKLMNOPQRST");
    assert(index >= 0 && index < kLetters.size());
    return kLetters.at(index);
}

int ColumnIndex(QChar letter) {
    const int index = letter.unicode() - u'A';
    return index > 8 ? index - 1 : index;  // there is no "I"
}

QString PointName(int i, int j, int boardSize) {
    const int gridMax = boardSize - 1;
    return ColumnLetter(gridMax - j) + QString::number(boardSize - i);
}

QString StoneMoveText(int positionValue, int i, int j, int boardSize) {
    return ColourInitial(positionValue) + QStringLiteral(": ") + PointName(i, j, boardSize);
}

QString PassMoveText(int positionValue) {
    return ColourInitial(positionValue) + QStringLiteral(": pass");
}

QString PhotoPositionText(int x, int y) {
    return atLeastFourDigits(x) + QLatin1Char('-') + atLeastFourDigits(y);
}

int RowOfMove(const QString& text) {
    return static_cast<int>(numericValue(QStringView(text).mid(4, 2)));
}

MovePoint PointOfMove(const QString& text, int boardSize) {
    return {boardSize - RowOfMove(text), boardSize - 1 - ColumnIndex(text.at(3))};
}

QString PointToken(int i, int j) { return u'[' + QChar(u'a' + i) + QChar(u'a' + j) + u']'; }

std::vector<MovePoint> TokenPoints(const QString& tokens) {
    constexpr int kTokenLength = 4;  // "[ab]"
    std::vector<MovePoint> points;
    for (qsizetype k = 0; k + kTokenLength <= tokens.size(); k += kTokenLength)
        points.push_back({tokens.at(k + 1).unicode() - u'a', tokens.at(k + 2).unicode() - u'a'});
    return points;
}
