#pragma once

#include <QRectF>
#include <array>

#include "geometry/LineEvidence.h"

// How the edges in a part of a photograph lie: the edge strength at each
// orientation, in half degrees, folded onto a right angle so that the
// board's two families of lines, and its outline, add up.
using EdgeOrientations = std::array<double, 180>;

EdgeOrientations MeasureEdgeOrientations(const Brightness& photo, const QRectF& area);

// The orientation, in degrees within [0, 90), across the edges that are
// the most: across one family of the board's lines, or both.
double DominantEdgeOrientation(const EdgeOrientations& edges);

// The turn, in degrees within +-maxDegrees, that lays the edges measured
// before onto those measured now: how far the board has turned on the
// photograph, whatever its lines' perspective, while the stones, the table
// and the light add edges of every orientation alike.
double TurnBetween(const EdgeOrientations& before, const EdgeOrientations& now, double maxDegrees);
