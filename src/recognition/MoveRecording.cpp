#include "recognition/MoveRecording.h"

#include <utility>

#include "game/MoveText.h"

namespace {

bool isStone(const QString& text) { return !text.isEmpty() && !text.endsWith(u"pass"); }

QString lastMoveText(const GameState& state) {
    for (int m = kMaxMoves - 1; m >= 0; --m) {
        if (!state.Moves(m, 1).isEmpty()) return state.Moves(m, 1);
    }
    return {};
}

}  // namespace

QString PlayerToMove(const GameState& state, const GameDetails& details) {
    const QString last = lastMoveText(state);
    if (last.startsWith(u'B')) return kBlackPlayer;
    if (last.startsWith(u'N')) return kWhitePlayer;
    const bool handicapFirst =
        HandicapStonesSet(details) > 0 && HandicapIsSetUp(details.rules);
    return handicapFirst ? kWhitePlayer : kBlackPlayer;
}

QString GuessBlackSide(const QString& moveText, int boardSize) {
    const int row = RowOfMove(moveText);
    const int half = (boardSize + 1) / 2;
    bool east = row > half;
    if (row == half) east = moveText.at(3).unicode() >= u'A' + (boardSize - 1) / 2;
    if (moveText.startsWith(u'B')) east = !east;
    return east ? QStringLiteral("E") : QStringLiteral("W");
}

void RecordMove(GameRecord& game, const QString& text) {
    GameState& state = game.state;
    // Only a stone tells where the players sit; an empty text names no point.
    if (game.blackSide.isEmpty() && isStone(text)) {
        game.blackSide = GuessBlackSide(text, state.BoardSize);
    }
    state.Moves(state.MoveCount, 1) = text;
    state.Moves(state.MoveCount, 0) = state.CurrentPhoto;
    game.recognition.RetryPhoto = false;
    if (isStone(text)) {
        const MovePoint point = PointOfMove(text, state.BoardSize);
        state.Moves(state.MoveCount, 2) = PhotoPositionText(state.GridPoints(point.i, point.j, 0),
                                                            state.GridPoints(point.i, point.j, 1));
    }
}

void RecordTwoMoves(GameRecord& game, int moveNumber) {
    GameState& state = game.state;
    auto& stones = game.recognition.NewStones;
    if (stones[0].left(1) != PlayerToMove(state, game.details).left(1))
        std::swap(stones[0], stones[1]);
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j) {
            state.Positions(i, j, moveNumber + 1) = state.Positions(i, j, moveNumber);
            state.Positions(i, j, moveNumber) = kEmpty;
        }
    }
    RecordMove(game, stones[0]);
    ++state.MoveCount;
    RecordMove(game, stones[1]);
    ++state.MoveCount;
}

void ShiftGrid(GameState& state, int dx, int dy) {
    for (int i = 0; i < kMaxLines; ++i) {
        for (int j = 0; j < kMaxLines; ++j) {
            state.GridPoints(i, j, 0) += dx;
            state.GridPoints(i, j, 1) += dy;
        }
    }
}
