#pragma once

#include <optional>

#include "game/GameState.h"
#include "geometry/VoteTable.h"

class QImage;

// Checks the grid the detection accepted against the photograph's lines:
// when the lines go on at the same spacing beyond it (a 9- or 13-line run
// inside a larger board), or its outer line lies on no line while one runs
// a spacing beyond the other side, the grid becomes the board's whole grid.
// It changes only when the result is a square grid of 9, 13 or 19 lines
// other than the one detected. False when the grid's lines show no board
// (ShowsABoard): a grid the votes pulled out of a table.
bool CompleteGrid(const QImage& photo, BoardGrid& grid);
