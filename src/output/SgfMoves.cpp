#include "output/SgfMoves.h"

#include <algorithm>

#include "game/GameDetails.h"
#include "game/GameState.h"
#include "game/MoveText.h"
#include "util/Numbers.h"

namespace {

bool setupStonesAllowed(const GameDetails& details) {
    return HandicapStonesSet(details) > 0 && HandicapIsSetUp(details.rules);
}

std::vector<QPoint> handicapPoints(const QString& tokens, const SgfOrientation& orientation) {
    std::vector<QPoint> points;
    for (const MovePoint& stone : TokenPoints(tokens)) {
        if (const auto point = SgfPointOf(stone.i, stone.j, orientation)) points.push_back(*point);
    }
    return points;
}

// Black moves before White's first that fall on a handicap stone: the stone
// was photographed as it was put down and is recorded once, as a stone.
void dropRepeatedHandicapMoves(std::vector<SgfMove>& moves, const std::vector<QPoint>& stones) {
    const auto firstWhite =
        std::find_if(moves.begin(), moves.end(), [](const SgfMove& move) { return move.white; });
    if (firstWhite == moves.begin() || firstWhite == moves.end()) return;
    const auto repeatsAStone = [&stones](const SgfMove& move) {
        return move.kind == SgfMove::Kind::Stone &&
               std::find(stones.begin(), stones.end(), move.point) != stones.end();
    };
    moves.erase(std::remove_if(moves.begin(), firstWhite, repeatsAStone), firstWhite);
}

}  // namespace

std::optional<QPoint> ToSgfPoint(int c, int r, const SgfOrientation& orientation) {
    const int g = orientation.gridMax;
    const QString& side = orientation.blackSide;
    if (side == u"S") return QPoint(g - r, g - c);
    if (side == u"N") return QPoint(r, c);
    if (side == u"E") return QPoint(c, g - r);
    if (side == u"W") return QPoint(g - c, r);
    return std::nullopt;
}

std::optional<QPoint> SgfPointOf(int i, int j, const SgfOrientation& orientation) {
    const int g = orientation.gridMax;
    return ToSgfPoint(g - j, g - i, orientation);
}

std::optional<SgfMove> SgfMoveOf(const QString& moveText, const SgfOrientation& orientation) {
    if (!moveText.startsWith(u'N') && !moveText.startsWith(u'B')) return std::nullopt;
    SgfMove move{moveText.startsWith(u'B'), SgfMove::Kind::Pass, {}, {}};
    if (moveText.endsWith(QStringLiteral("pass"))) return move;
    if (moveText.size() <= 4) return SgfMove{move.white, SgfMove::Kind::Unnamed, {}, {}};
    const int c = ColumnIndex(moveText.at(3));
    const int r = roundHalfEven(numericValue(QStringView(moveText).mid(4)) - 1);
    if (const auto point = ToSgfPoint(c, r, orientation))
        move = {move.white, SgfMove::Kind::Stone, *point, {}};
    return move;
}

std::vector<SgfMove> SgfMovesOf(const GameState& state, int moveCount,
                                const SgfOrientation& orientation) {
    std::vector<SgfMove> moves;
    for (int m = 1; m <= moveCount; ++m) {
        std::optional<SgfMove> move = SgfMoveOf(state.Moves(m, 1), orientation);
        if (!move) continue;
        move->comment = FrameTimeOf(state, state.Moves(m, 0));
        moves.push_back(*move);
    }
    return moves;
}

void AddHandicapStones(SgfRecord& record, const QString& handicapTokens, const GameDetails& details,
                       const SgfOrientation& orientation) {
    const std::vector<QPoint> stones = handicapPoints(handicapTokens, orientation);
    dropRepeatedHandicapMoves(record.moves, stones);
    if (setupStonesAllowed(details)) {
        record.setupStones = stones;
        return;
    }
    std::vector<SgfMove> leading;
    for (const QPoint stone : stones) leading.push_back({false, SgfMove::Kind::Stone, stone, {}});
    record.moves.insert(record.moves.begin(), leading.begin(), leading.end());
}

void AddStartPosition(SgfRecord& record, const GameState& state,
                      const SgfOrientation& orientation) {
    const int g = state.GridMax;
    for (int i = 0; i <= g; ++i) {
        for (int j = 0; j <= g; ++j) {
            const int value = state.Positions(i, j, 0);
            const auto point = SgfPointOf(i, j, orientation);
            if (value == kEmpty || !point) continue;
            (value == kBlack ? record.setupStones : record.setupWhiteStones).push_back(*point);
        }
    }
    const bool whiteFirst = !record.moves.empty() && record.moves.front().white;
    record.firstPlayer = whiteFirst ? QStringLiteral("W") : QStringLiteral("B");
}
