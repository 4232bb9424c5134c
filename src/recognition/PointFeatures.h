#pragma once

#include <opencv2/core.hpp>
#include <vector>

struct GameState;
class QImage;

// A colour in OpenCV's 8-bit Lab: L, a and b, 0 ... 255.
using Lab = cv::Vec3f;

// What each intersection of a photograph shows, measured without an empty
// board; entries in scan order, row by row from the grid's top (index
// i + j * (GridMax + 1)).
struct PointFeatures {
    // The point's look where it is most even about its crossing (mostly on
    // the side where a stone's top shows), less the board's own look there:
    // the board's field, a quadratic per channel fitted to the middles of
    // the cells and the margin around the points where the board's thin
    // lines show most.
    std::vector<Lab> looks;
    // How strongly the board's thin lines show on the arms of the crossing,
    // as a share of how they show on the tenth of the points where they
    // show most.
    std::vector<float> lines;
    // The point's brightness (L), the median over a disc about its crossing
    // that a glare, a shadow or the lines cover less than half of, clear of
    // a stone on the point in front.
    std::vector<float> brightness;
    // How clearly a stone's round outline shows about the point: how much
    // the brightness changes across a ring about it, one way all round, as
    // a share of all it changes on the ring; the most over a few rings.
    std::vector<float> outlines;
    // How strongly a small bright spot, a stone's shine, stands out of the
    // brightness about the crossing, in units of L.
    std::vector<float> shines;
};

// Measures every intersection of the grid of state on the photograph;
// empty without a usable grid.
PointFeatures MeasurePoints(const QImage& photo, const GameState& state);
