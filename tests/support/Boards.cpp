#include "support/Boards.h"

#include "game/GameState.h"

void PlaceSquareGrid(GameState& state, int boardSize, QPoint corner, int spacing) {
    state.BoardSize = boardSize;
    state.GridMax = boardSize - 1;
    for (int k = 0; k < boardSize * boardSize; ++k) {
        state.GridPoints(k % boardSize, k / boardSize, 0) = corner.x() + spacing * (k % boardSize);
        state.GridPoints(k % boardSize, k / boardSize, 1) = corner.y() + spacing * (k / boardSize);
    }
}

std::vector<int> StonesFromRows(int boardSize, const char* rows) {
    std::vector<int> stones(boardSize * boardSize, kEmpty);
    if (*rows == '\n') ++rows;
    for (int i = 0, j = 0; *rows; ++rows) {
        if (*rows == '\n') {
            i = 0;
            ++j;
        } else if (*rows != ' ') {
            stones[i++ + j * boardSize] = *rows == 'X' ? kBlack : *rows == 'O' ? kWhite : kEmpty;
        }
    }
    return stones;
}

QString RowsOfStones(int boardSize, const std::vector<int>& stones) {
    QString rows;
    for (int k = 0; k < boardSize * boardSize; ++k) {
        rows += stones[k] == kBlack ? u'X' : stones[k] == kWhite ? u'O' : u'.';
        rows += k % boardSize == boardSize - 1 ? u'\n' : u' ';
    }
    return rows;
}

void LayRows(GameState& state, int m, const char* rows) {
    const int n = state.BoardSize;
    const std::vector<int> stones = StonesFromRows(n, rows);
    for (int k = 0; k < n * n; ++k) state.Positions(k % n, k / n, m) = stones[k];
}

QString RowsOf(const GameState& state, int m) {
    const int n = state.BoardSize;
    std::vector<int> stones(n * n);
    for (int k = 0; k < n * n; ++k) stones[k] = state.Positions(k % n, k / n, m);
    return RowsOfStones(n, stones);
}
