#include "render/TestGames.h"

#include <QStringList>

#include "game/GameState.h"

namespace {

// Hand-made moves in SGF letters, the players taking turns from `colour`.
std::vector<GameMove> HandMoves(const QString& points, int colour) {
    std::vector<GameMove> moves;
    for (const QString& point : points.split(u' ', Qt::SkipEmptyParts)) {
        moves.push_back({colour, false, point[0].unicode() - u'a', point[1].unicode() - u'a'});
        colour = -colour;
    }
    return moves;
}

void PlayAll(GoBoard& board, const std::vector<GameMove>& moves) {
    for (const GameMove& move : moves) {
        if (!board.play(move.colour, move.x, move.y))
            qFatal("a hand-made test game move is illegal");
    }
}

// Hand-made opening moves, Black first, then random moves from the seed.
SgfGame EvenGame(int boardSize, const QString& opening, int randomMoves, std::uint32_t seed) {
    SgfGame game;
    game.boardSize = boardSize;
    GoBoard board(boardSize);
    game.moves = HandMoves(opening, kBlack);
    PlayAll(board, game.moves);
    for (const GameMove& move : RandomGame(board, randomMoves, seed)) game.moves.push_back(move);
    return game;
}

}  // namespace

SgfGame NineLineGame() { return EvenGame(9, {}, 40, 21); }

SgfGame ThirteenLineGame() { return EvenGame(13, {}, 50, 3); }

SgfGame NineteenLineGame() {
    // Black and White build a ko around kk; Black takes it at lk, White's
    // ka threatens Black's edge stone at ja, Black saves it with jb, White
    // takes the ko back at kk. Then Black's rs captures White's corner stone.
    const QString opening = QStringLiteral("kj lj jk mk kl ll ja ia dd kk lk ka jb kk sr ss rs pd");
    return EvenGame(19, opening, 110, 7);
}

SgfGame HandicapGame(const QString& rules) {
    SgfGame game;
    game.boardSize = 13;
    game.handicap = 4;
    game.rules = rules;
    game.setupBlack = {{3, 3}, {9, 3}, {3, 9}, {9, 9}};
    GoBoard board(13);
    for (const QPoint& stone : game.setupBlack) board.play(kBlack, stone.x(), stone.y());
    game.moves = HandMoves(QStringLiteral("jg"), kWhite);
    PlayAll(board, game.moves);
    for (const GameMove& move : RandomGame(board, 29, 5)) game.moves.push_back(move);
    return game;
}

SgfGame GameInProgress(const SgfGame& game, int movesPlayed) {
    GoBoard board(game.boardSize);
    const auto split = game.moves.begin() + movesPlayed;
    for (auto move = game.moves.begin(); move != split; ++move) {
        if (!move->pass) board.play(move->colour, move->x, move->y);
    }
    SgfGame later = game;
    later.setupBlack.clear();
    for (int y = 0; y < board.size(); ++y) {
        for (int x = 0; x < board.size(); ++x) {
            if (board.at(x, y) != kEmpty)
                (board.at(x, y) == kBlack ? later.setupBlack : later.setupWhite).push_back({x, y});
        }
    }
    later.moves.assign(split, game.moves.end());
    return later;
}
