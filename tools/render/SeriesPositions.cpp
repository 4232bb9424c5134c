#include "render/SeriesPositions.h"

#include "game/GameState.h"

namespace {

BoardPosition PositionOf(const GoBoard& board) {
    BoardPosition position;
    for (int y = 0; y < board.size(); ++y) {
        for (int x = 0; x < board.size(); ++x) position.push_back(board.at(x, y));
    }
    return position;
}

// Plays a stone if it lies on the board and the rules allow it.
bool PlayOnBoard(GoBoard& board, int colour, int x, int y) {
    const auto inside = [&board](int k) { return k >= 0 && k < board.size(); };
    return (colour == kBlack || colour == kWhite) && inside(x) && inside(y) &&
           board.play(colour, x, y);
}

QString PointName(int x, int y) { return QStringLiteral("(%1, %2)").arg(x).arg(y); }

}  // namespace

std::optional<std::vector<BoardPosition>> SeriesPositions(const SgfGame& game, QString* error) {
    const auto fail = [error](const QString& reason) {
        if (error) *error = reason;
        return std::nullopt;
    };
    if (game.boardSize != 9 && game.boardSize != 13 && game.boardSize != 19)
        return fail(
            QStringLiteral("a board of %1 lines cannot be photographed").arg(game.boardSize));
    GoBoard board(game.boardSize);
    // A game in progress is photographed first with all its stones.
    const bool inProgress = !game.setupWhite.empty();
    std::vector<BoardPosition> positions;
    if (!inProgress) positions.push_back(PositionOf(board));
    for (const int colour : {kBlack, kWhite}) {
        for (const QPoint& stone : colour == kBlack ? game.setupBlack : game.setupWhite) {
            if (!PlayOnBoard(board, colour, stone.x(), stone.y()))
                return fail(QStringLiteral("setup stone at %1 cannot be placed")
                                .arg(PointName(stone.x(), stone.y())));
            if (!inProgress) positions.push_back(PositionOf(board));
        }
    }
    if (inProgress) positions.push_back(PositionOf(board));
    for (std::size_t k = 0; k < game.moves.size(); ++k) {
        const GameMove& move = game.moves[k];
        if (!move.pass && !PlayOnBoard(board, move.colour, move.x, move.y))
            return fail(QStringLiteral("move %1 at %2 is not legal")
                            .arg(k + 1)
                            .arg(PointName(move.x, move.y)));
        positions.push_back(PositionOf(board));
    }
    return positions;
}
