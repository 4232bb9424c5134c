#include "output/SgfMoves.h"

#include "game/GameDetails.h"
#include "game/GameState.h"
#include "game/MoveText.h"
#include "util/Numbers.h"

namespace {

constexpr int kTokenLength = 4;  // "[pd]"

QChar sgfLetter(int index) { return QChar(u'a' + index); }

bool setupStonesAllowed(const GameDetails& details) {
    return HandicapStonesSet(details) > 0 && HandicapIsSetUp(details.rules);
}

void convertTokens(QString& handicapList, const SgfOrientation& orientation) {
    const int g = orientation.gridMax;
    for (int k = 0; k + kTokenLength <= handicapList.size(); k += kTokenLength) {
        const int i = handicapList.at(k + 1).unicode() - u'a';
        const int j = handicapList.at(k + 2).unicode() - u'a';
        handicapList.replace(k + 1, 2, ToSgfPoint(g - j, g - i, orientation));
    }
}

// Black moves before White's first that fall on a handicap stone: the stone
// was photographed as it was put down and is recorded once, as a stone.
void dropRepeatedHandicapMoves(QString& sgfMoves, const QString& handicapList) {
    const int firstWhite = sgfMoves.indexOf(QStringLiteral(";W["));
    if (firstWhite < 1) return;
    for (int k = 0; k < firstWhite; ++k) {
        if (handicapList.contains(sgfMoves.mid(k + 2, kTokenLength)))
            sgfMoves.replace(k, 6, QString(6, u' '));
    }
    sgfMoves.remove(u' ');
}

}  // namespace

QString ToSgfPoint(int c, int r, const SgfOrientation& orientation) {
    const int g = orientation.gridMax;
    const QString& side = orientation.blackSide;
    int x = 0;
    int y = 0;
    if (side == u"S") {
        x = g - r;
        y = g - c;
    } else if (side == u"N") {
        x = r;
        y = c;
    } else if (side == u"E") {
        x = c;
        y = g - r;
    } else if (side == u"W") {
        x = g - c;
        y = r;
    } else {
        return {};
    }
    return QString(sgfLetter(x)) + sgfLetter(y);
}

QString MoveToSgf(const QString& moveText, const SgfOrientation& orientation) {
    QString node;
    if (moveText.startsWith(u'N')) node = QStringLiteral(";B[");
    if (moveText.startsWith(u'B')) node = QStringLiteral(";W[");
    if (moveText.endsWith(QStringLiteral("pass"))) return node + u']';
    if (moveText.size() <= 4) return node;
    const int c = ColumnIndex(moveText.at(3));
    const int r = roundHalfEven(numericValue(QStringView(moveText).mid(4)) - 1);
    return node + ToSgfPoint(c, r, orientation) + u']';
}

QString SgfMovesOf(const GameState& state, int moveCount, const SgfOrientation& orientation) {
    QString moves;
    for (int m = 1; m <= moveCount; ++m) moves += MoveToSgf(state.Moves(m, 1), orientation);
    return moves;
}

void ArrangeHandicapStones(QString& handicapList, QString& sgfMoves, const GameDetails& details,
                           const SgfOrientation& orientation) {
    convertTokens(handicapList, orientation);
    dropRepeatedHandicapMoves(sgfMoves, handicapList);
    if (setupStonesAllowed(details)) return;
    QString leading;
    for (int k = 0; k + kTokenLength <= handicapList.size(); k += kTokenLength)
        leading += QStringLiteral(";B") + handicapList.mid(k, kTokenLength);
    sgfMoves = leading + sgfMoves;
    handicapList.clear();
}
