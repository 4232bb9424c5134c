#pragma once

#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

#include "output/SgfRecord.h"

struct GameDetails;
struct GameState;

// How the photograph is turned into the SGF diagram: Black's side ("N",
// "S", "E" or "W") goes to the bottom.
struct SgfOrientation {
    int gridMax = 18;
    QString blackSide;
};

// The SGF point of column index c (0 = "A") and row index r (0 = row 1) of
// a move text; none for a side that is none of the four.
std::optional<QPoint> ToSgfPoint(int c, int r, const SgfOrientation& orientation);

// The SGF point of the board's point (i, j), as the positions number it.
std::optional<QPoint> SgfPointOf(int i, int j, const SgfOrientation& orientation);

// The move a text of the move list records: "N: D4" a stone of Black's,
// "B: pass" a pass of White's, "N: " a move of Black's that names no point.
// None for a text of neither colour, such as an empty one. A point the
// orientation cannot place is taken as a pass.
std::optional<SgfMove> SgfMoveOf(const QString& moveText, const SgfOrientation& orientation);

// The moves 1 ... moveCount of the move list.
std::vector<SgfMove> SgfMovesOf(const GameState& state, int moveCount,
                                const SgfOrientation& orientation);

// Adds the handicap stones found, a list of tokens "[ab]" in the photo's
// (i, j), to the record: drops the Black moves before White's first one that
// only repeat a handicap stone, and, unless a handicap is set under AGA or
// Japanese rules, makes the stones Black's first moves instead of setup
// stones.
void AddHandicapStones(SgfRecord& record, const QString& handicapTokens, const GameDetails& details,
                       const SgfOrientation& orientation);

// Sets up the stones of position 0, where a game photographed from the
// middle starts, Black's as AB and White's as AW in the photo's (i, j), and
// names the first player: the colour of the first move recorded, Black's
// when there is none.
void AddStartPosition(SgfRecord& record, const GameState& state,
                      const SgfOrientation& orientation);
