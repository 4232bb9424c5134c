#pragma once

#include <QPointF>
#include <QSize>

#include "geometry/Homography.h"

// Where a point standing above the board shows on the photograph, taken back
// onto the board's plane: a stone's top, seen from the side, shows off its
// crossing, away from the camera, and the farther the lower the view. The
// camera is worked out from the grid's mapping alone: its lens from the
// board's two ways being square to each other, its axis through the
// photograph's centre.
class RaisedView {
public:
    RaisedView(const Homography& toPhoto, QSize photo);

    // Where board point (u, v), raised by height (in grid spacings), shows,
    // in grid coordinates.
    QPointF seen(double u, double v, double height) const;

private:
    double scale_ = 1;  // of the board's plane in the camera's frame
    cv::Vec3d upward_;  // a unit of height, as the grid's mapping sees it
};
