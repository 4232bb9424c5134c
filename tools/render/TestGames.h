#pragma once

#include <QString>

#include "render/SgfGame.h"

// Made-up games for the end-to-end tests, the same on every call and legal
// under GoBoard. None passes in its first two moves (a pass before White's
// first stone leaves no trace on the photos), none has more than two passes
// in a row, and an even game starts with Black.

// 9 lines, 40 moves, with a capture and a pass.
SgfGame NineLineGame();

// 13 lines, 50 moves.
SgfGame ThirteenLineGame();

// 19 lines, 128 moves, with at least three captures and a ko: Black takes
// it, White plays a threat that Black answers, and White takes it back.
SgfGame NineteenLineGame();

// 13 lines, four handicap stones on the star points, the given rules, then
// 30 moves starting with White.
SgfGame HandicapGame(const QString& rules);

// The same game photographed from the middle: the position after its first
// movesPlayed moves set up (AB, AW), then the moves after them.
SgfGame GameInProgress(const SgfGame& game, int movesPlayed);
