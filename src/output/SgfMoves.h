#pragma once

#include <QString>

struct GameDetails;
struct GameState;

// How the photograph is turned into the SGF diagram: Black's side ("N",
// "S", "E" or "W") goes to the bottom.
struct SgfOrientation {
    int gridMax = 18;
    QString blackSide;
};

// The two letters of the SGF point of column index c (0 = "A") and row
// index r (0 = row 1) of a move text; "" for a side that is none of the four.
QString ToSgfPoint(int c, int r, const SgfOrientation& orientation);

// One SGF move node for a move text: ";B[pd]", ";W[dd]", ";B[]" for a pass.
// A text that names no point gives the node's start alone.
QString MoveToSgf(const QString& moveText, const SgfOrientation& orientation);

// The move nodes of moves 1 ... moveCount.
QString SgfMovesOf(const GameState& state, int moveCount, const SgfOrientation& orientation);

// Turns the handicap tokens into SGF points, drops the Black moves before
// White's first one that only repeat a handicap stone, and, unless a
// handicap is set under AGA or Japanese rules, makes the stones Black's
// first moves instead of setup stones (the list is then emptied).
void ArrangeHandicapStones(QString& handicapList, QString& sgfMoves, const GameDetails& details,
                           const SgfOrientation& orientation);
