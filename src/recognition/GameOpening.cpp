#include "recognition/GameOpening.h"

#include "game/GameDetails.h"
#include "game/MoveText.h"
#include "game/UserPort.h"
#include "recognition/GameStart.h"
#include "recognition/MoveRecording.h"

namespace {

void clearMove(GameState& state, int move) {
    for (int c = 0; c < 3; ++c) state.Moves(move, c).clear();
}

// Black passed, then White played: the position photographed becomes move 2.
void startWithBlackPass(GameState& state) {
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j) {
            state.Positions(i, j, 2) = state.Positions(i, j, 1);
            state.Positions(i, j, 1) = kEmpty;
        }
    }
    clearMove(state, 1);
    state.Moves(1, 1) = PassMoveText(kBlack);
    state.MoveCount = 2;
    state.FirstEditableMove = 1;
}

int firstWhiteMove(int blackStones, const GameRecord& game) {
    if (blackStones <= 1) return 2;
    const bool fixed = HandicapIsSetUp(game.details.rules) && game.recognition.HandicapOnHoshi;
    return fixed ? 1 : blackStones + 1;
}

// The black stones of the handicap list go into the position before White's
// first move; returns the move text of the last one.
QString placeBlackStones(GameState& state, const QString& handicapList) {
    QString text;
    const int before = state.MoveCount - 1;
    for (const MovePoint& stone : TokenPoints(handicapList)) {
        state.Positions(stone.i, stone.j, before) = kBlack;
        text = StoneMoveText(kBlack, stone.i, stone.j, state.BoardSize);
    }
    return text;
}

void numberMoves(GameRecord& game, int blackStones) {
    GameState& state = game.state;
    RecognitionState& rec = game.recognition;
    state.MoveCount = firstWhiteMove(blackStones, game);
    state.FirstEditableMove = state.MoveCount;
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j) {
            state.Positions(i, j, state.MoveCount) = state.Positions(i, j, 1);
            if (state.MoveCount != 1) state.Positions(i, j, 1) = kEmpty;
        }
    }
    // Moves before White's first are the handicap's or Black's first stone;
    // whatever an earlier run left there must not reach the record.
    for (int m = 1; m < state.MoveCount; ++m) clearMove(state, m);
    const QString lastStone = placeBlackStones(state, rec.HandicapList);
    if (blackStones == 1) {
        state.Moves(1, 0) = rec.HandicapPhoto;
        state.Moves(1, 1) = lastStone;
        rec.HandicapList.clear();  // a single stone is Black's first move, not a handicap
    }
}

}  // namespace

bool SettleGameStart(GameRecord& game, UserPort& port) {
    int code = game.recognition.HandicapCount;
    CheckGameStart(code, game.recognition.HandicapOnHoshi, game.details, port);
    port.ShowGameDetails();
    if (code == kAbandonRun) return false;
    if (code == kBlackPassedFirst) {
        startWithBlackPass(game.state);
        return true;
    }
    numberMoves(game, code);
    return true;
}
