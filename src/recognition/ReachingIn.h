#pragma once

#include <vector>

#include "recognition/PointLooks.h"

class QImage;

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
// joined to the photograph's edge through other such blocks: something
// reaching in from outside the frame, a hand or a sleeve. A stone lies on
// the board, never joined to the edge. Blocks are compared channel by
// channel after the photograph's light is taken out (gain, as a look, is
// what the light does to a white of 1, 1, 1); a block changed when one of
// its channels differs by more than limit in log terms. Both maps must be
// of the same photograph size.
std::vector<bool> ReachingIn(const BlockMap& now, const BlockMap& empty, const PointLook& gain,
                             float limit);
