#include "recognition/MoveRecording.h"

#include <utility>

#include "app/MoveText.h"
#include "app/Program.h"

namespace {

bool isStone(const QString& text) { return !text.isEmpty() && !text.endsWith(u"pass"); }

QString lastMoveText(const GameState& state) {
    for (int m = kMaxMoves - 1; m >= 0; --m) {
        if (!state.Moves(m, 1).isEmpty()) return state.Moves(m, 1);
    }
    return {};
}

}  // namespace

QString PlayerToMove(const Program& program) {
    const QString last = lastMoveText(program.state);
    if (last.startsWith(u'B')) return kBlackPlayer;
    if (last.startsWith(u'N')) return kWhitePlayer;
    const bool handicapFirst =
        HandicapStonesSet(program.details) > 0 && HandicapIsSetUp(program.details.rules);
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

void RecordMove(Program& program, const QString& text) {
    GameState& state = program.state;
    // Only a stone tells where the players sit; an empty text names no point.
    if (program.BlackSide.isEmpty() && isStone(text)) {
        program.BlackSide = GuessBlackSide(text, state.BoardSize);
    }
    state.Moves(state.MoveCount, 1) = text;
    state.Moves(state.MoveCount, 0) = state.CurrentPhoto;
    program.recognition.RetryPhoto = false;
    if (isStone(text)) {
        const MovePoint point = PointOfMove(text, state.BoardSize);
        state.Moves(state.MoveCount, 2) = PhotoPositionText(state.GridPoints(point.i, point.j, 0),
                                                            state.GridPoints(point.i, point.j, 1));
    }
}

void RecordTwoMoves(Program& program, int moveNumber) {
    GameState& state = program.state;
    auto& stones = program.recognition.NewStones;
    if (stones[0].left(1) != PlayerToMove(program).left(1)) std::swap(stones[0], stones[1]);
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j) {
            state.Positions(i, j, moveNumber + 1) = state.Positions(i, j, moveNumber);
            state.Positions(i, j, moveNumber) = kEmpty;
        }
    }
    RecordMove(program, stones[0]);
    ++state.MoveCount;
    RecordMove(program, stones[1]);
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
