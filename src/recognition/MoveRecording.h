#pragma once

#include <QString>

#include "game/GameDetails.h"
#include "game/GameState.h"
#include "recognition/RecognitionState.h"

// What recording a game's moves reads and writes: the game state, the
// recognition's memory of the game, the game details (the start-of-game
// checks may change them) and Black's side of the photographs, "" until the
// first stone tells it.
struct GameRecord {
    GameState& state;
    RecognitionState& recognition;
    GameDetails& details;
    QString& blackSide;
};

// The players' names as the questions name them.
inline const QString kBlackPlayer = QStringLiteral("Nero");
inline const QString kWhitePlayer = QStringLiteral("Bianco");

// kBlackPlayer or kWhitePlayer: the opposite of the colour of the last move recorded;
// before any move, Black, or White in a handicap game under AGA or Japanese
// rules, where the handicap stones are Black's first turn.
QString PlayerToMove(const GameState& state, const GameDetails& details);

// Black's side of the photograph guessed from the first stone of a game: the
// edge nearer to the stone's row, seen from the stone's player.
QString GuessBlackSide(const QString& moveText, int boardSize);

// Records a move text under state.MoveCount, with the photograph that showed
// it and, for a stone, its position on the photograph. The first stone ever
// recorded also gives the first guess of Black's side. MoveCount is not
// advanced.
void RecordMove(GameRecord& game, const QString& text);

// Records the first two new stones as moves moveNumber and moveNumber + 1,
// the player to move first, and advances MoveCount by two. The position after
// the first of them was never photographed and is stored empty.
void RecordTwoMoves(GameRecord& game, int moveNumber);

// Moves every grid point by (dx, dy) pixels.
void ShiftGrid(GameState& state, int dx, int dy);
