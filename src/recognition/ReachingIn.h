#pragma once

#include <vector>

#include "recognition/PointLooks.h"

class QImage;
class QPolygonF;

// The photograph as a coarse grid of square blocks, each with its mean
// colour: block (x, y) at index x + y * columns covers pixels x * side ...
// (x + 1) * side - 1 across and likewise down.
struct BlockMap {
    int side = 1;
    int columns = 0;
    int rows = 0;
    std::vector<PointLook> looks;
};

BlockMap MapBlocks(const QImage& photo, int side);

// The blocks that no longer look as they did on the empty board and are
// joined, through other such blocks, to one lying outside `board` (the
// grid widened by a line on every side, farther out than any stone can
// reach), or to the photograph's own edge where `board` runs off it, when
// they are more than a few stones' worth: something reaching in from
// beyond the board, a hand or a sleeve.
// Each block is compared channel by channel with the empty board's after
// taking out the light of its part of the photograph (the median gain of
// the blocks around it, 8 x 8 to a tile, those beyond the board apart from
// those on it), so a table cloth that the camera's exposure treats
// otherwise than the board does not count; a
// block changed when a channel differs by more than limit in log terms.
// Both maps must be of the same photograph.
std::vector<bool> ReachingIn(const BlockMap& now, const BlockMap& empty, float limit,
                             const QPolygonF& board);
