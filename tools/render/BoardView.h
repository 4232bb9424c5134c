#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QSize>
#include <QTransform>

#include "render/BoardPhoto.h"

// A pinhole camera's view of the board. Board points are given in grid
// units: column i and row j as on the grid (fractions between the lines),
// and a height z above the board's playing surface in line spacings
// (negative below it, down to the table).
class BoardView {
public:
    BoardView(int boardSize, QSize photoSize, const Camera& camera);

    // Photo position of a board point; pixel (x, y) has its centre at (x, y).
    QPointF project(double i, double j, double z = 0) const;
    // The plane at height z as a projective map from (i, j) to the photo.
    QTransform plane(double z) const;

private:
    // Where a board point lands, turned with the photo, for a focal length of
    // one pixel and the camera standing `distance` from the board's centre.
    QPointF lens(double i, double j, double z, double distance) const;
    // The grid's four corners through the lens.
    QPolygonF gridOutline(double distance) const;

    double last_;    // highest grid index
    double centre_;  // grid index of the board's centre
    double cosTilt_, sinTilt_, cosTurn_, sinTurn_;
    double distance_;
    double focal_ = 1;
    QPointF shift_;
};
