#pragma once

#include <QPointF>
#include <array>
#include <optional>

#include "game/GameState.h"
#include "geometry/Homography.h"
#include "geometry/LineEvidence.h"

// A grid on the photograph as the line search sees it: where each grid
// coordinate (u, v) appears, and the lines it holds, columns u = firstColumn
// ... lastColumn and rows v = firstRow ... lastRow.
struct GridFrame {
    Homography toPhoto;
    int firstColumn = 0;
    int lastColumn = 0;
    int firstRow = 0;
    int lastRow = 0;

    int columns() const { return lastColumn - firstColumn + 1; }
    int rows() const { return lastRow - firstRow + 1; }
    // The outer crossings on the photograph: top left, top right, bottom
    // right, bottom left.
    std::array<QPointF, 4> corners() const {
        return {toPhoto.map(firstColumn, firstRow), toPhoto.map(lastColumn, firstRow),
                toPhoto.map(lastColumn, lastRow), toPhoto.map(firstColumn, lastRow)};
    }
    // The spacing of the columns in the frame's middle, in pixels.
    double spacing() const;
    // Whether every corner lies within reach pixels of the other frame's.
    bool cornersWithin(const GridFrame& other, double reach) const;
    // The same lattice holding the given number of lines more on every side.
    GridFrame widened(int lines) const {
        return {toPhoto, firstColumn - lines, lastColumn + lines, firstRow - lines,
                lastRow + lines};
    }
};

// A frame moved onto the photograph's lines, with how well they showed.
struct FrameFit {
    GridFrame frame;
    // The share of the points looked at along the lines, between the
    // intersections, where a line was found on the frame's line.
    double support = 0;
    // The median response of the lines found: what a line looks like here.
    int lineStrength = 0;
};

// The frame of a grid, from its four corners; std::nullopt for no usable grid.
std::optional<GridFrame> FrameOfGrid(const BoardGrid& grid);

// The frame's lines as a board's grid: its size and every intersection,
// rounded to the nearest pixel (ties to even).
BoardGrid GridOfFrame(const GridFrame& frame);

// Looks for the lines near each line of the frame, up to reach grid
// spacings across it, at probesPerSegment points between each two
// intersections, and fits the mapping that puts the frame's lines on
// them; then again with shorter reaches, down to a tenth of a spacing.
// Points covered by stones, a hand or a seam find nothing or a stray line,
// and weigh less once they stand out of the fit. std::nullopt when too few
// lines were found to fit.
std::optional<FrameFit> RefineFrame(const Brightness& photo, const GridFrame& frame, double reach,
                                    int probesPerSegment = 3);

// The share of points along one line of the frame (a column u = line when
// column, a row v = line otherwise, across the frame's other lines) where
// a line at least half as strong as lineStrength runs within a tenth of a
// spacing. Lines beyond the frame can be asked for too.
double LineSupport(const Brightness& photo, const GridFrame& frame, bool column, int line,
                   int lineStrength);

// The strongest line response within a tenth of a spacing of one line of
// the frame (a column u = line when column, a row v = line otherwise) at
// the point along it (v, or u); std::nullopt where that point is off the
// photograph or the grid is too fine there.
std::optional<int> LineStrengthAt(const Brightness& photo, const GridFrame& frame, bool column,
                                  double line, double along);

// The move of the whole frame on the photograph, a shift of up to maxShift
// grid spacings either way and a change of size of up to maxScale (0.08:
// 8%) about its middle, that lays the most line response under its lines:
// a first guess when the camera or the board has moved by more than the
// line search can follow.
Homography BestMove(const Brightness& photo, const GridFrame& frame, double maxShift,
                    double maxScale);
