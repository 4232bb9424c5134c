#pragma once

#include <optional>

#include "geometry/GridFit.h"
#include "geometry/LinePieces.h"

// The board's lattice as the photograph's straight line pieces show it, on
// its evened grey picture (LinePieces.h): the pieces are grouped by the two vanishing
// points most of them run towards, the photograph is turned so that both
// groups run square to its sides (the line through the two vanishing points
// sent to infinity), and there the lines' spacing and phase come from how
// the line responses repeat across each group, over the part of the
// photograph where both groups lie. The frame holds every lattice line that
// falls on that turned picture, far more than a board has: which of them
// are the board's is for ChooseBoardWindow to say. std::nullopt when the
// pieces show no two directions or no lines repeat.
std::vector<GridFrame> SegmentLattices(const cv::Mat& grey, const std::vector<LinePiece>& pieces);
