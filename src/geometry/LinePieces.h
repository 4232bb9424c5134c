#pragma once

#include <QPointF>
#include <opencv2/core.hpp>
#include <optional>
#include <vector>

#include "geometry/GridFit.h"

class QImage;

// A straight piece of a line or an edge on the photograph, in its pixels.
struct LinePiece {
    QPointF a, b;
    double length() const;
};

// The photograph in grey, evened out locally (contrast-limited adaptive
// histogram equalisation over the brightest channel), so that the lines of a
// dim, coloured or unevenly lit board show as well as those of a bright one:
// what the line pieces and the lattice are found on.
cv::Mat EvenedGrey(const QImage& photo);

// The evened grey picture read as the line search reads a photograph.
Brightness EvenedBrightness(const cv::Mat& grey);

// The straight pieces on the grey picture (cv::createLineSegmentDetector, on
// a copy at most 1000 pixels wide or high), without the shortest, which are
// mostly the edges of stones.
std::vector<LinePiece> FindLinePieces(const cv::Mat& grey);

// Fits the frame's mapping to the pieces that lie along its lines, within a
// fifth of a spacing of one of them and within the frame: the board's lines
// show between the stones as short pieces even where stones cover most of
// them, and together they fix the perspective better than any spacing can.
// The pieces are taken again after each fit. The frame as given when too
// few pieces fit.
GridFrame FitToPieces(const GridFrame& frame, const std::vector<LinePiece>& pieces);
