#pragma once

class QImage;
struct GameState;

// Checks the grid the detection accepted against the photograph's lines:
// when the lines go on at the same spacing beyond it (a 9- or 13-line run
// inside a larger board), or its outer line lies on no line while one runs
// a spacing beyond the other side, the grid becomes the board's whole grid.
// It changes only when the result is a square grid of 9, 13 or 19 lines
// other than the one detected.
void CompleteGrid(const QImage& photo, GameState& state);
