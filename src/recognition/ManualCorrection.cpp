#include "recognition/ManualCorrection.h"

#include "game/GameState.h"

namespace {

constexpr int kLongStep = 10;

int target(const GameState& state, int shownMove, BrowseStep step) {
    switch (step) {
        case BrowseStep::First:
            return state.FirstEditableMove;
        case BrowseStep::BackTen:
            return shownMove - kLongStep;
        case BrowseStep::Back:
            return shownMove - 1;
        case BrowseStep::Forward:
            return shownMove + 1;
        case BrowseStep::ForwardTen:
            return shownMove + kLongStep;
        case BrowseStep::Last:
            return state.MoveCount;
    }
    return shownMove;
}

}  // namespace

int PositionToDraw(const GameState& state, int shownMove) {
    int m = shownMove;
    while (m < state.MoveCount && state.Moves(m + 1, 0) == state.Moves(m, 0)) ++m;
    return m;
}

bool CanBrowse(const GameState& state, int shownMove, BrowseStep step) {
    const int to = target(state, shownMove, step);
    return to != shownMove && to >= state.FirstEditableMove && to <= state.MoveCount;
}

int BrowseFrom(const GameState& state, int shownMove, BrowseStep step) {
    return CanBrowse(state, shownMove, step) ? target(state, shownMove, step) : shownMove;
}

int MoveWithText(const GameState& state, int shownMove, const QString& text) {
    if (state.Moves(shownMove, 1) == text) return shownMove;
    for (int m = state.MoveCount; m >= 1; --m) {
        if (state.Moves(m, 1) == text) return m;
    }
    return 0;
}

void TakePositionAsMove(GameState& state, int n) {
    for (int i = 0; i <= state.GridMax; ++i) {
        for (int j = 0; j <= state.GridMax; ++j)
            state.Positions(i, j, n) = state.Positions(i, j, state.MoveCount);
    }
    state.MoveCount = n;
}
