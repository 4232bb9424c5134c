#pragma once

#include <optional>

#include "game/GameState.h"

class QImage;

// A second way to find the board's grid, for a photograph whose line votes
// gave none (a steep view of a small board, stones on it, a seam or a
// printed border): the way the lines run and their spacing about the middle
// of the photograph give a small block of the grid there, which is fitted to
// the lines and grown line by line while the board's lines go on. The grid,
// when the block grew to a square board of 9, 13 or 19 lines; otherwise
// std::nullopt, as on a photograph without a board.
std::optional<BoardGrid> SearchGrid(const QImage& photo);
