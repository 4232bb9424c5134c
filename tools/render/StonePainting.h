#pragma once

#include <QPainter>
#include <random>
#include <vector>

#include "render/BoardPhoto.h"
#include "render/BoardView.h"

// Paints the stones onto the board, each a little off its point as a hand
// puts it down, with soft shadows to the lower right. `stones` holds kBlack,
// kWhite or kEmpty at index i + j * boardSize; the set gives their colours.
void PaintStones(QPainter& painter, const BoardView& view, int boardSize,
                 const std::vector<int>& stones, StoneSet set, std::mt19937& random);
